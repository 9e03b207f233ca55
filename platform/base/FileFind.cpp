#include "platform/base/FileFind.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cwctype>
#include <utility>

namespace {

// `name` is looked up in the folder open as `dirFd` (AT_FDCWD: the working folder); a link
// reports its target's attributes. `type` is the entry's type from its folder, or DT_UNKNOWN.
bool StatEntry(int dirFd, const char* name, unsigned char type, ULONGLONG& size, bool& dir, bool& link,
               __time64_t& created, __time64_t& modified) {
  struct statx sx {};
  if (statx(dirFd, name, 0, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0) return false;
  size = sx.stx_size;
  dir = S_ISDIR(sx.stx_mode);
  struct stat own {};
  link = type == DT_UNKNOWN ? fstatat(dirFd, name, &own, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(own.st_mode)
                            : type == DT_LNK;
  modified = sx.stx_mtime.tv_sec;
  created = (sx.stx_mask & STATX_BTIME) ? sx.stx_btime.tv_sec : modified;
  return true;
}

}  // namespace

bool MatchWildcardNoCase(const wchar_t* p, const wchar_t* s) {
  // Iterative match with one backtrack point for the last '*'.
  const wchar_t* star = nullptr;
  const wchar_t* retry = nullptr;
  while (*s) {
    if (*p == L'*') {
      star = ++p;
      retry = s;
    } else if (*p == L'?' || std::towlower(static_cast<wint_t>(*p)) == std::towlower(static_cast<wint_t>(*s))) {
      ++p;
      ++s;
    } else if (star) {
      p = star;
      s = ++retry;
    } else {
      return false;
    }
  }
  while (*p == L'*') ++p;
  return *p == 0;
}

BOOL CFileFind::FindFile(const wchar_t* pstrName, DWORD) {
  Close();
  CString spec = pstrName ? CString(pstrName) : CString(L"*.*");
  spec.Replace(L'\\', L'/');
  int slash = spec.ReverseFind(L'/');
  CString folder = slash >= 0 ? spec.Left(slash) : CString(L".");
  if (slash == 0) folder = L"/";
  CString pattern = spec.Mid(slash + 1);
  m_root = slash >= 0 ? spec.Left(slash) : CString();

  bool wild = pattern.FindOneOf(L"*?") >= 0;
  if (!wild) {
    Entry e;
    e.name = pattern;
    std::string path = WideToFileSystem(spec.str());
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    if (pattern.IsEmpty() ||
        !StatEntry(AT_FDCWD, path.c_str(), DT_UNKNOWN, e.size, e.directory, e.link, e.created, e.modified))
      return FALSE;
    m_entries.push_back(e);
    return TRUE;
  }
  if (pattern == L"*.*") pattern = L"*";

  std::string dirPath = WideToFileSystem(folder.str());
  DIR* dir = opendir(dirPath.c_str());
  if (!dir) return FALSE;
  while (dirent* d = readdir(dir)) {
    CString name = FileSystemToWide(d->d_name);
    if (!MatchWildcardNoCase(pattern, name)) continue;
    Entry e;
    e.name = name;
    if (!StatEntry(dirfd(dir), d->d_name, d->d_type, e.size, e.directory, e.link, e.created, e.modified)) continue;
    m_entries.push_back(std::move(e));
  }
  closedir(dir);
  std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
  return m_entries.empty() ? FALSE : TRUE;
}

BOOL CFileFind::FindNextFile() {
  if (m_index + 1 >= static_cast<int>(m_entries.size())) return FALSE;
  ++m_index;
  return m_index + 1 < static_cast<int>(m_entries.size());
}

void CFileFind::Close() {
  m_entries.clear();
  m_index = -1;
  m_root.Empty();
}

const CFileFind::Entry* CFileFind::Current() const {
  if (m_index < 0 || m_index >= static_cast<int>(m_entries.size())) return nullptr;
  return &m_entries[static_cast<size_t>(m_index)];
}

CString CFileFind::GetFileName() const { return Current() ? Current()->name : CString(); }

CString CFileFind::GetFilePath() const {
  if (!Current()) return CString();
  if (m_root.IsEmpty()) return Current()->name;
  if (m_root == L"/") return L"/" + Current()->name;
  return m_root + L"/" + Current()->name;
}

CString CFileFind::GetFileTitle() const {
  CString name = GetFileName();
  int dot = name.ReverseFind(L'.');
  return dot >= 0 ? name.Left(dot) : name;
}

ULONGLONG CFileFind::GetLength() const { return Current() ? Current()->size : 0; }
BOOL CFileFind::IsDirectory() const { return Current() && Current()->directory; }

BOOL CFileFind::IsDots() const {
  return Current() && Current()->directory && (Current()->name == L"." || Current()->name == L"..");
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const {
  const Entry* e = Current();
  if (!e) return FALSE;
  DWORD attributes = e->directory ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
  if (e->link) attributes |= FILE_ATTRIBUTE_REPARSE_POINT;
  return (attributes & dwMask) != 0;
}

BOOL CFileFind::GetCreationTime(CTime& refTime) const {
  if (!Current()) return FALSE;
  refTime = CTime(Current()->created);
  return TRUE;
}

BOOL CFileFind::GetLastWriteTime(CTime& refTime) const {
  if (!Current()) return FALSE;
  refTime = CTime(Current()->modified);
  return TRUE;
}

#include "platform/win/FileDialog.h"

#include <cwchar>

#include "platform/win/Presenter.h"
#include "platform/win/detail/ModalOwner.h"

namespace {

// "a|b|c|d||" -> "a\0b\0c\0d\0\0"
std::wstring ZeroSeparatedFilter(LPCTSTR filter) {
  std::wstring result = filter ? filter : L"";
  for (wchar_t& c : result)
    if (c == L'|') c = 0;
  result.push_back(0);
  return result;
}

std::vector<std::pair<std::wstring, std::wstring>> FilterPairs(LPCWSTR filter) {
  std::vector<std::pair<std::wstring, std::wstring>> pairs;
  while (filter && *filter) {
    std::wstring description = filter;
    filter += description.size() + 1;
    if (!*filter) break;
    std::wstring patterns = filter;
    filter += patterns.size() + 1;
    pairs.emplace_back(description, patterns);
  }
  return pairs;
}

size_t NameStart(const std::wstring& path) {
  size_t slash = path.find_last_of(L'/');
  return slash == std::wstring::npos ? 0 : slash + 1;
}

// Index of the extension's first character (after the dot) in the name, or npos.
size_t ExtensionStart(const std::wstring& path) {
  size_t start = NameStart(path);
  size_t dot = path.find_last_of(L'.');
  return dot == std::wstring::npos || dot < start ? std::wstring::npos : dot + 1;
}

BOOL RunFileChooser(LPOPENFILENAME ofn, bool save) {
  if (!ofn || !ofn->lpstrFile || ofn->nMaxFile == 0) return FALSE;
  platform::FileRequest request;
  request.save = save;
  if (ofn->lpstrTitle) request.title = ofn->lpstrTitle;
  if (ofn->lpstrInitialDir) request.initialFolder = ofn->lpstrInitialDir;
  request.fileName = ofn->lpstrFile;
  request.filters = FilterPairs(ofn->lpstrFilter);
  request.filterIndex = ofn->nFilterIndex > 0 ? static_cast<int>(ofn->nFilterIndex) - 1 : 0;
  request.overwritePrompt = save && (ofn->Flags & OFN_OVERWRITEPROMPT);
  platform::detail::ModalOwner owner(ofn->hwndOwner);
  request.owner = owner.handle();
  std::wstring path;
  if (!platform::GetPresenter().ChooseFile(request, &path) || path.empty()) return FALSE;
  if (ofn->lpstrDefExt && *ofn->lpstrDefExt && ExtensionStart(path) == std::wstring::npos)
    path += L"." + std::wstring(ofn->lpstrDefExt);
  if (path.size() >= ofn->nMaxFile) return FALSE;
  std::wmemcpy(ofn->lpstrFile, path.c_str(), path.size() + 1);
  ofn->nFileOffset = static_cast<WORD>(NameStart(path));
  size_t ext = ExtensionStart(path);
  ofn->nFileExtension = static_cast<WORD>(ext == std::wstring::npos ? path.size() : ext);
  if (ofn->lpstrFileTitle && ofn->nMaxFileTitle > 0) {
    std::wstring name = path.substr(ofn->nFileOffset);
    if (name.size() < ofn->nMaxFileTitle) std::wmemcpy(ofn->lpstrFileTitle, name.c_str(), name.size() + 1);
  }
  return TRUE;
}

}  // namespace

BOOL GetSaveFileName(LPOPENFILENAME lpofn) { return RunFileChooser(lpofn, true); }
BOOL GetOpenFileName(LPOPENFILENAME lpofn) { return RunFileChooser(lpofn, false); }

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD, BOOL)
    : m_bOpenFileDialog(bOpenFileDialog) {
  m_pParentWnd = pParentWnd;
  if (lpszFileName) std::wcsncpy(m_szFileName, lpszFileName, MAX_PATH - 1);
  if (lpszDefExt) m_defExt = lpszDefExt;
  m_ofn.Flags = dwFlags;
  m_ofn.lpstrFile = m_szFileName;
  m_ofn.nMaxFile = MAX_PATH;
  m_ofn.lpstrFileTitle = m_szFileTitle;
  m_ofn.nMaxFileTitle = MAX_PATH;
  m_ofn.lpstrDefExt = m_defExt.empty() ? nullptr : m_defExt.c_str();
  if (lpszFilter) {
    m_filter = ZeroSeparatedFilter(lpszFilter);
    m_ofn.lpstrFilter = m_filter.c_str();
  }
}

INT_PTR CFileDialog::DoModal() {
  HWND parent = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
  m_ofn.hwndOwner = platform::detail::SafeOwner(parent);
  BOOL ok = m_bOpenFileDialog ? GetOpenFileName(&m_ofn) : GetSaveFileName(&m_ofn);
  return ok ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const { return CString(m_ofn.lpstrFile); }

CString CFileDialog::GetFileName() const {
  std::wstring path = m_ofn.lpstrFile;
  return CString(path.substr(NameStart(path)).c_str());
}

CString CFileDialog::GetFileExt() const {
  std::wstring path = m_ofn.lpstrFile;
  size_t ext = ExtensionStart(path);
  return CString(ext == std::wstring::npos ? L"" : path.substr(ext).c_str());
}

CString CFileDialog::GetFileTitle() const {
  std::wstring path = m_ofn.lpstrFile;
  std::wstring name = path.substr(NameStart(path));
  size_t dot = name.find_last_of(L'.');
  return CString(dot == std::wstring::npos ? name.c_str() : name.substr(0, dot).c_str());
}

CString CFileDialog::GetFolderPath() const {
  std::wstring path = m_ofn.lpstrFile;
  size_t start = NameStart(path);
  if (start == 0) return CString(L"");
  return CString(start == 1 ? L"/" : path.substr(0, start - 1).c_str());
}

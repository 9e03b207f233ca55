#include "platform/shell/SpecialFolders.h"

#include <glib.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "platform/base/Log.h"

namespace {

bool IsFolder(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string DocumentsFolder() {
  const char* seam = std::getenv("RODEMIR_DOCUMENTS");
  if (seam && *seam) return seam;
  const char* xdg = g_get_user_special_dir(G_USER_DIRECTORY_DOCUMENTS);
  if (xdg && *xdg) return xdg;
  std::string home = g_get_home_dir();
  std::string documents = home + "/Documents";
  return IsFolder(documents) ? documents : home;
}

std::string DesktopFolder() {
  const char* xdg = g_get_user_special_dir(G_USER_DIRECTORY_DESKTOP);
  return xdg && *xdg ? xdg : std::string(g_get_home_dir()) + "/Desktop";
}

bool FolderOf(int csidl, std::string* path) {
  switch (csidl) {
    case CSIDL_PERSONAL: *path = DocumentsFolder(); break;
    case CSIDL_DESKTOP:
    case CSIDL_DESKTOPDIRECTORY: *path = DesktopFolder(); break;
    default: return false;
  }
  while (path->size() > 1 && path->back() == '/') path->pop_back();
  return true;
}

// A folder given as a relative path (HOME or the seam set so) would be the working folder's.
bool IsAbsolute(const std::string& path) {
  if (!path.empty() && path[0] == '/') return true;
  PlatformLog("folders", "no special folder: \"%s\" is not an absolute path", path.c_str());
  return false;
}

}  // namespace

BOOL SHGetSpecialFolderPathW(HWND, LPWSTR lpszPath, int csidl, BOOL fCreate) {
  if (!lpszPath) return FALSE;
  lpszPath[0] = 0;
  std::string path;
  if (!FolderOf(csidl, &path) || !IsAbsolute(path)) return FALSE;
  if (fCreate && !IsFolder(path) && g_mkdir_with_parents(path.c_str(), 0755) != 0) return FALSE;
  std::wstring wide = FileSystemToWide(path);
  if (wide.size() >= MAX_PATH) return FALSE;
  wide.copy(lpszPath, wide.size());
  lpszPath[wide.size()] = 0;
  return TRUE;
}

HRESULT SHGetSpecialFolderLocation(HWND, int nFolder, PIDLIST_ABSOLUTE* ppidl) {
  if (!ppidl) return E_POINTER;
  *ppidl = nullptr;
  std::string path;
  if (!FolderOf(nFolder, &path)) return E_INVALIDARG;
  if (!IsAbsolute(path)) return E_FAIL;
  *ppidl = ILCreateFromPathW(FileSystemToWide(path).c_str());
  return *ppidl ? S_OK : E_FAIL;
}

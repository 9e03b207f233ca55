#include "platform/shell/ItemIdList.h"

struct ITEMIDLIST {
  CString path;
};

PIDLIST_ABSOLUTE ILCreateFromPathW(LPCWSTR pszPath) {
  if (!pszPath || !*pszPath) return nullptr;
  return new ITEMIDLIST{CString(pszPath)};
}

void ILFree(PIDLIST_ABSOLUTE pidl) { delete pidl; }

BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE pidl, LPWSTR pszPath) {
  if (!pszPath) return FALSE;
  pszPath[0] = 0;
  if (!pidl || pidl->path.GetLength() >= static_cast<int>(MAX_PATH)) return FALSE;
  pidl->path.str().copy(pszPath, pidl->path.str().size());
  pszPath[pidl->path.GetLength()] = 0;
  return TRUE;
}

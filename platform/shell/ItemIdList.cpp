#include "platform/shell/ItemIdList.h"

#include <cstdlib>
#include <cwchar>

// Allocated with malloc as one block holding the path, so that ILFree and the COM
// allocator's free (which callers may use for lists the folder browser returns) both
// release it.
struct ITEMIDLIST {
  wchar_t path[1];
};

PIDLIST_ABSOLUTE ILCreateFromPathW(LPCWSTR pszPath) {
  if (!pszPath || !*pszPath) return nullptr;
  size_t length = std::wcslen(pszPath);
  auto* pidl = static_cast<ITEMIDLIST*>(std::malloc((length + 1) * sizeof(wchar_t)));
  if (!pidl) return nullptr;
  std::wmemcpy(pidl->path, pszPath, length + 1);
  return pidl;
}

void ILFree(PIDLIST_ABSOLUTE pidl) { std::free(pidl); }

BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE pidl, LPWSTR pszPath) {
  if (!pszPath) return FALSE;
  pszPath[0] = 0;
  if (!pidl) return FALSE;
  size_t length = std::wcslen(pidl->path);
  if (length >= MAX_PATH) return FALSE;
  std::wmemcpy(pszPath, pidl->path, length + 1);
  return TRUE;
}

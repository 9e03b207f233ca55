#pragma once
// Shell item-id lists: opaque handles on a file-system path, as the folder browser, the
// special-folder lookup and drive notifications hand them out.
#include "platform/base/String.h"
#include "platform/base/WinTypes.h"

struct ITEMIDLIST;
using LPITEMIDLIST = ITEMIDLIST*;
using LPCITEMIDLIST = const ITEMIDLIST*;
using PIDLIST_ABSOLUTE = ITEMIDLIST*;
using PCIDLIST_ABSOLUTE = const ITEMIDLIST*;

// A new list for the path; free it with ILFree (or CoTaskMemFree). Null for a null or
// empty path.
PIDLIST_ABSOLUTE ILCreateFromPathW(LPCWSTR pszPath);
void ILFree(PIDLIST_ABSOLUTE pidl);
// Copies the path into a buffer of MAX_PATH characters. FALSE (and "") for a null list or a
// path that does not fit.
BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE pidl, LPWSTR pszPath);

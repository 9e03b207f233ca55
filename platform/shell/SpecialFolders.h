#pragma once
// The user's special folders: the documents folder (RODEMIR_DOCUMENTS, else the XDG
// documents directory, else ~/Documents when it exists, else the home folder) and the desktop.
#include "platform/base/Result.h"
#include "platform/base/WinTypes.h"
#include "platform/shell/ItemIdList.h"

constexpr int CSIDL_DESKTOP = 0x0000;
constexpr int CSIDL_PERSONAL = 0x0005;
constexpr int CSIDL_MYDOCUMENTS = CSIDL_PERSONAL;
constexpr int CSIDL_DESKTOPDIRECTORY = 0x0010;

// Fills a MAX_PATH buffer with the folder, without a trailing "/". With fCreate the folder
// is created when missing. FALSE for an unknown folder or one that does not fit.
BOOL SHGetSpecialFolderPathW(HWND hwndOwner, LPWSTR lpszPath, int csidl, BOOL fCreate);
// A new item-id list of the folder (free it with ILFree); E_INVALIDARG for an unknown one.
HRESULT SHGetSpecialFolderLocation(HWND hwndOwner, int nFolder, PIDLIST_ABSOLUTE* ppidl);

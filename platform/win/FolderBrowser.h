#pragma once
// The shell's folder browser. SHBrowseForFolderW is modal (the owner is disabled, timers
// keep running) and returns the chosen folder as an item-id list (free it with ILFree or
// CoTaskMemFree), or null when cancelled. The browser has a window of its own: before it
// shows, the callback receives BFFM_INITIALIZED with that window, and may set its title
// with SetWindowText and preselect a folder by sending it BFFM_SETSELECTIONW (wParam TRUE:
// lParam is a path; FALSE: an item-id list). Without a preselected folder that exists, it
// opens on the home folder.
#include "platform/base/WinTypes.h"
#include "platform/shell/ItemIdList.h"
#include "platform/win/Messages.h"

using BFFCALLBACK = int (*)(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

struct BROWSEINFOW {
  HWND hwndOwner = nullptr;
  PCIDLIST_ABSOLUTE pidlRoot = nullptr;
  LPWSTR pszDisplayName = nullptr;  // MAX_PATH characters: the chosen folder's name
  LPCWSTR lpszTitle = nullptr;      // the prompt above the folders
  UINT ulFlags = 0;
  BFFCALLBACK lpfn = nullptr;
  LPARAM lParam = 0;
  int iImage = 0;
};
using BROWSEINFO = BROWSEINFOW;
using LPBROWSEINFOW = BROWSEINFOW*;
using LPBROWSEINFO = BROWSEINFOW*;

constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001;
constexpr UINT BIF_DONTGOBELOWDOMAIN = 0x0002;
constexpr UINT BIF_STATUSTEXT = 0x0004;
constexpr UINT BIF_EDITBOX = 0x0010;
constexpr UINT BIF_NEWDIALOGSTYLE = 0x0040;
constexpr UINT BIF_USENEWUI = BIF_NEWDIALOGSTYLE | BIF_EDITBOX;
constexpr UINT BIF_NONEWFOLDERBUTTON = 0x0200;

constexpr UINT BFFM_INITIALIZED = 1;
constexpr UINT BFFM_SELCHANGED = 2;
constexpr UINT BFFM_ENABLEOK = WM_USER + 101;
constexpr UINT BFFM_SETSELECTIONA = WM_USER + 102;
constexpr UINT BFFM_SETSELECTIONW = WM_USER + 103;
constexpr UINT BFFM_SETSTATUSTEXTW = WM_USER + 104;
constexpr UINT BFFM_SETSELECTION = BFFM_SETSELECTIONW;

PIDLIST_ABSOLUTE SHBrowseForFolderW(LPBROWSEINFOW lpbi);
inline PIDLIST_ABSOLUTE SHBrowseForFolder(LPBROWSEINFOW lpbi) { return SHBrowseForFolderW(lpbi); }

#pragma once
// The window tree: creation and destruction, relations, styles, text, geometry, showing
// and enabling. All of it on the UI thread; a handle of a destroyed window is refused.
// Positions of child windows are in their parent's client area, of top-level windows on
// the screen. Windows have no frame: the client area is the whole window.
#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"
#include "platform/win/Keys.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowStyles.h"

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct CREATESTRUCT {
  LPVOID lpCreateParams = nullptr;
  HMENU hMenu = nullptr;  // the control id for child windows
  HWND hwndParent = nullptr;
  int cy = 0;
  int cx = 0;
  int y = 0;
  int x = 0;
  LONG style = 0;
  LPCWSTR lpszName = nullptr;
  LPCWSTR lpszClass = nullptr;
  DWORD dwExStyle = 0;
};
using LPCREATESTRUCT = CREATESTRUCT*;

struct WINDOWPOS {
  HWND hwnd = nullptr;
  HWND hwndInsertAfter = nullptr;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
};
using LPWINDOWPOS = WINDOWPOS*;

HWND CreateWindowEx(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int x, int y, int nWidth,
                    int nHeight, HWND hWndParent, HMENU hMenu, LPVOID lpParam);
BOOL DestroyWindow(HWND hWnd);
LRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC proc, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

HWND GetParent(HWND hWnd);  // the parent of a child, the owner of a pop-up
HWND SetParent(HWND hWndChild, HWND hWndNewParent);
HWND GetWindow(HWND hWnd, UINT uCmd);
HWND GetAncestor(HWND hWnd, UINT gaFlags);
HWND GetTopWindow(HWND hWnd);
HWND GetDesktopWindow();
BOOL IsChild(HWND hWndParent, HWND hWnd);
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
int GetDlgCtrlID(HWND hWnd);

LONG_PTR GetWindowLongPtr(HWND hWnd, int nIndex);
LONG_PTR SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
inline LONG GetWindowLong(HWND hWnd, int nIndex) { return static_cast<LONG>(GetWindowLongPtr(hWnd, nIndex)); }
inline LONG SetWindowLong(HWND hWnd, int nIndex, LONG v) {
  return static_cast<LONG>(SetWindowLongPtr(hWnd, nIndex, v));
}
int GetClassName(HWND hWnd, LPWSTR lpClassName, int nMaxCount);

BOOL SetWindowText(HWND hWnd, LPCWSTR lpString);
int GetWindowText(HWND hWnd, LPWSTR lpString, int nMaxCount);
int GetWindowTextLength(HWND hWnd);

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);  // screen coordinates
BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint);
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL IsWindowVisible(HWND hWnd);
BOOL IsIconic(HWND hWnd);
BOOL IsZoomed(HWND hWnd);
BOOL EnableWindow(HWND hWnd, BOOL bEnable);
BOOL IsWindowEnabled(HWND hWnd);
BOOL BringWindowToTop(HWND hWnd);

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint);
BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint);
int MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints);
HWND WindowFromPoint(POINT point);
HWND ChildWindowFromPoint(HWND hWndParent, POINT point);

namespace platform {
// A rectangular window region (window coordinates): painting and hit-testing leave out
// what lies outside it; null removes it. Regions of other shapes are not supported.
BOOL SetWindowRegionRect(HWND hWnd, const RECT* lpRect, BOOL bRedraw);
}  // namespace platform

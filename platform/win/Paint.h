#pragma once
// Update regions and painting. Each window collects invalid rectangles and an erase flag;
// the loop sends WM_PAINT when nothing else waits, parents before children. BeginPaint
// sends WM_ERASEBKGND when an invalidation asked for erasing, then validates the window.
#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  BOOL fErase = FALSE;  // TRUE when the background still needs erasing
  RECT rcPaint{};       // client coordinates
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);  // null rectangle: the whole client area
BOOL ValidateRect(HWND hWnd, const RECT* lpRect);
BOOL RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags);
BOOL UpdateWindow(HWND hWnd);
BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase);
HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
// A device context on the window's client area (GetDC) or on the whole window
// (GetWindowDC); ReleaseDC frees it.
HDC GetDC(HWND hWnd);
HDC GetWindowDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hDC);

namespace platform {
class Surface;
// The surface a window draws into (its top-level window's) and where the window's
// client area starts on it; null for an unknown window. For tests and capture.
const Surface* GetWindowSurface(HWND hwnd, POINT* clientOrigin = nullptr);
}  // namespace platform

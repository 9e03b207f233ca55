#pragma once
// Mouse capture, keyboard focus, activation, mouse tracking and the cursor.
#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"

HWND SetCapture(HWND hWnd);
BOOL ReleaseCapture();
HWND GetCapture();

HWND SetFocus(HWND hWnd);  // WM_KILLFOCUS to the old focus, then WM_SETFOCUS to the new
HWND GetFocus();
HWND SetActiveWindow(HWND hWnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hWnd);
HWND GetForegroundWindow();

BOOL GetCursorPos(LPPOINT lpPoint);  // screen coordinates of the last pointer position
BOOL SetCursorPos(int x, int y);
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();

constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_QUERY = 0x40000000;
constexpr DWORD TME_CANCEL = 0x80000000;
constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;

struct TRACKMOUSEEVENT {
  DWORD cbSize = sizeof(TRACKMOUSEEVENT);
  DWORD dwFlags = 0;
  HWND hwndTrack = nullptr;
  DWORD dwHoverTime = 0;
};
using LPTRACKMOUSEEVENT = TRACKMOUSEEVENT*;

// TME_LEAVE arms one WM_MOUSELEAVE, posted when the pointer leaves the window (at once if
// it is already outside); TME_CANCEL disarms it.
BOOL TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack);
inline BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack) { return TrackMouseEvent(lpEventTrack); }

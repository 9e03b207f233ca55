#pragma once
// Window classes: a name, class styles (CS_DBLCLKS asks for double-clicks), the window
// procedure that gives a window of the class its own behaviour, and the background.
// The standard controls register here ("Button", "Static", ...); a window created with
// a name nobody registered is a plain window.
#include <memory>
#include <string>

#include "platform/win/Window.h"

constexpr COLORREF CLR_NONE_BACKGROUND = 0xFFFFFFFF;

struct WNDCLASS {
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;  // null: DefWindowProc
  HCURSOR hCursor = nullptr;
  int hbrBackground = -1;  // a COLOR_ index + 1 as in class registration, or -1: no erase
  LPCWSTR lpszClassName = nullptr;
};

BOOL RegisterClass(const WNDCLASS* lpWndClass);
BOOL GetClassInfo(LPCWSTR lpszClassName, WNDCLASS* lpWndClass);

namespace platform {

// State that a class procedure keeps per window; released when the window is destroyed.
void SetWindowState(HWND hwnd, std::shared_ptr<void> state);
std::shared_ptr<void> GetWindowStateRaw(HWND hwnd);
template <typename T>
std::shared_ptr<T> GetWindowState(HWND hwnd) {
  return std::static_pointer_cast<T>(GetWindowStateRaw(hwnd));
}

}  // namespace platform

#include "platform/win/WindowClass.h"

#include "platform/win/detail/WindowTree.h"

BOOL RegisterClass(const WNDCLASS* lpWndClass) {
  if (!lpWndClass || !lpWndClass->lpszClassName || !*lpWndClass->lpszClassName) return FALSE;
  auto entry = std::make_shared<platform::detail::WindowClassEntry>();
  entry->name = lpWndClass->lpszClassName;
  entry->style = lpWndClass->style;
  entry->proc = lpWndClass->lpfnWndProc;
  entry->cursor = lpWndClass->hCursor;
  entry->background = lpWndClass->hbrBackground;
  platform::detail::WindowTree::Get().RegisterClass(std::move(entry));
  return TRUE;
}

BOOL GetClassInfo(LPCWSTR lpszClassName, WNDCLASS* lpWndClass) {
  if (!lpszClassName || !lpWndClass) return FALSE;
  auto entry = platform::detail::WindowTree::Get().FindClass(lpszClassName);
  if (!entry) return FALSE;
  lpWndClass->style = entry->style;
  lpWndClass->lpfnWndProc = entry->proc;
  lpWndClass->hCursor = entry->cursor;
  lpWndClass->hbrBackground = entry->background;
  lpWndClass->lpszClassName = lpszClassName;
  return TRUE;
}

namespace platform {

void SetWindowState(HWND hwnd, std::shared_ptr<void> state) {
  if (auto* node = detail::FindWindowNode(hwnd)) node->classState = std::move(state);
}

std::shared_ptr<void> GetWindowStateRaw(HWND hwnd) {
  auto* node = detail::FindWindowNode(hwnd);
  return node ? node->classState : nullptr;
}

}  // namespace platform

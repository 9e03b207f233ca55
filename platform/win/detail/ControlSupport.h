#pragma once
// Pieces the standard control classes share: per-window state made on first use, the
// paint scope, the parent's colour answer, and the window's text and font.
#include <memory>
#include <string>

#include "platform/gdi/DC.h"
#include "platform/win/Paint.h"
#include "platform/win/WindowClass.h"

namespace platform::detail {

template <typename T>
std::shared_ptr<T> ControlState(HWND hwnd) {
  auto state = GetWindowState<T>(hwnd);
  if (!state) {
    state = std::make_shared<T>();
    SetWindowState(hwnd, state);
  }
  return state;
}

// BeginPaint, then `draw(dc, client)` with the DC's state restored afterwards, then EndPaint.
template <typename Draw>
void PaintControl(HWND hwnd, Draw draw) {
  PAINTSTRUCT ps;
  BeginPaint(hwnd, &ps);
  if (CDC* dc = CDC::FromHandle(ps.hdc)) {
    CDCStateRestorer restore(dc);
    CRect client;
    GetClientRect(hwnd, &client);
    draw(*dc, client);
  }
  if (IsWindow(hwnd)) EndPaint(hwnd, &ps);
}

// Sets the default colours, asks the parent with `message` (a WM_CTLCOLOR kind) and fills
// `rect` with the brush it gives, or with the button face when it gives none.
void FillWithParentColour(HWND hwnd, UINT message, CDC& dc, const CRect& rect);
void SelectWindowFont(HWND hwnd, CDC& dc);
std::wstring WindowText(HWND hwnd);
// WM_COMMAND with `code` to the parent.
void NotifyParent(HWND hwnd, UINT code);

}  // namespace platform::detail

#pragma once
// The non-client area of child windows: borders and scroll bars around the client area,
// sized through WM_NCCALCSIZE and drawn on WM_NCPAINT. Top-level windows have none: the
// window manager draws any frame outside the window.
#include "platform/win/Window.h"

class CDC;

namespace platform::detail {

// Asks the window for its client area and stores the margins; true when they changed.
bool RecalcNonClient(HWND hwnd);
LRESULT DefNcCalcSize(HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT DefNcPaint(HWND hwnd);
LRESULT DefNcHitTest(HWND hwnd, LPARAM lParam);
// Attaches `dc` to the whole window, non-client area included (GetWindowDC).
bool AttachWindowDC(HWND hwnd, CDC* dc);
// Tells the presenter whether a top-level window is framed: those with a caption are.
void PresentFrame(HWND hwnd);

}  // namespace platform::detail

#pragma once
// The non-client area of child windows: borders and scroll bars around the client area,
// sized through WM_NCCALCSIZE and drawn on WM_NCPAINT. Top-level windows have none: the
// presenter shows them without a frame.
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

}  // namespace platform::detail

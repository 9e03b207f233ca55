#pragma once
// Entry points the layer's files share: attaching a CWnd during creation, activation,
// and clean-up hooks of the input state when a window goes away.
#include "platform/win/Window.h"

class CWnd;

namespace platform::detail {

// The CWnd that the next CreateWindowEx on this thread attaches before WM_NCCREATE.
void SetCreatingWnd(CWnd* wnd);
CWnd* TakeCreatingWnd();

void ActivateTopLevel(HWND hwnd);
// Gives the focus back to the window that had it when `hwnd` was last active.
void RestoreFocusOnActivate(HWND hwnd);
// An active pop-up that hides or goes hands activation to its owner, else to the
// topmost visible window.
void ActivateNextAfter(HWND hwnd);
// Focus, capture and mouse tracking let go of windows that are hidden, disabled or
// destroyed (the whole subtree under `hwnd`).
void ReleaseInputState(HWND hwnd, bool destroying);
void DropTemporaryWnd(HWND hwnd);

}  // namespace platform::detail

#pragma once
// What a presenter reports back to the window layer on the UI thread: changes that the
// user made through the desktop rather than through the program.
#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"
#include "platform/win/Presenter.h"

namespace platform {

void OnPresenterMoved(HWND hwnd, const CPoint& screenTopLeft);
void OnPresenterStateChanged(HWND hwnd, PresentedState state);
void OnPresenterCloseRequested(HWND hwnd);
void OnPresenterExposed(HWND hwnd);

}  // namespace platform

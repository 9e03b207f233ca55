#pragma once
// A main-window control and its twin on a full-window panel show the same state. A panel
// may be missing (one that could not be made), so a twin is changed only when its window
// exists.
#include "platform/win/Messages.h"
#include "platform/win/Wnd.h"

// Whether the window object holds a live window.
inline bool Exists(const CWnd& wnd) { return ::IsWindow(wnd.GetSafeHwnd()) != FALSE; }

// Applies `change` to the main window's control, then to its twin when the twin exists.
template <typename Control, typename Change>
void ChangeTwins(Control& main, Control& twin, Change&& change) {
  change(main);
  if (Exists(twin)) change(twin);
}

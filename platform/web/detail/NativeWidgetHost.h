#pragma once
// Places native GTK widgets (the browser view) over windows of the gtk presenter. By
// default the presenter's windows take them as overlays; a test may install another host.
// Where no host can take a widget, a browser view gets a top-level window of its own at
// the same rectangle.
// Platform types first: GLib defines TRUE and FALSE as macros only when they are not yet
// declared.
#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"

#include <gtk/gtk.h>

namespace platform::detail {

class NativeWidgetHost {
public:
  virtual ~NativeWidgetHost() = default;
  // Adds or moves `widget` over `rect`, in the client coordinates of the top-level window
  // of `host`; hidden when `visible` is false or the rectangle is empty. False when the
  // host window is not shown by this presenter.
  // The widget leaves its host when its owner removes it from its parent.
  virtual bool Place(HWND host, GtkWidget* widget, const CRect& rect, bool visible) = 0;
};

// The installed host, else the gtk presenter's, else null. A host outlives every widget
// placed on it.
void SetNativeWidgetHost(NativeWidgetHost* host);
NativeWidgetHost* GetNativeWidgetHost();
NativeWidgetHost* PresenterWidgetHost();

}  // namespace platform::detail

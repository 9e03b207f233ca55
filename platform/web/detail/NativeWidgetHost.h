#pragma once
// Places native GTK widgets (the browser view) over windows of the gtk presenter, which
// installs the host. Without one, a browser view gets a top-level window of its own at the
// same rectangle.
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
  virtual bool Place(HWND host, GtkWidget* widget, const CRect& rect, bool visible) = 0;
  virtual void Remove(GtkWidget* widget) = 0;
};

// The presenter's host, or null. The host outlives every widget placed on it.
void SetNativeWidgetHost(NativeWidgetHost* host);
NativeWidgetHost* GetNativeWidgetHost();

}  // namespace platform::detail

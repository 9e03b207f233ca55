#pragma once
// A window icon handed to GTK, which sets it on the X window for the taskbar and the
// window manager.
#include <gtk/gtk.h>

namespace platform {
struct IconImage;
}

namespace platform::detail {

// Null removes the window's icon.
void SetGtkWindowIcon(GtkWindow* window, const IconImage* icon);

}  // namespace platform::detail

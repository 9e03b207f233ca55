#pragma once
// Whether GTK may be used for the shell's and browser's own widgets: only under the gtk
// presenter, which has started GTK on the X11 backend.
#include "platform/base/WinTypes.h"

typedef struct _GtkWindow GtkWindow;

namespace platform::detail {

bool StartGtk();
// The gtk presenter's GtkWindow that shows the top-level window of `hwnd`, or null.
GtkWindow* PresenterGtkWindow(HWND hwnd);

}  // namespace platform::detail

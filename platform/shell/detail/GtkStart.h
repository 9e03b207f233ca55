#pragma once
// Whether GTK may be used for the shell's and browser's own widgets: only under the gtk
// presenter, which has started GTK on the X11 backend.
namespace platform::detail {

bool StartGtk();

}  // namespace platform::detail

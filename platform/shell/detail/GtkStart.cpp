#include "platform/shell/detail/GtkStart.h"

#include <gtk/gtk.h>

#include <cstdlib>
#include <cstring>

namespace platform::detail {

bool GtkPresenterActive() {
  const char* presenter = std::getenv("RODEMIR_PRESENTER");
  return !presenter || std::strcmp(presenter, "headless") != 0;
}

bool StartGtk() {
  if (!GtkPresenterActive()) return false;
  if (gdk_display_get_default()) return true;
  gdk_set_allowed_backends("x11");
  return gtk_init_check(nullptr, nullptr);
}

}  // namespace platform::detail

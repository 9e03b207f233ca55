#include "platform/shell/detail/GtkStart.h"

#include "platform/present/Presenter.h"

#include <gtk/gtk.h>

namespace platform::detail {

bool StartGtk() { return !IsHeadlessPresenter() && gdk_display_get_default() != nullptr; }

}  // namespace platform::detail

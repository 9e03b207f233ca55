#pragma once
// The GTK presenter: one GtkWindow per top-level window on X11.
#include <memory>

#include "platform/win/Presenter.h"

namespace platform::detail {

// Null when GTK cannot open a display.
std::unique_ptr<Presenter> CreateGtkPresenter();

}  // namespace platform::detail

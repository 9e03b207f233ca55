#pragma once
// Owner of a top-level GTK widget or dialog. It holds a reference of its own, so the pointer
// stays valid even when GTK destroys the widget first; when the owner goes it destroys the
// widget (again harmlessly) and drops that reference.
#include <gtk/gtk.h>

#include <memory>

namespace platform::detail {

struct WidgetRelease {
  void operator()(GtkWidget* w) const {
    gtk_widget_destroy(w);
    g_object_unref(w);
  }
};
using OwnedWidget = std::unique_ptr<GtkWidget, WidgetRelease>;

// Takes a new widget, floating or (a top-level) held by GTK.
inline OwnedWidget OwnWidget(GtkWidget* widget) {
  return OwnedWidget(widget ? GTK_WIDGET(g_object_ref_sink(widget)) : nullptr);
}

}  // namespace platform::detail

// The gtk presenter's windows hold a drawing area that shows the window's surface. To lay
// a native widget over part of it, the area is moved into a GtkOverlay (once per window)
// and the widget added as an overlay child placed by its margins.
#include "platform/web/detail/NativeWidgetHost.h"

#include "platform/base/detail/GObjectRef.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/shell/detail/GtkStart.h"

namespace platform::detail {

namespace {

GtkOverlay* OverlayOf(GtkWindow* window) {
  GtkWidget* child = gtk_bin_get_child(GTK_BIN(window));
  if (!child) return nullptr;
  if (GTK_IS_OVERLAY(child)) return GTK_OVERLAY(child);
  GtkWidget* overlay = gtk_overlay_new();
  auto keep = GObjectRef<GtkWidget>::Share(child);  // alive while it changes parent
  gtk_container_remove(GTK_CONTAINER(window), child);
  gtk_container_add(GTK_CONTAINER(overlay), child);
  gtk_container_add(GTK_CONTAINER(window), overlay);
  gtk_widget_show(overlay);
  return GTK_OVERLAY(overlay);
}

class PresenterOverlayHost : public NativeWidgetHost {
public:
  bool Place(HWND host, GtkWidget* widget, const CRect& rect, bool visible) override {
    GtkWindow* window = PresenterGtkWindow(host);
    GtkOverlay* overlay = window ? OverlayOf(window) : nullptr;
    if (!overlay) return false;
    if (gtk_widget_get_parent(widget) != GTK_WIDGET(overlay)) {
      if (GtkWidget* old = gtk_widget_get_parent(widget)) gtk_container_remove(GTK_CONTAINER(old), widget);
      gtk_widget_set_halign(widget, GTK_ALIGN_START);
      gtk_widget_set_valign(widget, GTK_ALIGN_START);
      gtk_overlay_add_overlay(overlay, widget);
    }
    bool shown = visible && !rect.IsRectEmpty();
    if (shown) {
      gtk_widget_set_margin_start(widget, rect.left);
      gtk_widget_set_margin_top(widget, rect.top);
      gtk_widget_set_size_request(widget, rect.Width(), rect.Height());
    }
    gtk_widget_set_visible(widget, shown);
    return true;
  }
};

}  // namespace

NativeWidgetHost* PresenterWidgetHost() {
  static PresenterOverlayHost host;
  return IsHeadlessPresenter() ? nullptr : &host;
}

}  // namespace platform::detail

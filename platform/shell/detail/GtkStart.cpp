#include "platform/shell/detail/GtkStart.h"

#include "platform/base/detail/GObjectRef.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/win/Window.h"
#include "platform/win/WindowStyles.h"

#include <gtk/gtk.h>

namespace platform::detail {

bool StartGtk() { return !IsHeadlessPresenter() && gdk_display_get_default() != nullptr; }

GtkWindow* PresenterGtkWindow(HWND hwnd) {
  HWND topLevel = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
  if (!topLevel || !StartGtk()) return nullptr;
  // The presenter tags each of its GtkWindows with the handle it shows.
  GtkWindow* found = nullptr;
  GListOwned windows(gtk_window_list_toplevels());
  for (GList* l = windows.get(); l && !found; l = l->next) {
    if (g_object_get_data(G_OBJECT(l->data), "rodemir-hwnd") == topLevel) found = GTK_WINDOW(l->data);
  }
  return found;
}

}  // namespace platform::detail

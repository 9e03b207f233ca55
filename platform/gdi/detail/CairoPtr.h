#pragma once
// Owners for the cairo, pango and GObject values the drawing code creates. Each adopts
// a reference the caller already holds.
#include <cairo.h>
#include <glib-object.h>
#include <pango/pango.h>

#include <memory>

namespace platform::detail {

struct CairoDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct GObjectDeleter {
  void operator()(gpointer p) const { g_object_unref(p); }
};
struct PangoDeleter {
  void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
  void operator()(PangoAttrList* a) const { pango_attr_list_unref(a); }
  void operator()(PangoFontMetrics* m) const { pango_font_metrics_unref(m); }
};

using CairoPtr = std::unique_ptr<cairo_t, CairoDeleter>;
using CairoSurfacePtr = std::unique_ptr<cairo_surface_t, CairoDeleter>;
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectDeleter>;
using FontDescriptionPtr = std::unique_ptr<PangoFontDescription, PangoDeleter>;
using AttrListPtr = std::unique_ptr<PangoAttrList, PangoDeleter>;
using FontMetricsPtr = std::unique_ptr<PangoFontMetrics, PangoDeleter>;

}  // namespace platform::detail

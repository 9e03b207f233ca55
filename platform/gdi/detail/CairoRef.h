#pragma once
// Owners of the cairo and pango values the layer creates. Reference-counted ones use the
// layer's GLib owner (GRef: Adopt takes over the caller's reference, Share adds one); the
// rest have one owner and a deleter.
#include <cairo.h>
#include <pango/pango.h>

#include <memory>

#include "platform/base/detail/GObjectRef.h"

namespace platform::detail {

struct CairoRefOps {
  static cairo_t* Ref(cairo_t* p) { return cairo_reference(p); }
  static void Unref(cairo_t* p) { cairo_destroy(p); }
  static cairo_surface_t* Ref(cairo_surface_t* p) { return cairo_surface_reference(p); }
  static void Unref(cairo_surface_t* p) { cairo_surface_destroy(p); }
  static cairo_region_t* Ref(cairo_region_t* p) { return cairo_region_reference(p); }
  static void Unref(cairo_region_t* p) { cairo_region_destroy(p); }
};
struct PangoRefOps {
  static PangoAttrList* Ref(PangoAttrList* p) { return pango_attr_list_ref(p); }
  static void Unref(PangoAttrList* p) { pango_attr_list_unref(p); }
  static PangoFontMetrics* Ref(PangoFontMetrics* p) { return pango_font_metrics_ref(p); }
  static void Unref(PangoFontMetrics* p) { pango_font_metrics_unref(p); }
};

using CairoRef = GRef<cairo_t, CairoRefOps>;
using CairoSurfaceRef = GRef<cairo_surface_t, CairoRefOps>;
using CairoRegionRef = GRef<cairo_region_t, CairoRefOps>;
using AttrListRef = GRef<PangoAttrList, PangoRefOps>;
using FontMetricsRef = GRef<PangoFontMetrics, PangoRefOps>;

struct CairoPangoFree {
  void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
  void operator()(cairo_font_options_t* o) const { cairo_font_options_destroy(o); }
};
using FontDescriptionPtr = std::unique_ptr<PangoFontDescription, CairoPangoFree>;
using FontOptionsPtr = std::unique_ptr<cairo_font_options_t, CairoPangoFree>;

}  // namespace platform::detail

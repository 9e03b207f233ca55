#include "Glyphs.h"

#include <pango/pangocairo.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>

namespace skingen {
namespace {

// Every glyph draws in a unit square (0..1 each way), scaled into the box.
using Glyph = std::function<void(cairo_t*)>;

void Triangle(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void Bar(cairo_t* cr, double x, double y, double w, double h) {
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_stroke(cr);
}

void Speaker(cairo_t* cr) {
  Bar(cr, 0.1, 0.35, 0.18, 0.3);
  Triangle(cr, 0.2, 0.5, 0.5, 0.1, 0.5, 0.9);
}

void MapPin(cairo_t* cr) {
  cairo_arc(cr, 0.5, 0.38, 0.24, M_PI, 2 * M_PI);
  cairo_line_to(cr, 0.5, 0.95);
  cairo_close_path(cr);
  cairo_fill(cr);
}

const std::map<std::string, Glyph>& Glyphs() {
  static const std::map<std::string, Glyph> glyphs = {
      {"close",
       [](cairo_t* cr) {
         Line(cr, 0.25, 0.25, 0.75, 0.75);
         Line(cr, 0.75, 0.25, 0.25, 0.75);
       }},
      {"minimize", [](cairo_t* cr) { Bar(cr, 0.25, 0.62, 0.5, 0.1); }},
      {"info",
       [](cairo_t* cr) {
         cairo_arc(cr, 0.5, 0.5, 0.4, 0, 2 * M_PI);
         cairo_stroke(cr);
         Bar(cr, 0.45, 0.42, 0.1, 0.33);
         Bar(cr, 0.45, 0.25, 0.1, 0.1);
       }},
      {"camera",
       [](cairo_t* cr) {
         cairo_rectangle(cr, 0.15, 0.3, 0.7, 0.5);
         cairo_stroke(cr);
         Bar(cr, 0.35, 0.2, 0.3, 0.1);
         cairo_arc(cr, 0.5, 0.55, 0.14, 0, 2 * M_PI);
         cairo_fill(cr);
       }},
      {"extend",
       [](cairo_t* cr) {
         Triangle(cr, 0.1, 0.1, 0.4, 0.1, 0.1, 0.4);
         Triangle(cr, 0.9, 0.1, 0.6, 0.1, 0.9, 0.4);
         Triangle(cr, 0.1, 0.9, 0.4, 0.9, 0.1, 0.6);
         Triangle(cr, 0.9, 0.9, 0.6, 0.9, 0.9, 0.6);
       }},
      {"reduce",
       [](cairo_t* cr) {
         Triangle(cr, 0.4, 0.4, 0.1, 0.4, 0.4, 0.1);
         Triangle(cr, 0.6, 0.4, 0.9, 0.4, 0.6, 0.1);
         Triangle(cr, 0.4, 0.6, 0.1, 0.6, 0.4, 0.9);
         Triangle(cr, 0.6, 0.6, 0.9, 0.6, 0.6, 0.9);
       }},
      {"flipv",
       [](cairo_t* cr) {
         Triangle(cr, 0.5, 0.05, 0.25, 0.4, 0.75, 0.4);
         Triangle(cr, 0.5, 0.95, 0.25, 0.6, 0.75, 0.6);
         Bar(cr, 0.15, 0.47, 0.7, 0.06);
       }},
      {"fliph",
       [](cairo_t* cr) {
         Triangle(cr, 0.05, 0.5, 0.4, 0.25, 0.4, 0.75);
         Triangle(cr, 0.95, 0.5, 0.6, 0.25, 0.6, 0.75);
         Bar(cr, 0.47, 0.15, 0.06, 0.7);
       }},
      {"calendar",
       [](cairo_t* cr) {
         cairo_rectangle(cr, 0.2, 0.2, 0.6, 0.65);
         cairo_stroke(cr);
         Bar(cr, 0.2, 0.2, 0.6, 0.15);
         for (int i = 0; i < 3; ++i)
           for (int j = 0; j < 2; ++j) Bar(cr, 0.28 + 0.17 * i, 0.48 + 0.17 * j, 0.1, 0.1);
       }},
      {"delete",
       [](cairo_t* cr) {
         Bar(cr, 0.2, 0.18, 0.6, 0.08);
         Bar(cr, 0.4, 0.1, 0.2, 0.08);
         cairo_rectangle(cr, 0.27, 0.3, 0.46, 0.6);
         cairo_stroke(cr);
         Line(cr, 0.5, 0.4, 0.5, 0.8);
       }},
      {"save",
       [](cairo_t* cr) {
         cairo_rectangle(cr, 0.2, 0.15, 0.6, 0.7);
         cairo_stroke(cr);
         Bar(cr, 0.32, 0.15, 0.36, 0.22);
         Bar(cr, 0.3, 0.55, 0.4, 0.3);
       }},
      {"folder",
       [](cairo_t* cr) {
         cairo_move_to(cr, 0.15, 0.25);
         cairo_line_to(cr, 0.4, 0.25);
         cairo_line_to(cr, 0.48, 0.35);
         cairo_line_to(cr, 0.85, 0.35);
         cairo_line_to(cr, 0.85, 0.8);
         cairo_line_to(cr, 0.15, 0.8);
         cairo_close_path(cr);
         cairo_fill(cr);
       }},
      {"split",
       [](cairo_t* cr) {
         Bar(cr, 0.1, 0.3, 0.3, 0.4);
         Bar(cr, 0.6, 0.3, 0.3, 0.4);
         Line(cr, 0.5, 0.1, 0.5, 0.9);
       }},
      {"maplarge",
       [](cairo_t* cr) {
         MapPin(cr);
         Bar(cr, 0.72, 0.1, 0.24, 0.06);
         Bar(cr, 0.81, 0.01, 0.06, 0.24);
       }},
      {"mapreduce",
       [](cairo_t* cr) {
         MapPin(cr);
         Bar(cr, 0.72, 0.1, 0.24, 0.06);
       }},
      {"mapshow", [](cairo_t* cr) { MapPin(cr); }},
      {"maphide",
       [](cairo_t* cr) {
         MapPin(cr);
         Line(cr, 0.15, 0.9, 0.85, 0.1);
       }},
      {"checkall",
       [](cairo_t* cr) {
         cairo_rectangle(cr, 0.3, 0.15, 0.4, 0.7);
         cairo_stroke(cr);
         cairo_move_to(cr, 0.36, 0.5);
         cairo_line_to(cr, 0.47, 0.68);
         cairo_line_to(cr, 0.66, 0.3);
         cairo_stroke(cr);
       }},
      {"play", [](cairo_t* cr) { Triangle(cr, 0.3, 0.15, 0.3, 0.85, 0.8, 0.5); }},
      {"pause",
       [](cairo_t* cr) {
         Bar(cr, 0.28, 0.18, 0.16, 0.64);
         Bar(cr, 0.56, 0.18, 0.16, 0.64);
       }},
      {"next",
       [](cairo_t* cr) {
         Triangle(cr, 0.2, 0.2, 0.2, 0.8, 0.65, 0.5);
         Bar(cr, 0.68, 0.2, 0.1, 0.6);
       }},
      {"prev",
       [](cairo_t* cr) {
         Triangle(cr, 0.8, 0.2, 0.8, 0.8, 0.35, 0.5);
         Bar(cr, 0.22, 0.2, 0.1, 0.6);
       }},
      {"forward",
       [](cairo_t* cr) {
         Triangle(cr, 0.1, 0.2, 0.1, 0.8, 0.5, 0.5);
         Triangle(cr, 0.5, 0.2, 0.5, 0.8, 0.9, 0.5);
       }},
      {"rewind",
       [](cairo_t* cr) {
         Triangle(cr, 0.9, 0.2, 0.9, 0.8, 0.5, 0.5);
         Triangle(cr, 0.5, 0.2, 0.5, 0.8, 0.1, 0.5);
       }},
      {"speaker",
       [](cairo_t* cr) {
         Speaker(cr);
         cairo_arc(cr, 0.5, 0.5, 0.2, -0.8, 0.8);
         cairo_stroke(cr);
         cairo_arc(cr, 0.5, 0.5, 0.36, -0.8, 0.8);
         cairo_stroke(cr);
       }},
      {"muted",
       [](cairo_t* cr) {
         Speaker(cr);
         Line(cr, 0.62, 0.32, 0.9, 0.68);
         Line(cr, 0.9, 0.32, 0.62, 0.68);
       }},
      {"speed",
       [](cairo_t* cr) {
         cairo_arc(cr, 0.5, 0.75, 0.38, M_PI, 2 * M_PI);
         cairo_stroke(cr);
         Line(cr, 0.5, 0.75, 0.72, 0.4);
       }},
      {"brightness",
       [](cairo_t* cr) {
         cairo_arc(cr, 0.5, 0.5, 0.18, 0, 2 * M_PI);
         cairo_fill(cr);
         for (int i = 0; i < 8; ++i) {
           double a = i * M_PI / 4;
           Line(cr, 0.5 + 0.28 * cos(a), 0.5 + 0.28 * sin(a), 0.5 + 0.42 * cos(a), 0.5 + 0.42 * sin(a));
         }
       }},
      {"filelist",
       [](cairo_t* cr) {
         for (int i = 0; i < 3; ++i) Bar(cr, 0.2, 0.22 + 0.22 * i, 0.6, 0.1);
       }},
      {"link",
       [](cairo_t* cr) {
         cairo_arc(cr, 0.38, 0.5, 0.16, 0, 2 * M_PI);
         cairo_stroke(cr);
         cairo_arc(cr, 0.62, 0.5, 0.16, 0, 2 * M_PI);
         cairo_stroke(cr);
       }},
  };
  return glyphs;
}

}  // namespace

void DrawCentredText(cairo_t* cr, const std::string& text, double x, double y, double w, double h, double pixelHeight) {
  std::unique_ptr<PangoLayout, decltype(&g_object_unref)> layout(pango_cairo_create_layout(cr), &g_object_unref);
  std::unique_ptr<PangoFontDescription, decltype(&pango_font_description_free)> desc(
      pango_font_description_from_string("DejaVu Sans Bold"), &pango_font_description_free);
  pango_font_description_set_absolute_size(desc.get(), pixelHeight * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), desc.get());
  pango_layout_set_text(layout.get(), text.c_str(), -1);
  int tw = 0, th = 0;
  pango_layout_get_pixel_size(layout.get(), &tw, &th);
  cairo_move_to(cr, x + std::floor((w - tw) / 2), y + std::floor((h - th) / 2));
  pango_cairo_show_layout(cr, layout.get());
}

bool DrawGlyph(cairo_t* cr, const std::string& name, double x, double y, double w, double h) {
  if (name.rfind("text:", 0) == 0) {
    // Letters fill most of the glyph box, so the short view labels read at 22 pixels high.
    DrawCentredText(cr, name.substr(5), x, y, w, h, std::min(h * 0.8, 13.0));
    return true;
  }
  auto it = Glyphs().find(name);
  if (it == Glyphs().end()) return false;
  double side = std::min(w, h);
  cairo_save(cr);
  cairo_translate(cr, x + (w - side) / 2, y + (h - side) / 2);
  cairo_scale(cr, side, side);
  cairo_set_line_width(cr, 1.6 / side);
  it->second(cr);
  cairo_restore(cr);
  return true;
}

}  // namespace skingen

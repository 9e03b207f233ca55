#pragma once
// Button glyphs: simple shapes drawn with the current cairo source into a box.
#include <cairo.h>

#include <string>

namespace skingen {

// False when `name` is no known glyph. "text:ABC" draws ABC.
bool DrawGlyph(cairo_t* cr, const std::string& name, double x, double y, double w, double h);
// Text centred in the box, in a bold sans of `pixelHeight`.
void DrawCentredText(cairo_t* cr, const std::string& text, double x, double y, double w, double h, double pixelHeight);

}  // namespace skingen

#pragma once
// The plain check-box and radio-button glyphs, shared by the button class and the
// theme calls.
#include "platform/base/Geometry.h"

class CDC;

namespace platform::detail {

constexpr int kGlyphSize = 13;

struct GlyphLook {
  bool radio = false;
  UINT check = 0;  // 0 clear, 1 checked, 2 indeterminate
  bool pushed = false;
  bool disabled = false;
};

// Draws the glyph in the kGlyphSize square at `topLeft`.
void DrawButtonGlyph(CDC& dc, POINT topLeft, const GlyphLook& look);

}  // namespace platform::detail

#include "platform/win/detail/ButtonGlyph.h"

#include "platform/gdi/DC.h"
#include "platform/win/SystemMetrics.h"

namespace platform::detail {

namespace {

void DrawCheckMark(CDC& dc, CRect box, COLORREF ink) {
  // A tick: down for three columns, then up for four; each column three pixels tall.
  static const int kDrop[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int i = 0; i < 7; ++i) dc.FillSolidRect(box.left + 2 + i, box.top + 2 + kDrop[i], 1, 3, ink);
}

}  // namespace

void DrawButtonGlyph(CDC& dc, POINT topLeft, const GlyphLook& look) {
  CRect box(topLeft.x, topLeft.y, topLeft.x + kGlyphSize, topLeft.y + kGlyphSize);
  COLORREF face = look.disabled || look.pushed ? GetSysColor(COLOR_BTNFACE) : GetSysColor(COLOR_WINDOW);
  COLORREF ink = look.disabled ? GetSysColor(COLOR_GRAYTEXT) : GetSysColor(COLOR_WINDOWTEXT);
  COLORREF frame = look.disabled ? GetSysColor(COLOR_GRAYTEXT) : GetSysColor(COLOR_BTNSHADOW);
  if (look.radio) {
    // A square with cut corners reads as round at this size.
    dc.FillSolidRect(box.left + 2, box.top, kGlyphSize - 4, kGlyphSize, frame);
    dc.FillSolidRect(box.left, box.top + 2, kGlyphSize, kGlyphSize - 4, frame);
    dc.FillSolidRect(box.left + 1, box.top + 1, kGlyphSize - 2, kGlyphSize - 2, frame);
    dc.FillSolidRect(box.left + 2, box.top + 1, kGlyphSize - 4, kGlyphSize - 2, face);
    dc.FillSolidRect(box.left + 1, box.top + 2, kGlyphSize - 2, kGlyphSize - 4, face);
    if (look.check) dc.FillSolidRect(box.left + 4, box.top + 4, kGlyphSize - 8, kGlyphSize - 8, ink);
    return;
  }
  dc.FillSolidRect(&box, frame);
  CRect inner = box;
  inner.DeflateRect(1, 1);
  dc.FillSolidRect(&inner, face);
  if (look.check == 1) DrawCheckMark(dc, inner, ink);
  if (look.check == 2) {
    inner.DeflateRect(2, 2);
    dc.FillSolidRect(&inner, GetSysColor(COLOR_BTNSHADOW));
  }
}

}  // namespace platform::detail

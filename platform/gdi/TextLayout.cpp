#include "platform/gdi/detail/TextLayout.h"

#include "platform/base/String.h"
#include "platform/gdi/detail/DcState.h"
#include "platform/gdi/detail/FontResolver.h"
#include "platform/gdi/detail/PathEllipsis.h"

#include <pango/pangocairo.h>

#include <algorithm>

namespace platform::detail {
namespace {

struct PreparedText {
  std::string utf8;
  int mnemonicStart = -1;  // byte range of the underlined mnemonic character
  int mnemonicEnd = -1;
};

// "&x" underlines x, "&&" is one "&".
PreparedText Prepare(const std::wstring& text, UINT format) {
  PreparedText out;
  std::wstring plain;
  int mnemonic = -1;
  bool prefixes = !(format & DT_NOPREFIX);
  for (size_t i = 0; i < text.size(); ++i) {
    if (prefixes && text[i] == L'&') {
      if (i + 1 >= text.size()) break;
      ++i;
      if (text[i] != L'&' && mnemonic < 0 && !(format & DT_HIDEPREFIX)) mnemonic = static_cast<int>(plain.size());
    }
    plain += text[i];
  }
  if (format & DT_SINGLELINE)
    std::replace_if(
        plain.begin(), plain.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }, L' ');
  out.utf8 = CString(plain).ToUtf8();
  if (mnemonic >= 0) {
    out.mnemonicStart = static_cast<int>(CString(plain.substr(0, static_cast<size_t>(mnemonic))).ToUtf8().size());
    out.mnemonicEnd = static_cast<int>(CString(plain.substr(0, static_cast<size_t>(mnemonic) + 1)).ToUtf8().size());
  }
  return out;
}

GObjectRef<PangoLayout> MakeLayout(const LOGFONTW& font, const PreparedText& text) {
  auto layout = GObjectRef<PangoLayout>::Adopt(pango_layout_new(TextContext()));
  FontDescriptionPtr desc = DescribeFont(font);
  pango_layout_set_font_description(layout.get(), desc.get());
  AttrListRef attrs = AttrListRef::Adopt(pango_attr_list_new());
  if (font.lfUnderline) pango_attr_list_insert(attrs.get(), pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (font.lfStrikeOut) pango_attr_list_insert(attrs.get(), pango_attr_strikethrough_new(TRUE));
  if (text.mnemonicStart >= 0) {
    PangoAttribute* a = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
    a->start_index = static_cast<guint>(text.mnemonicStart);
    a->end_index = static_cast<guint>(text.mnemonicEnd);
    pango_attr_list_insert(attrs.get(), a);
  }
  pango_layout_set_attributes(layout.get(), attrs.get());
  pango_layout_set_text(layout.get(), text.utf8.c_str(), static_cast<int>(text.utf8.size()));
  return layout;
}

SIZE LayoutSize(PangoLayout* layout) {
  int w = 0, h = 0;
  pango_layout_get_pixel_size(layout, &w, &h);
  return SIZE{w, h};
}

// Draws `layout` with its top-left at surface pixel (sx, sy), clipped to `clip`.
void Render(DcState& dc, PangoLayout* layout, int sx, int sy, const CRect& clip) {
  Surface& surface = *dc.s.surface;
  CRect box(clip);
  box.IntersectRect(box, dc.s.clip);
  if (box.IsRectEmpty()) return;
  SIZE size = LayoutSize(layout);
  CRect cells(sx, sy, sx + size.cx, sy + size.cy);
  if (dc.s.bkMode == 2 && cells.IntersectRect(cells, box)) dc.FillSurfaceRect(cells, PixelFromColor(dc.s.bkColor));
  auto* pixels = reinterpret_cast<unsigned char*>(surface.pixels());
  CairoSurfaceRef target = CairoSurfaceRef::Adopt(cairo_image_surface_create_for_data(
      pixels, CAIRO_FORMAT_RGB24, surface.width(), surface.height(), surface.stride()));
  CairoRef cr = CairoRef::Adopt(cairo_create(target.get()));
  cairo_rectangle(cr.get(), box.left, box.top, box.Width(), box.Height());
  cairo_clip(cr.get());
  COLORREF c = dc.s.textColor;
  cairo_set_source_rgb(cr.get(), GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
  cairo_move_to(cr.get(), sx, sy);
  pango_cairo_show_layout(cr.get(), layout);
  cr.Reset();
  cairo_surface_flush(target.get());
  // cairo may leave the unused byte set where it drew; surfaces keep it zero.
  PangoRectangle ink, logical;
  pango_layout_get_pixel_extents(layout, &ink, &logical);
  CRect touched(sx + std::min(ink.x, logical.x), sy + std::min(ink.y, logical.y),
                sx + std::max(ink.x + ink.width, logical.x + logical.width),
                sy + std::max(ink.y + ink.height, logical.y + logical.height));
  touched.InflateRect(2, 2);
  if (!touched.IntersectRect(touched, box)) return;
  for (int y = touched.top; y < touched.bottom; ++y)
    for (int x = touched.left; x < touched.right; ++x) surface.Set(x, y, surface.At(x, y) & 0xFFFFFF);
}

}  // namespace

SIZE MeasureText(const LOGFONTW& font, const std::wstring& text) {
  std::lock_guard<std::mutex> lock(TextLock());
  PreparedText prepared{CString(text).ToUtf8()};
  return LayoutSize(MakeLayout(font, prepared).get());
}

namespace {

// The text as DT_PATH_ELLIPSIS shows it in `width` pixels: measured before the layout lock
// is taken, since each measure takes it.
std::wstring PathElided(const LOGFONTW& font, const std::wstring& text, int width) {
  return ElidePath(text, [&](const std::wstring& candidate) { return MeasureText(font, candidate).cx <= width; });
}

}  // namespace

int DrawTextInRect(DcState& dc, const LOGFONTW& font, const std::wstring& text, RECT* rect, UINT format) {
  if (!rect) return 0;
  const bool elide =
      (format & DT_PATH_ELLIPSIS) && !(format & (DT_CALCRECT | DT_WORDBREAK)) && rect->right > rect->left;
  const std::wstring shown = elide ? PathElided(font, text, rect->right - rect->left) : text;
  std::lock_guard<std::mutex> lock(TextLock());
  PreparedText prepared = Prepare(shown, format);
  GObjectRef<PangoLayout> layout = MakeLayout(font, prepared);
  CRect r(rect);
  bool single = format & DT_SINGLELINE;
  bool wrap = (format & DT_WORDBREAK) && !single;
  if (single) pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
  if (wrap && r.Width() > 0) {
    pango_layout_set_width(layout.get(), r.Width() * PANGO_SCALE);
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
  } else if ((format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) && !(format & DT_CALCRECT) && r.Width() > 0) {
    pango_layout_set_width(layout.get(), r.Width() * PANGO_SCALE);
    pango_layout_set_ellipsize(layout.get(), PANGO_ELLIPSIZE_END);
  }
  SIZE size = LayoutSize(layout.get());
  if (format & DT_CALCRECT) {
    rect->right = rect->left + size.cx;
    rect->bottom = rect->top + size.cy;
    return size.cy;
  }
  int x = r.left;
  if (format & DT_CENTER) x = r.left + (r.Width() - size.cx) / 2;
  else if (format & DT_RIGHT) x = r.right - size.cx;
  int y = r.top;
  if (single && (format & DT_VCENTER)) y = r.top + (r.Height() - size.cy) / 2;
  else if (single && (format & DT_BOTTOM)) y = r.bottom - size.cy;
  if (!dc.s.surface || prepared.utf8.empty()) return size.cy;
  CRect clip = (format & DT_NOCLIP) ? CRect(dc.s.clip)
                                    : CRect(dc.ToSurfaceX(r.left), dc.ToSurfaceY(r.top), dc.ToSurfaceX(r.right),
                                            dc.ToSurfaceY(r.bottom));
  Render(dc, layout.get(), dc.ToSurfaceX(x), dc.ToSurfaceY(y), clip);
  return (y - r.top) + size.cy;
}

bool DrawTextAt(DcState& dc, const LOGFONTW& font, const std::wstring& text, int x, int y) {
  if (!dc.s.surface) return false;
  std::lock_guard<std::mutex> lock(TextLock());
  PreparedText prepared{CString(text).ToUtf8()};
  GObjectRef<PangoLayout> layout = MakeLayout(font, prepared);
  Render(dc, layout.get(), dc.ToSurfaceX(x), dc.ToSurfaceY(y), CRect(dc.s.clip));
  return true;
}

}  // namespace platform::detail

#include <algorithm>
#include <vector>

#include "platform/gdi/DC.h"
#include "platform/gdi/detail/DcState.h"

using namespace platform::detail;

namespace {

// Raster operation byte: bit (p << 2 | s << 1 | d) of the byte is the result for those
// pattern, source and destination bits.
uint32_t ApplyRop(uint8_t rop, uint32_t p, uint32_t s, uint32_t d) {
  switch (rop) {
    case 0xCC: return s;
    case 0x88: return s & d;
    case 0xEE: return s | d;
    case 0x66: return s ^ d;
    case 0xF0: return p;
    case 0x00: return 0;
    case 0xFF: return 0xFFFFFF;
    case 0x55: return ~d & 0xFFFFFF;
    default: break;
  }
  uint32_t r = 0;
  for (int i = 0; i < 8; ++i) {
    if (!(rop >> i & 1)) continue;
    r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return r & 0xFFFFFF;
}

uint8_t RopByte(DWORD rop) { return static_cast<uint8_t>(rop >> 16); }
bool UsesSource(uint8_t rop) { return ((rop >> 2) & 0x33) != (rop & 0x33); }
bool UsesPattern(uint8_t rop) { return ((rop >> 4) & 0x0F) != (rop & 0x0F); }

// The source pixels a blit reads, copied when they share the destination's surface.
struct SourceView {
  const platform::Surface* surface = nullptr;
  std::vector<uint32_t> copy;
  int left = 0, top = 0;  // surface position of the source rectangle's corner

  bool Get(int ox, int oy, uint32_t& out) const {
    int x = left + ox, y = top + oy;
    if (!surface || x < 0 || y < 0 || x >= surface->width() || y >= surface->height()) return false;
    out = copy.empty() ? surface->At(x, y)
                       : copy[static_cast<size_t>(y) * static_cast<size_t>(surface->width()) + static_cast<size_t>(x)];
    return true;
  }
};

SourceView MakeSource(const DcState& src, int xSrc, int ySrc, const platform::Surface* dest) {
  SourceView v;
  v.surface = src.s.surface;
  v.left = src.ToSurfaceX(xSrc);
  v.top = src.ToSurfaceY(ySrc);
  if (v.surface && v.surface == dest)
    v.copy.assign(v.surface->pixels(), v.surface->pixels() + static_cast<size_t>(v.surface->width()) *
                                                                 static_cast<size_t>(v.surface->height()));
  return v;
}

// Nearest source offset for destination offset i of n, over a source of m.
int Nearest(int i, int n, int m) { return static_cast<int>((2LL * i + 1) * m / (2LL * n)); }

// Source column offsets of the destination columns r.left .. r.right - 1.
std::vector<int> SourceColumns(const CRect& r, int dx0, int nWidth, int nSrcWidth) {
  std::vector<int> columns(static_cast<size_t>(std::max(0, r.Width())));
  for (int dx = r.left; dx < r.right; ++dx)
    columns[static_cast<size_t>(dx - r.left)] = Nearest(dx - dx0, nWidth, nSrcWidth);
  return columns;
}

// A plain copy without stretching, row by row: the off-screen images of every paint go
// through here.
void CopyRows(platform::Surface& dest, const SourceView& view, const CRect& r, int dx0, int dy0) {
  const platform::Surface& src = *view.surface;
  const int left = std::max(r.left, dx0 - view.left), right = std::min(r.right, dx0 - view.left + src.width());
  if (left >= right) return;
  for (int dy = r.top; dy < r.bottom; ++dy) {
    const int sy = view.top + dy - dy0;
    if (sy < 0 || sy >= src.height()) continue;
    std::copy_n(src.pixels() + static_cast<size_t>(sy) * static_cast<size_t>(src.width()) + (view.left + left - dx0),
                right - left, dest.pixels() + static_cast<size_t>(dy) * static_cast<size_t>(dest.width()) + left);
  }
}

}  // namespace

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
  uint8_t rop = RopByte(dwRop);
  if (!UsesSource(rop)) return PatBlt(x, y, nWidth, nHeight, dwRop);
  return StretchBlt(x, y, nWidth, nHeight, pSrcDC, xSrc, ySrc, nWidth, nHeight, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop) {
  uint8_t rop = RopByte(dwRop);
  if (!UsesSource(rop)) return PatBlt(x, y, nWidth, nHeight, dwRop);
  if (!pSrcDC || nWidth <= 0 || nHeight <= 0 || nSrcWidth <= 0 || nSrcHeight <= 0) return FALSE;
  DcState& st = state();
  if (!st.s.surface) return FALSE;
  const DcState& src = pSrcDC->state();
  SourceView view = MakeSource(src, xSrc, ySrc, st.s.surface);
  uint32_t pattern = 0;
  if (UsesPattern(rop) && st.s.brush.data) pattern = platform::PixelFromColor(st.s.brush.data->color);
  int dx0 = st.ToSurfaceX(x), dy0 = st.ToSurfaceY(y);
  CRect r = st.ClippedSurfaceRect(x, y, x + nWidth, y + nHeight);
  if (rop == 0xCC && nWidth == nSrcWidth && nHeight == nSrcHeight && view.surface && view.copy.empty()) {
    CopyRows(*st.s.surface, view, r, dx0, dy0);
    return TRUE;
  }
  std::vector<int> columns = SourceColumns(r, dx0, nWidth, nSrcWidth);
  for (int dy = r.top; dy < r.bottom; ++dy) {
    int oy = Nearest(dy - dy0, nHeight, nSrcHeight);
    uint32_t* row = st.s.surface->pixels() + static_cast<size_t>(dy) * static_cast<size_t>(st.s.surface->width());
    for (int dx = r.left; dx < r.right; ++dx) {
      uint32_t s;
      if (!view.Get(columns[static_cast<size_t>(dx - r.left)], oy, s)) continue;
      row[dx] = ApplyRop(rop, pattern, s, row[dx] & 0xFFFFFF);
    }
  }
  return TRUE;
}

BOOL CDC::TransparentBlt(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc, int ySrc,
                         int nSrcWidth, int nSrcHeight, UINT crTransparent) {
  if (!pSrcDC || nDestWidth <= 0 || nDestHeight <= 0 || nSrcWidth <= 0 || nSrcHeight <= 0) return FALSE;
  DcState& st = state();
  const DcState& src = pSrcDC->state();
  if (!st.s.surface || !src.s.surface) return FALSE;
  SourceView view = MakeSource(src, xSrc, ySrc, st.s.surface);
  uint32_t key = platform::PixelFromColor(crTransparent & 0xFFFFFF);
  int dx0 = st.ToSurfaceX(xDest), dy0 = st.ToSurfaceY(yDest);
  CRect r = st.ClippedSurfaceRect(xDest, yDest, xDest + nDestWidth, yDest + nDestHeight);
  std::vector<int> columns = SourceColumns(r, dx0, nDestWidth, nSrcWidth);
  for (int dy = r.top; dy < r.bottom; ++dy) {
    int oy = Nearest(dy - dy0, nDestHeight, nSrcHeight);
    for (int dx = r.left; dx < r.right; ++dx) {
      uint32_t s;
      if (!view.Get(columns[static_cast<size_t>(dx - r.left)], oy, s)) continue;
      if ((s & 0xFFFFFF) != key) st.s.surface->Set(dx, dy, s & 0xFFFFFF);
    }
  }
  return TRUE;
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
  uint8_t rop = RopByte(dwRop);
  DcState& st = state();
  if (!st.s.surface) return FALSE;
  if (UsesPattern(rop) && (!st.s.brush.data || st.s.brush.data->brushStyle == BS_NULL)) return TRUE;
  uint32_t pattern = st.s.brush.data ? platform::PixelFromColor(st.s.brush.data->color) : 0;
  CRect r = st.ClippedSurfaceRect(x, y, x + nWidth, y + nHeight);
  for (int dy = r.top; dy < r.bottom; ++dy) {
    uint32_t* row = st.s.surface->pixels() + static_cast<size_t>(dy) * static_cast<size_t>(st.s.surface->width());
    for (int dx = r.left; dx < r.right; ++dx) row[dx] = ApplyRop(rop, pattern, 0, row[dx] & 0xFFFFFF);
  }
  return TRUE;
}

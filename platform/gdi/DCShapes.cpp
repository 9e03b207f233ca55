#include <cstdlib>
#include <utility>

#include "platform/gdi/DC.h"
#include "platform/gdi/detail/DcState.h"

using namespace platform::detail;

namespace {

// The edge colours of DrawEdge: the classic 3-D face's fixed system colours.
constexpr COLORREF kHighlight = RGB(255, 255, 255);
constexpr COLORREF kLight = RGB(227, 227, 227);
constexpr COLORREF kShadow = RGB(160, 160, 160);
constexpr COLORREF kDarkShadow = RGB(105, 105, 105);
constexpr COLORREF kFace = RGB(240, 240, 240);

}  // namespace

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
  if (!lpRect || !pBrush) return;
  GdiDataPtr d = LookupGdiObject(pBrush->m_hObject, GdiKind::Brush);
  if (!d || d->brushStyle == BS_NULL || !state().s.surface) return;
  state().FillSurfaceRect(state().ClippedSurfaceRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom),
                          platform::PixelFromColor(d->color));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF color) {
  if (lpRect)
    FillSolidRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, color);
}

// Like the class library's, this leaves `color` as the background colour.
void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
  SetBkColor(color);
  if (!state().s.surface) return;
  state().FillSurfaceRect(state().ClippedSurfaceRect(x, y, x + cx, y + cy), platform::PixelFromColor(color));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
  if (!lpRect || !pBrush) return;
  GdiDataPtr d = LookupGdiObject(pBrush->m_hObject, GdiKind::Brush);
  if (!d || d->brushStyle == BS_NULL) return;
  CRect r(lpRect);
  COLORREF keep = GetBkColor();
  Draw3dRect(&r, d->color, d->color);
  SetBkColor(keep);
}

void CDC::InvertRect(LPCRECT lpRect) {
  if (lpRect) PatBlt(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, DSTINVERT);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  if (lpRect)
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
  FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
  FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
  FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) {
  if (!lpRect) return FALSE;
  CRect r(lpRect);
  COLORREF keep = GetBkColor();
  auto band = [&](COLORREF topLeft, COLORREF bottomRight) {
    if (nFlags & BF_LEFT) FillSolidRect(r.left, r.top, 1, r.Height(), topLeft);
    if (nFlags & BF_TOP) FillSolidRect(r.left, r.top, r.Width(), 1, topLeft);
    if (nFlags & BF_RIGHT) FillSolidRect(r.right - 1, r.top, 1, r.Height(), bottomRight);
    if (nFlags & BF_BOTTOM) FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, bottomRight);
    r.DeflateRect((nFlags & BF_LEFT) ? 1 : 0, (nFlags & BF_TOP) ? 1 : 0, (nFlags & BF_RIGHT) ? 1 : 0,
                  (nFlags & BF_BOTTOM) ? 1 : 0);
  };
  if (nEdge & BDR_RAISEDOUTER) band(kLight, kDarkShadow);
  else if (nEdge & BDR_SUNKENOUTER) band(kShadow, kHighlight);
  if (nEdge & BDR_RAISEDINNER) band(kHighlight, kShadow);
  else if (nEdge & BDR_SUNKENINNER) band(kDarkShadow, kLight);
  if (nFlags & BF_MIDDLE) FillSolidRect(&r, kFace);
  if (nFlags & BF_ADJUST) *lpRect = r;
  SetBkColor(keep);
  return TRUE;
}

// A dotted frame drawn by inverting every other pixel, so drawing it twice removes it.
void CDC::DrawFocusRect(LPCRECT lpRect) {
  if (!lpRect) return;
  DcState& st = state();
  if (!st.s.surface) return;
  CRect r(lpRect);
  auto flip = [&](int x, int y) {
    int sx = st.ToSurfaceX(x), sy = st.ToSurfaceY(y);
    if (((x + y) & 1) == 0 && st.Visible(sx, sy))
      st.s.surface->Set(sx, sy, (st.s.surface->At(sx, sy) ^ 0xFFFFFF) & 0xFFFFFF);
  };
  for (int x = r.left; x < r.right; ++x) {
    flip(x, r.top);
    if (r.bottom - 1 > r.top) flip(x, r.bottom - 1);
  }
  for (int y = r.top + 1; y < r.bottom - 1; ++y) {
    flip(r.left, y);
    if (r.right - 1 > r.left) flip(r.right - 1, y);
  }
}

CPoint CDC::MoveTo(int x, int y) { return std::exchange(state().s.position, POINT{x, y}); }

CPoint CDC::GetCurrentPosition() const { return state().s.position; }

BOOL CDC::LineTo(int x, int y) {
  DcState& st = state();
  POINT from = std::exchange(st.s.position, POINT{x, y});
  const GdiData* pen = st.s.pen.data.get();
  if (!st.s.surface || !pen || pen->penStyle == PS_NULL) return TRUE;
  uint32_t pixel = platform::PixelFromColor(pen->color);
  int w = pen->penWidth, half = (w - 1) / 2;
  auto plot = [&](int px, int py) {
    int sx = st.ToSurfaceX(px), sy = st.ToSurfaceY(py);
    for (int j = 0; j < w; ++j)
      for (int i = 0; i < w; ++i) st.Plot(sx - half + i, sy - half + j, pixel);
  };
  // Bresenham, stopping before the end point.
  int x0 = from.x, y0 = from.y;
  int dx = std::abs(x - x0), dy = -std::abs(y - y0);
  int stepX = x0 < x ? 1 : -1, stepY = y0 < y ? 1 : -1;
  int err = dx + dy;
  while (x0 != x || y0 != y) {
    plot(x0, y0);
    int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += stepX;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += stepY;
    }
  }
  return TRUE;
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount) {
  if (!lpPoints || nCount < 2) return FALSE;
  POINT keep = state().s.position;
  MoveTo(lpPoints[0].x, lpPoints[0].y);
  for (int i = 1; i < nCount; ++i) LineTo(lpPoints[i].x, lpPoints[i].y);
  state().s.position = keep;
  return TRUE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) {
  DcState& st = state();
  if (!st.s.surface) return FALSE;
  CRect r(x1, y1, x2, y2);
  r.NormalizeRect();
  const GdiData* brush = st.s.brush.data.get();
  const GdiData* pen = st.s.pen.data.get();
  bool outline = pen && pen->penStyle != PS_NULL;
  CRect inside = r;
  if (outline) inside.DeflateRect(1, 1);
  if (brush && brush->brushStyle != BS_NULL)
    st.FillSurfaceRect(st.ClippedSurfaceRect(inside.left, inside.top, inside.right, inside.bottom),
                       platform::PixelFromColor(brush->color));
  if (outline) {
    POINT keep = st.s.position;
    POINT corners[5] = {
        {r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}, {r.left, r.top}};
    Polyline(corners, 5);
    st.s.position = keep;
  }
  return TRUE;
}

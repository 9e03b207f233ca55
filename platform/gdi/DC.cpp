#include "platform/gdi/DC.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "platform/gdi/detail/DcState.h"

using namespace platform::detail;

namespace {

std::mutex g_mutex;
std::unordered_map<HDC, CDC*> g_dcs;
UINT_PTR g_next = 0x20000;

CRect Intersect(const RECT& a, const RECT& b) {
  CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom));
  if (r.IsRectEmpty()) r.SetRectEmpty();
  return r;
}

Selected SelectedOf(HGDIOBJ h) { return Selected{h, LookupGdiObject(h)}; }

}  // namespace

namespace platform::detail {

CRect DcState::ClippedSurfaceRect(int left, int top, int right, int bottom) const {
  if (!s.surface) return CRect();
  CRect r(ToSurfaceX(left), ToSurfaceY(top), ToSurfaceX(right), ToSurfaceY(bottom));
  r.NormalizeRect();
  return Intersect(r, s.clip);
}

void DcState::FillSurfaceRect(const CRect& r, uint32_t pixel) {
  for (int y = r.top; y < r.bottom; ++y) {
    uint32_t* row = s.surface->pixels() + static_cast<size_t>(y) * static_cast<size_t>(s.surface->width());
    std::fill(row + r.left, row + r.right, pixel);
  }
}

void DcState::BindBitmap(const Selected& bitmap) {
  s.bitmap = bitmap;
  Surface* surface = bitmap.data ? bitmap.data->surface.get() : nullptr;
  s.surface = surface;
  s.origin = POINT{};
  s.baseClip = RECT{0, 0, surface ? surface->width() : 0, surface ? surface->height() : 0};
  s.clip = s.baseClip;
}

}  // namespace platform::detail

CDC::CDC() : m_ownState(std::make_shared<DcState>()) {
  m_state = m_ownState;
  m_state->s.font = SelectedOf(GetStockObject(SYSTEM_FONT));
  m_state->s.brush = SelectedOf(GetStockObject(WHITE_BRUSH));
  m_state->s.pen = SelectedOf(GetStockObject(BLACK_PEN));
  std::lock_guard<std::mutex> lock(g_mutex);
  m_ownHdc = reinterpret_cast<HDC>(g_next += 4);
  m_hDC = m_ownHdc;
  g_dcs[m_hDC] = this;
}

CDC::~CDC() {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_dcs.erase(m_ownHdc);
}

CDC* CDC::FromHandle(HDC hDC) {
  std::lock_guard<std::mutex> lock(g_mutex);
  auto it = g_dcs.find(hDC);
  return it == g_dcs.end() ? nullptr : it->second;
}

BOOL CDC::Attach(HDC hDC) {
  CDC* other = FromHandle(hDC);
  if (!other || other == this) return FALSE;
  m_state = other->m_state;
  m_hDC = hDC;
  return TRUE;
}

HDC CDC::Detach() {
  HDC h = m_hDC;
  m_state = m_ownState;
  m_hDC = m_ownHdc;
  return h == m_ownHdc ? nullptr : h;
}

void CDC::AttachSurface(platform::Surface* surface, POINT origin, const RECT& clip) {
  DcSettings& s = m_state->s;
  m_state->memory = false;
  s.bitmap = Selected{};
  s.surface = surface;
  s.origin = origin;
  s.windowOrg = POINT{};
  s.viewportOrg = POINT{};
  s.position = POINT{};
  s.baseClip = Intersect(clip, RECT{0, 0, surface ? surface->width() : 0, surface ? surface->height() : 0});
  s.clip = s.baseClip;
}

void CDC::DetachSurface() {
  m_state->s.surface = nullptr;
  m_state->saved.clear();
}

platform::Surface* CDC::GetSurface() const { return m_state->s.surface; }

BOOL CDC::CreateCompatibleDC(CDC*) {
  if (m_state != m_ownState) return FALSE;
  DcState& st = *m_state;
  st.memory = true;
  st.saved.clear();
  st.s.windowOrg = st.s.viewportOrg = st.s.position = POINT{};
  st.BindBitmap(SelectedOf(StockGdiObject(21)));
  return TRUE;
}

BOOL CDC::DeleteDC() {
  if (m_state != m_ownState) return FALSE;
  auto fresh = std::make_shared<DcState>();
  fresh->s.font = SelectedOf(GetStockObject(SYSTEM_FONT));
  fresh->s.brush = SelectedOf(GetStockObject(WHITE_BRUSH));
  fresh->s.pen = SelectedOf(GetStockObject(BLACK_PEN));
  m_ownState = m_state = fresh;
  return TRUE;
}

int CDC::SaveDC() {
  m_state->saved.push_back(m_state->s);
  return static_cast<int>(m_state->saved.size());
}

BOOL CDC::RestoreDC(int nSavedDC) {
  auto& saved = m_state->saved;
  int n = static_cast<int>(saved.size());
  int target = nSavedDC < 0 ? n + nSavedDC + 1 : nSavedDC;
  if (target < 1 || target > n) return FALSE;
  m_state->s = saved[static_cast<size_t>(target - 1)];
  saved.resize(static_cast<size_t>(target - 1));
  return TRUE;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) {
  GdiDataPtr d = LookupGdiObject(hObject);
  if (!d) return nullptr;
  DcState& st = *m_state;
  Selected next{hObject, d};
  HGDIOBJ old = nullptr;
  switch (d->kind) {
    case GdiKind::Bitmap:
      if (!st.memory) return nullptr;  // only memory DCs hold bitmaps
      old = st.s.bitmap.handle;
      st.BindBitmap(next);
      break;
    case GdiKind::Font:
      old = st.s.font.handle;
      st.s.font = next;
      break;
    case GdiKind::Brush:
      old = st.s.brush.handle;
      st.s.brush = next;
      break;
    case GdiKind::Pen:
      old = st.s.pen.handle;
      st.s.pen = next;
      break;
  }
  return old;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
  if (!pObject) return nullptr;
  return CGdiObject::FromHandle(SelectObject(pObject->m_hObject));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(pBitmap)));
}
CFont* CDC::SelectObject(CFont* pFont) { return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont))); }
CBrush* CDC::SelectObject(CBrush* pBrush) {
  return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(pBrush)));
}
CPen* CDC::SelectObject(CPen* pPen) { return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pPen))); }

CGdiObject* CDC::SelectStockObject(int nIndex) { return CGdiObject::FromHandle(SelectObject(GetStockObject(nIndex))); }

CGdiObject* CDC::GetCurrentObject(UINT nObjectType) const {
  const DcSettings& s = m_state->s;
  switch (nObjectType) {
    case OBJ_PEN: return CGdiObject::FromHandle(s.pen.handle);
    case OBJ_BRUSH: return CGdiObject::FromHandle(s.brush.handle);
    case OBJ_FONT: return CGdiObject::FromHandle(s.font.handle);
    case OBJ_BITMAP: return CGdiObject::FromHandle(s.bitmap.handle);
    default: return nullptr;
  }
}

CFont* CDC::GetCurrentFont() const { return static_cast<CFont*>(GetCurrentObject(OBJ_FONT)); }
CBitmap* CDC::GetCurrentBitmap() const { return static_cast<CBitmap*>(GetCurrentObject(OBJ_BITMAP)); }

COLORREF CDC::SetTextColor(COLORREF crColor) { return std::exchange(m_state->s.textColor, crColor & 0xFFFFFF); }
COLORREF CDC::GetTextColor() const { return m_state->s.textColor; }
COLORREF CDC::SetBkColor(COLORREF crColor) { return std::exchange(m_state->s.bkColor, crColor & 0xFFFFFF); }
COLORREF CDC::GetBkColor() const { return m_state->s.bkColor; }

int CDC::SetBkMode(int nBkMode) {
  if (nBkMode != TRANSPARENT && nBkMode != OPAQUE) return 0;
  return std::exchange(m_state->s.bkMode, nBkMode);
}
int CDC::GetBkMode() const { return m_state->s.bkMode; }

int CDC::SetStretchBltMode(int nStretchMode) {
  if (nStretchMode < BLACKONWHITE || nStretchMode > HALFTONE) return 0;
  return std::exchange(m_state->s.stretchMode, nStretchMode);
}
int CDC::GetStretchBltMode() const { return m_state->s.stretchMode; }

CPoint CDC::SetWindowOrg(int x, int y) { return std::exchange(m_state->s.windowOrg, POINT{x, y}); }
CPoint CDC::GetWindowOrg() const { return m_state->s.windowOrg; }
CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
  POINT p = m_state->s.windowOrg;
  return SetWindowOrg(p.x + nWidth, p.y + nHeight);
}
CPoint CDC::SetViewportOrg(int x, int y) { return std::exchange(m_state->s.viewportOrg, POINT{x, y}); }
CPoint CDC::GetViewportOrg() const { return m_state->s.viewportOrg; }
CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
  POINT p = m_state->s.viewportOrg;
  return SetViewportOrg(p.x + nWidth, p.y + nHeight);
}

int CDC::GetClipBox(LPRECT lpRect) const {
  const DcState& st = *m_state;
  CRect c(st.s.clip);
  if (lpRect) {
    *lpRect = CRect(st.ToLogicalX(c.left), st.ToLogicalY(c.top), st.ToLogicalX(c.right), st.ToLogicalY(c.bottom));
    if (c.IsRectEmpty()) *lpRect = RECT{};
  }
  return c.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
  DcState& st = *m_state;
  CRect r(st.ToSurfaceX(x1), st.ToSurfaceY(y1), st.ToSurfaceX(x2), st.ToSurfaceY(y2));
  st.s.clip = Intersect(st.s.clip, r);
  return CRect(st.s.clip).IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

BOOL CDC::PtVisible(int x, int y) const { return m_state->Visible(m_state->ToSurfaceX(x), m_state->ToSurfaceY(y)); }

COLORREF CDC::GetPixel(int x, int y) const {
  const DcState& st = *m_state;
  int sx = st.ToSurfaceX(x), sy = st.ToSurfaceY(y);
  if (!st.Visible(sx, sy)) return CLR_INVALID;
  return platform::ColorFromPixel(st.s.surface->At(sx, sy));
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) {
  DcState& st = *m_state;
  int sx = st.ToSurfaceX(x), sy = st.ToSurfaceY(y);
  if (!st.Visible(sx, sy)) return CLR_INVALID;
  st.s.surface->Set(sx, sy, platform::PixelFromColor(crColor));
  return crColor & 0xFFFFFF;
}

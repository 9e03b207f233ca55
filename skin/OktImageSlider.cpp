#include "skin/OktImageSlider.h"

#include <algorithm>

#include "platform/win/Wnd.h"
#include "skin/MyMemDC.h"
#include "media/UsageMarker.h"

BEGIN_MESSAGE_MAP(COktImageSlider, CSliderCtrl)
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_KEYDOWN()
  ON_WM_KEYUP()
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSEWHEEL()
  ON_WM_KILLFOCUS()
  ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

namespace {

constexpr COLORREF kThumbKey = RGB(255, 255, 255);
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

CSize SizeOf(const CBitmap& bitmap) {
  BITMAP bm{};
  if (!bitmap.m_hObject || !bitmap.GetBitmap(&bm)) return CSize(0, 0);
  return CSize(bm.bmWidth, bm.bmHeight);
}

void Reload(CBitmap& bitmap, WORD nId) {
  bitmap.DeleteObject();
  bitmap.LoadBitmapW(nId);
}

}  // namespace

COktImageSlider::COktImageSlider() { WriteUsageMarker(L"usingOktSlider"); }

COktImageSlider::~COktImageSlider() {
  m_bmpThumbFocus.DeleteObject();
  m_bmpThumbPressed.DeleteObject();
  m_bmpThumb.DeleteObject();
  m_bmpChannel.DeleteObject();
  m_bmpFilled.DeleteObject();
}

void COktImageSlider::SetBitmaps(WORD nChannel, WORD nFilled, WORD nThumb, WORD nThumbPressed, WORD nThumbFocus) {
  Reload(m_bmpFilled, nFilled);
  Reload(m_bmpChannel, nChannel);
  Reload(m_bmpThumb, nThumb);
  Reload(m_bmpThumbPressed, nThumbPressed);
  Reload(m_bmpThumbFocus, nThumbFocus);
  m_sizeFilled = SizeOf(m_bmpFilled);
  m_sizeChannel = SizeOf(m_bmpChannel);
  m_sizeThumb = SizeOf(m_bmpThumb);
  m_nMargin = 0;
  CRect client;
  if (m_hWnd) GetClientRect(&client);
  m_ptThumb.x = m_nMargin + client.left;
  m_ptThumb.y = client.Height() / 2 - m_sizeThumb.cy / 2;
}

void COktImageSlider::RedrawNow() {
  if (!m_hWnd) return;
  CClientDC dc(this);
  DrawSlider(&dc);
}

void COktImageSlider::PreSubclassWindow() {
  CSliderCtrl::PreSubclassWindow();
  SetLineSize(1);
  SetPageSize(10);
}

BOOL COktImageSlider::OnEraseBkgnd(CDC*) { return TRUE; }

void COktImageSlider::OnPaint() {
  CPaintDC dc(this);
  Draw(&dc, true);
}

void COktImageSlider::OnLButtonDown(UINT, CPoint point) {
  if (m_bDragging) {
    Default();
    return;
  }
  m_bDragging = 1;
  m_bMoved = 0;
  SetCapture();
  SetFocus();
  if (!IsWindow(m_hWnd)) return;
  if (SetPosFromPoint(point)) {
    m_bMoved = 1;
    Notify(TB_THUMBTRACK);
  }
  RedrawAll();
}

void COktImageSlider::OnLButtonUp(UINT, CPoint point) {
  if (!m_bDragging) {
    Default();
    return;
  }
  m_bDragging = 0;
  ReleaseCapture();
  if (SetPosFromPoint(point)) {
    Notify(TB_THUMBTRACK);
    m_bMoved = 1;
  }
  if (m_bMoved) {
    Notify(TB_THUMBPOSITION);
    m_bMoved = 0;
  }
  RedrawAll();
}

void COktImageSlider::OnKeyDown(UINT nChar, UINT, UINT) {
  if (!IsSliderKey(nChar)) {
    Default();
    return;
  }
  int lo = GetRangeMin(), hi = GetRangeMax() + 1, pos = GetPos();
  int next = pos;
  UINT code = TB_ENDTRACK;
  switch (nChar) {
    case VK_PRIOR:
      next = std::max(pos - GetPageSize(), lo);
      code = TB_PAGEUP;
      break;
    case VK_NEXT:
      next = std::min(pos + GetPageSize(), hi);
      code = TB_PAGEDOWN;
      break;
    case VK_END:
      next = hi;
      code = TB_BOTTOM;
      break;
    case VK_HOME:
      next = lo;
      code = TB_TOP;
      break;
    case VK_LEFT:
      next = std::max(pos - GetLineSize(), lo);
      code = TB_LINEUP;
      break;
    case VK_RIGHT:
      next = std::min(pos + GetLineSize(), hi);
      code = TB_LINEDOWN;
      break;
  }
  SendMessage(TBM_SETPOS, TRUE, next);
  RedrawAll();
  Notify(code);
}

void COktImageSlider::OnKeyUp(UINT nChar, UINT, UINT) {
  if (IsSliderKey(nChar)) Notify(TB_ENDTRACK);
  else Default();
}

void COktImageSlider::OnMouseMove(UINT, CPoint point) {
  if (!m_bDragging) {
    Default();
    return;
  }
  if (SetPosFromPoint(point)) {
    m_bMoved = 1;
    Notify(TB_THUMBTRACK);
    RedrawAll();
  }
}

BOOL COktImageSlider::OnMouseWheel(UINT, short, CPoint) {
  Invalidate(FALSE);
  if (m_bWheelEnabled) return static_cast<BOOL>(Default());
  return TRUE;
}

// A lost focus ends the drag; the capture goes with it, or every later click of the
// application would land here as a drag far outside the track.
void COktImageSlider::OnKillFocus(CWnd*) {
  Default();
  m_bDragging = 0;
  if (GetCapture() == this) ReleaseCapture();
}

// A capture taken by another window ends the drag too, without notifications.
void COktImageSlider::OnCaptureChanged(CWnd* pWnd) {
  if (!pWnd || pWnd->m_hWnd != m_hWnd) m_bDragging = 0;
  Default();
}

void COktImageSlider::Draw(CDC* pDC, bool bTransparentThumb) {
  int nMin = GetRangeMin(), nMax = GetRangeMax(), nPos = GetPos();
  CMyMemDC dc(pDC);
  CRect client;
  GetClientRect(&client);
  int W = client.Width(), H = client.Height();
  m_ptThumb.x = ThumbLeft(W, nMin, nMax, nPos);

  CDC src;
  if (!src.CreateCompatibleDC(&dc)) return;
  CBitmap* old = src.GetCurrentBitmap();
  if (m_bmpChannel.m_hObject) {
    src.SelectObject(&m_bmpChannel);
    dc.StretchBlt(0, (H - m_sizeChannel.cy) / 2, W, H, &src, 0, 0, m_sizeChannel.cx, m_sizeChannel.cy, SRCCOPY);
  }
  int e = std::max(0, m_ptThumb.x + 5);
  if (m_bmpFilled.m_hObject && e > 0) {
    src.SelectObject(&m_bmpFilled);
    dc.StretchBlt(0, (H - m_sizeFilled.cy) / 2, e, H, &src, 0, 0, std::min<int>(m_sizeFilled.cx, e), m_sizeFilled.cy,
                  SRCCOPY);
  }
  CBitmap* thumb = &m_bmpThumb;
  if (m_bDragging) thumb = &m_bmpThumbPressed;
  else if (IsWindowEnabled() && GetFocus() == this) thumb = &m_bmpThumbFocus;
  if (thumb->m_hObject) {
    src.SelectObject(thumb);
    if (bTransparentThumb)
      dc.TransparentBlt(m_ptThumb.x, m_ptThumb.y, m_sizeThumb.cx, m_sizeThumb.cy, &src, 0, 0, m_sizeThumb.cx,
                        m_sizeThumb.cy, kThumbKey);
    else dc.BitBlt(m_ptThumb.x, m_ptThumb.y, m_sizeThumb.cx, m_sizeThumb.cy, &src, 0, 0, SRCCOPY);
  }
  if (old) src.SelectObject(old);
}

// Outside the paint cycle the thumb is copied as it is, white corners included.
void COktImageSlider::DrawSlider(CDC* pDC) { Draw(pDC, false); }

// An empty range has no thumb travel: the thumb rests at the start.
int COktImageSlider::ThumbLeft(int nWidth, int nMin, int nMax, int nPos) const {
  if (nMax <= nMin) return m_nMargin;
  double travel = static_cast<double>(nWidth - 2 * m_nMargin - m_sizeThumb.cx);
  return m_nMargin + static_cast<int>(travel / static_cast<double>(nMax - nMin) * (nPos - nMin));
}

// The position under a point; the last position owns a full share of the track, since
// the trackbar clamps maximum + 1 to the maximum. A track no wider than the thumb gives
// no position.
bool COktImageSlider::SetPosFromPoint(CPoint point) {
  CRect client;
  GetClientRect(&client);
  int nMin = GetRangeMin(), nMax = GetRangeMax();
  int rel = point.x - m_sizeThumb.cx / 2 - m_nMargin;
  int track = client.Width() - 2 * m_nMargin - m_sizeThumb.cx;
  if (track <= 0) return false;
  int p = nMin + static_cast<int>(static_cast<double>(nMax + 1 - nMin) / track * rel);
  p = std::clamp(p, nMin, nMax + 1);
  if (p == GetPos()) return false;
  SendMessage(TBM_SETPOS, TRUE, p);
  return true;
}

void COktImageSlider::Notify(UINT nCode) {
  CWnd* pParent = GetParent();
  if (!pParent) return;
  WPARAM wParam = MAKEWPARAM(static_cast<WORD>(nCode), static_cast<WORD>(GetPos()));
  pParent->PostMessage(WM_HSCROLL, wParam, reinterpret_cast<LPARAM>(m_hWnd));
}

void COktImageSlider::RedrawAll() { RedrawWindow(nullptr, nullptr, kRedrawNow); }

bool COktImageSlider::IsSliderKey(UINT nChar) {
  switch (nChar) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_RIGHT: return true;
    default: return false;
  }
}

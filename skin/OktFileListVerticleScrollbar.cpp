#include "skin/OktFileListVerticleScrollbar.h"

#include <algorithm>

#include "platform/gdi/Bitmap.h"
#include "skin/ConfigListCtrl.h"
#include "skin/SkinMemDC.h"

BEGIN_MESSAGE_MAP(COktFileListVerticleScrollbar, CStatic)
  ON_WM_ERASEBKGND()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_MOUSEMOVE()
  ON_WM_PAINT()
  ON_WM_TIMER()
  ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace {

constexpr int kArrow = 16;  // height of each arrow
constexpr COLORREF kBarBack = RGB(13, 14, 15);
constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT_PTR kDelayTimer = 2;

// Copies (part of) a skin bitmap into the DC, stretched to the destination size.
void Paint(CDC* pDC, CDC& src, UINT id, const CRect& to, CSize from) {
  CBitmap bitmap;
  if (!bitmap.LoadBitmap(id)) return;
  CBitmap* old = src.SelectObject(&bitmap);
  if (to.Size() == from) pDC->BitBlt(to.left, to.top, to.Width(), to.Height(), &src, 0, 0, SRCCOPY);
  else pDC->StretchBlt(to.left, to.top, to.Width(), to.Height(), &src, 0, 0, from.cx, from.cy, SRCCOPY);
  src.SelectObject(old);
  bitmap.DeleteObject();
}

}  // namespace

SCROLLTHUMB ComputeScrollThumb(int h, int nPos, int nLimit, int nCount, int nPerPage) {
  SCROLLTHUMB t{50, 16, 0.0, FALSE};
  const int track = h - 2 * kArrow;
  if (nLimit > 0 && nCount > 0) {
    t.nHeight = std::max(20, static_cast<int>(static_cast<double>(nPerPage) / nCount * track));
    t.bVisible = TRUE;
    // Every row fitting gives no limit: no pixels per position then, rather than a division by 0.
    t.dPixelsPerPos = std::max(0.0, static_cast<double>(h - t.nHeight - 2 * kArrow) / nLimit);
    t.nTop = static_cast<int>(t.dPixelsPerPos * nPos) + kArrow;
  }
  if (t.nTop + t.nHeight > h - kArrow) t.nTop = h - kArrow - t.nHeight;
  if (t.nTop < kArrow) t.nTop = kArrow;
  return t;
}

COktFileListVerticleScrollbar::~COktFileListVerticleScrollbar() {
  if (m_hWnd) DestroyWindow();
}

int COktFileListVerticleScrollbar::ClientHeight() const {
  CRect client;
  GetClientRect(&client);
  return client.Height();
}

CRect COktFileListVerticleScrollbar::UpArrow() const { return CRect(0, 0, 19, kArrow); }

CRect COktFileListVerticleScrollbar::DownArrow() const {
  int h = ClientHeight();
  return CRect(0, h - kArrow, 19, h);
}

CRect COktFileListVerticleScrollbar::Thumb() const { return CRect(0, m_nThumbTop, 17, m_nThumbTop + m_nThumbHeight); }

int COktFileListVerticleScrollbar::RowHeight() const { return m_pList ? m_pList->GetRowHeight() : 21; }

void COktFileListVerticleScrollbar::UpdateThumb() {
  if (!m_hWnd || !m_pList || !m_pList->m_hWnd) return;
  SCROLLTHUMB t = ComputeScrollThumb(ClientHeight(), m_pList->GetScrollPos(SB_VERT), m_pList->GetScrollLimit(SB_VERT),
                                     m_pList->GetItemCount(), m_pList->GetCountPerPage());
  m_nThumbHeight = t.nHeight;
  m_dPixelsPerPos = t.dPixelsPerPos;
  m_nThumbTop = t.nTop;
  if (!IsWindowVisible() != !t.bVisible) ShowWindow(t.bVisible ? SW_SHOWNORMAL : SW_HIDE);
  ClampThumb();
  Draw();
}

void COktFileListVerticleScrollbar::ClampThumb() {
  int h = ClientHeight();
  if (m_nThumbTop + m_nThumbHeight > h - kArrow) m_nThumbTop = h - kArrow - m_nThumbHeight;
  if (m_nThumbTop < kArrow) m_nThumbTop = kArrow;
}

void COktFileListVerticleScrollbar::Draw() {
  if (!m_hWnd) return;
  CClientDC dc(this);
  CRect client;
  GetClientRect(&client);
  CSkinMemDC memory(client, &dc);
  DrawOn(&memory, client);
}

void COktFileListVerticleScrollbar::DrawOn(CDC* pDC, const CRect& client) {
  const int h = client.Height();
  pDC->FillSolidRect(&client, kBarBack);
  CDC src;
  src.CreateCompatibleDC(pDC);
  Paint(pDC, src, IDB_SCROLL_UP, CRect(0, 0, 17, kArrow), CSize(17, kArrow));
  // One track row, repeated down the track.
  if (h > 2 * kArrow) Paint(pDC, src, IDB_SCROLL_TRACK, CRect(0, kArrow, 17, h - kArrow), CSize(17, 1));
  Paint(pDC, src, IDB_SCROLL_DOWN, CRect(0, h - kArrow, 17, h), CSize(17, kArrow));
  if (m_nThumbHeight > 0)
    Paint(pDC, src, IDB_SCROLL_THUMB, CRect(0, m_nThumbTop, 16, m_nThumbTop + m_nThumbHeight), CSize(16, 26));
}

void COktFileListVerticleScrollbar::Step(int dy, bool bRepaintList) {
  if (!m_pList || !m_pList->m_hWnd) return;
  m_pList->Scroll(CSize(0, dy));
  UpdateThumb();
  if (bRepaintList) m_pList->UpdateWindow();
  Invalidate(TRUE);
}

void COktFileListVerticleScrollbar::LineUp() { Step(-RowHeight(), true); }

void COktFileListVerticleScrollbar::LineDown() { Step(RowHeight(), true); }

void COktFileListVerticleScrollbar::PageUp() {
  if (m_pList && m_pList->m_hWnd) Step(-m_pList->GetCountPerPage() * RowHeight(), false);
}

void COktFileListVerticleScrollbar::PageDown() {
  if (m_pList && m_pList->m_hWnd) Step(m_pList->GetCountPerPage() * RowHeight(), false);
}

BOOL COktFileListVerticleScrollbar::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }

void COktFileListVerticleScrollbar::OnLButtonDown(UINT, CPoint point) {
  SetCapture();
  if (Thumb().PtInRect(point)) m_bDragging = 1;
  if (DownArrow().PtInRect(point)) {
    m_bDownHeld = 1;
    SetTimer(kDelayTimer, 250);
  }
  if (UpArrow().PtInRect(point)) {
    m_bUpHeld = 1;
    SetTimer(kDelayTimer, 250);
  }
  Default();
}

// The second press of a quick double click is a press like any other: each click on an
// arrow scrolls a line.
void COktFileListVerticleScrollbar::OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }

void COktFileListVerticleScrollbar::OnLButtonUp(UINT, CPoint point) {
  UpdateThumb();
  KillTimer(kRepeatTimer);
  KillTimer(kDelayTimer);
  if (GetCapture() == this) ReleaseCapture();
  if (UpArrow().PtInRect(point) || DownArrow().PtInRect(point)) {
    if (m_bUpHeld) LineUp();
    else if (m_bDownHeld) LineDown();
  } else if (!m_bDragging) {
    if (point.y > m_nThumbTop) PageDown();
    else PageUp();
  }
  m_bDragging = 0;
  m_bUpHeld = 0;
  m_bDownHeld = 0;
  Default();
}

void COktFileListVerticleScrollbar::OnMouseMove(UINT, CPoint point) {
  if (m_bDragging && m_pList && m_pList->m_hWnd) {
    m_nThumbTop = point.y - m_nThumbHeight / 2;
    const int limit = m_pList->GetScrollLimit(SB_VERT);
    const int pos = m_pList->GetScrollPos(SB_VERT);
    const double ppp = limit > 0 ? static_cast<double>(ClientHeight() - m_nThumbHeight - 2 * kArrow) / limit : 0.0;
    // A list that emptied (or fits) during the drag has nothing to scroll.
    if (ppp > 0) {
      m_dPixelsPerPos = ppp;
      const int newPos = static_cast<int>((m_nThumbTop - kArrow) / ppp);
      if (newPos != pos) {
        m_pList->Scroll(CSize(0, (newPos - pos) * RowHeight()));
        m_pList->UpdateWindow();
      }
    }
    ClampThumb();
    Draw();
  }
  Default();
}

void COktFileListVerticleScrollbar::OnPaint() {
  CPaintDC dc(this);
  Draw();
}

void COktFileListVerticleScrollbar::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kDelayTimer && (m_bUpHeld || m_bDownHeld)) {
    KillTimer(kDelayTimer);
    SetTimer(kRepeatTimer, 50);
  } else if (nIDEvent == kRepeatTimer) {
    if (m_bDownHeld) LineDown();
    else if (m_bUpHeld) LineUp();
  }
  Default();
}

// The recording list's look: rows with their cells, the grid, the playing row in amber,
// and the skinned scroll bar placed beside the list.
#include <algorithm>

#include "platform/gdi/Brush.h"
#include "platform/gdi/Pen.h"
#include "platform/win/WinApp.h"
#include "skin/ConfigListCtrl.h"
#include "skin/OktFileListVerticleScrollbar.h"
#include "skin/PlayingRowSource.h"
#include "skin/SkinMemDC.h"

namespace {

constexpr int kFallbackRowHeight = 21;
constexpr COLORREF kRowBack = RGB(33, 33, 33);
constexpr COLORREF kSelectedBack = RGB(71, 71, 71);
constexpr COLORREF kText = RGB(150, 150, 150);
constexpr COLORREF kPlayingText = RGB(239, 183, 26);
constexpr UINT kTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
constexpr DWORD kBarStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOTIFY;
constexpr int kBarWidth = 18;

}  // namespace

int CConfigListCtrl::PlayingRow() {
  auto* source = dynamic_cast<IPlayingRowSource*>(AfxGetMainWnd());
  return source ? source->GetPlayingRow() : -1;
}

int CConfigListCtrl::GetRowHeight() {
  CRect row;
  if (!m_hWnd || !GetSubItemRect(0, 0, LVIR_LABEL, row) || row.Height() <= 0) return kFallbackRowHeight;
  return row.Height();
}

void CConfigListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (!m_bMeasured) {
    // Rows were measured before the list had its owner's font; have them measured again.
    m_bMeasured = TRUE;
    CRect window;
    GetWindowRect(&window);
    WINDOWPOS pos;
    pos.hwnd = m_hWnd;
    pos.cx = window.Width();
    pos.cy = window.Height();
    pos.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  }
  CDC dc;
  dc.Attach(lpDrawItemStruct->hDC);
  {
    CDCStateRestorer restore(&dc);
    const int row = static_cast<int>(lpDrawItemStruct->itemID);
    const int columns = ColumnCount();
    for (int column = 0; column < columns; ++column) {
      CRect rect;
      GetSubItemRect(row, column, LVIR_LABEL, rect);
      if (CCellCtrl* cell = CellAt(CellKey(row, column))) cell->Draw(&dc, &rect, lpDrawItemStruct->itemState);
      else DrawPlainCell(&dc, row, column, rect, lpDrawItemStruct->itemState);
    }
  }
  dc.Detach();
}

void CConfigListCtrl::DrawPlainCell(CDC* pDC, int nRow, int nColumn, CRect rect, UINT nItemState) {
  COLORREF back = GetSysColor(COLOR_BTNFACE);
  COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  if (IsWindowEnabled()) {
    back = (nItemState & (ODS_SELECTED | ODS_FOCUS)) ? kSelectedBack : kRowBack;
    text = kText;
  }
  if (PlayingRow() == nRow) text = kPlayingText;
  CRect fill(rect);
  if (nColumn == 0) fill.left -= 5;
  CBrush brush(back);
  pDC->FillRect(&fill, &brush);
  // Hidden columns (path, time) have no width and show no text.
  if (rect.Width() <= 0) return;
  CFont* old = pDC->SelectObject(&m_font);
  pDC->SetTextColor(text);
  pDC->SetBkMode(TRANSPARENT);
  rect.left -= 3;
  pDC->DrawText(GetItemText(nRow, nColumn), &rect, kTextFormat);
  pDC->SelectObject(old);
}

void CConfigListCtrl::OnPaint() {
  CPaintDC paint(this);
  CRect client;
  GetClientRect(&client);
  {
    CSkinMemDC memory(client, &paint);
    CRect clip;
    memory.GetClipBox(&clip);
    memory.FillSolidRect(&clip, m_crBackground);
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memory.GetSafeHdc()), 0);
    if (!m_hWnd) return;
    DrawGrid(&memory, clip);
    if (m_pScrollBar) m_pScrollBar->UpdateThumb();
  }
}

// Lines at fixed client positions: the list scrolls by whole rows.
void CConfigListCtrl::DrawGrid(CDC* pDC, const CRect& clip) {
  CPen pen(PS_SOLID, 1, m_crGrid);
  CPen* old = pDC->SelectObject(&pen);
  int x = -1;
  for (int column = 0; column < 4; ++column) {
    x += GetColumnWidth(column);
    pDC->MoveTo(x, 0);
    pDC->LineTo(x, clip.Height());
  }
  pDC->MoveTo(0, 0);
  pDC->LineTo(clip.Width(), 0);
  const int r = GetRowHeight();
  for (int y = r; y < clip.Height(); y += r) {
    pDC->MoveTo(0, y);
    pDC->LineTo(clip.Width(), y);
  }
  pDC->SelectObject(old);
}

void CConfigListCtrl::CreateSkinScrollBar() {
  ModifyStyle(WS_HSCROLL, 0);
  CWnd* parent = GetParent();
  if (!parent) return;
  // In the parent's client coordinates, whatever the parent's own place on the screen.
  CRect list;
  GetWindowRect(&list);
  parent->ScreenToClient(&list);
  delete m_pScrollBar;
  m_pScrollBar = new COktFileListVerticleScrollbar;
  CRect bar(list.right - 1, list.top, list.right - 1 + kBarWidth, list.bottom);
  m_pScrollBar->Create(L"", kBarStyle, bar, parent, 0xFFFF);
  m_pScrollBar->m_pList = this;
}

// The list keeps the width it has while it scrolls (its client plus the native bar,
// which its window region cuts off), whether or not rows overflow now; the skinned bar
// sits where the native one would show. Calling it again changes nothing.
void CConfigListCtrl::RepositionSkinScrollBar() {
  const int cxVScroll = GetSystemMetrics(SM_CXVSCROLL);
  CRect window;
  GetWindowRect(&window);
  const int w = std::max(0, window.Width() - cxVScroll);
  const int h = window.Height();
  if (m_pScrollBar && m_pScrollBar->m_hWnd) {
    CRect list(window);
    if (CWnd* parent = GetParent()) parent->ScreenToClient(&list);
    CRect bar;
    m_pScrollBar->GetClientRect(&bar);
    m_pScrollBar->MoveWindow(list.left + w - 1, list.top, bar.Width() > 0 ? bar.Width() : kBarWidth, h, TRUE);
  }
  SetWindowPos(nullptr, 0, 0, w + cxVScroll, h, SWP_NOMOVE | SWP_NOZORDER);
  CRect region(0, 0, std::max(0, w - 2), h);
  platform::SetWindowRegionRect(m_hWnd, &region, TRUE);
}

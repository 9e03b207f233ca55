#include "skin/CellButton.h"

void CCellButton::ResetState() {
  CCellCtrl::ResetState();
  m_bHot = FALSE;
}

BOOL CCellButton::OnLButtonDown(UINT nFlags, int x, int y) {
  Activate();
  if (!m_rcGlyph.PtInRect(CPoint(x, y)) || !m_hwndList || !::IsWindow(m_hwndList)) return 1;
  CRect client;
  ::GetClientRect(m_hwndList, &client);
  client.InflateRect(1, 1);
  // A glyph cut off by the list's edge (a partly visible last row) takes no clicks.
  if (client.PtInRect(m_rcGlyph.TopLeft()) && client.PtInRect(m_rcGlyph.BottomRight())) OnClick(nFlags, x, y);
  return 1;
}

void CCellButton::OnMouseMove(UINT, int x, int y) {
  BOOL hot = m_rcGlyph.PtInRect(CPoint(x, y));
  if (hot == m_bHot) return;
  m_bHot = hot;
  if (m_hwndList) ::InvalidateRect(m_hwndList, &m_rcGlyph, FALSE);
}

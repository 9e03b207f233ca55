// Tab moves from cell to cell of the recording list, in key order (row by row), and
// leaves the list after the last cell (Shift+Tab: before the first).
#include "platform/win/Keys.h"
#include "skin/ConfigListCtrl.h"

BOOL CConfigListCtrl::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYUP) {
    m_bKeyReleased = TRUE;
    return CMFCListCtrl::PreTranslateMessage(pMsg);
  }
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB) return CycleTab(pMsg);
  return CMFCListCtrl::PreTranslateMessage(pMsg);
}

BOOL CConfigListCtrl::CycleTab(MSG* pMsg) {
  // A Tab press without a key-up since the last one (key repeat) continues the cycle.
  if (!m_bKeyReleased) m_bCycling = TRUE;
  m_bKeyReleased = FALSE;
  const bool backward = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  if (!m_bCycling) {
    if (m_tabOrder.IsEmpty()) return CMFCListCtrl::PreTranslateMessage(pMsg);
    m_bCycling = TRUE;
    ActivateCell(backward ? PrevEnabledCellKey(m_tabOrder.Last()) : NextEnabledCellKey(m_tabOrder.First()));
    return TRUE;
  }
  const CELLKEY current = HasCurrent() ? CellKey(m_nCurRow, m_nCurCol) : CELLKEY_NONE;
  if (current == CELLKEY_NONE || current == (backward ? m_tabOrder.First() : m_tabOrder.Last())) {
    m_bCycling = FALSE;
    return CMFCListCtrl::PreTranslateMessage(pMsg);
  }
  const CELLKEY key = backward ? PrevEnabledCellKey(PrevCellKey(current)) : NextEnabledCellKey(NextCellKey(current));
  CCellCtrl* next = CellAt(key);
  if (next && (next->GetStyle() & CELL_DISABLED)) {
    m_bCycling = FALSE;
    return CMFCListCtrl::PreTranslateMessage(pMsg);
  }
  m_pCurCell->Deactivate();
  ActivateCell(key);
  return TRUE;
}

void CConfigListCtrl::ActivateCell(CELLKEY key) {
  CCellCtrl* cell = CellAt(key);
  if (!cell) return;
  SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  m_nCurRow = CellKeyRow(key);
  m_nCurCol = CellKeyColumn(key);
  m_pCurCell = cell;
  cell->Activate();
  SetItemState(m_nCurRow, LVIS_SELECTED, LVIS_SELECTED | LVIS_FOCUSED);
  CRect label;
  GetSubItemRect(m_nCurRow, m_nCurCol, LVIR_LABEL, label);
  cell->SetRect(&label);
  cell->OnAfterActivate(0, 0, 0);
}

CELLKEY CConfigListCtrl::NextCellKey(CELLKEY key) const { return m_tabOrder.Next(key); }

CELLKEY CConfigListCtrl::PrevCellKey(CELLKEY key) const {
  if (m_tabOrder.IsEmpty()) return CELLKEY_NONE;
  if (!m_tabOrder.Contains(key)) return m_tabOrder.Last();
  return m_tabOrder.Prev(key);
}

CELLKEY CConfigListCtrl::NextEnabledCellKey(CELLKEY key) const {
  for (;;) {
    CCellCtrl* cell = CellAt(key);
    if (!cell || !(cell->GetStyle() & CELL_DISABLED) || key == m_tabOrder.Last()) return key;
    key = NextCellKey(key);
  }
}

CELLKEY CConfigListCtrl::PrevEnabledCellKey(CELLKEY key) const {
  for (;;) {
    CCellCtrl* cell = CellAt(key);
    if (!cell || !(cell->GetStyle() & CELL_DISABLED) || key == m_tabOrder.First()) return key;
    key = PrevCellKey(key);
  }
}

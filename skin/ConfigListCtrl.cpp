// The recording list's cells: the message map, placing and removing cells, shifting their
// keys, and handing the list's messages to the current cell.
#include "skin/ConfigListCtrl.h"

#include <cwchar>

#include "skin/OktFileListVerticleScrollbar.h"

IMPLEMENT_DYNAMIC(CConfigListCtrl, CMFCListCtrl)

BEGIN_MESSAGE_MAP(CConfigListCtrl, CMFCListCtrl)
  ON_WM_CHAR()
  ON_WM_HSCROLL()
  ON_WM_KEYDOWN()
  ON_WM_KEYUP()
  ON_WM_KILLFOCUS()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSEWHEEL()
  ON_WM_RBUTTONDOWN()
  ON_WM_SETFOCUS()
  ON_WM_VSCROLL()
  ON_MESSAGE(WM_CELL_VALUECHANGED, OnCellValueChanged)
  ON_WM_MEASUREITEM_REFLECT()
  ON_WM_THEMECHANGED()
  ON_WM_ENABLE()
  ON_WM_LBUTTONUP()
  ON_WM_TIMER()
  ON_WM_PAINT()
  ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
  ON_WM_ERASEBKGND()
  ON_WM_NCCALCSIZE()
END_MESSAGE_MAP()

namespace {

void DeleteCellProc(CELLKEY, CCellCtrl* pCell) { delete pCell; }

void ThemeChangedCellProc(CELLKEY, CCellCtrl* pCell) { pCell->OnThemeChanged(); }

}  // namespace

CConfigListCtrl::CConfigListCtrl() {
  LOGFONT lf{};
  lf.lfHeight = 12;
  lf.lfWidth = 0;
  lf.lfWeight = FW_NORMAL;
  std::wcscpy(lf.lfFaceName, L"돋움체");
  m_font.CreateFontIndirect(&lf);
}

CConfigListCtrl::~CConfigListCtrl() {
  m_pCurCell = nullptr;
  ForEachCell(DeleteCellProc);
  m_cells.RemoveAll();
  delete m_pScrollBar;
  m_pScrollBar = nullptr;
  m_tabOrder.RemoveAll();
  m_font.DeleteObject();
}

CCellCtrl* CConfigListCtrl::CellAt(CELLKEY key) const {
  CCellCtrl* cell = nullptr;
  return m_cells.Lookup(key, cell) ? cell : nullptr;
}

void CConfigListCtrl::ForEachCell(void (*pfnCallback)(CELLKEY, CCellCtrl*)) {
  m_cells.ForEach([pfnCallback](CELLKEY key, CCellCtrl* cell) { pfnCallback(key, cell); });
}

void CConfigListCtrl::ShiftCellColumns(int nColumn) { m_cells.ShiftColumnsRight(nColumn); }

void CConfigListCtrl::ShiftTabOrderColumns(int nColumn) { m_tabOrder.ShiftColumnsRight(nColumn); }

// Rows move with their cells; so does the current cell. Cells still left in a row that
// goes away are deleted rather than landing on the row above.
void CConfigListCtrl::ShiftCellRows(int nRow, BOOL bUp) {
  if (!bUp)
    for (CELLKEY key : m_cells.KeysOfRow(nRow)) RemoveCell(nRow, CellKeyColumn(key));
  m_cells.ShiftRows(nRow, bUp ? 1 : -1);
  if (m_nCurRow >= nRow && m_pCurCell) m_nCurRow += bUp ? 1 : -1;
}

void CConfigListCtrl::ShiftTabOrderRows(int nRow, BOOL bUp) {
  if (!bUp)
    for (CELLKEY key : m_tabOrder.KeysOfRow(nRow)) m_tabOrder.RemoveKey(key);
  m_tabOrder.ShiftRows(nRow, bUp ? 1 : -1);
}

BOOL CConfigListCtrl::SetCellCtrl(int nRow, CCellCtrl* pCell) {
  if (nRow < 0 || !pCell) return FALSE;
  RemoveCell(nRow, CHECK_COLUMN);
  const CELLKEY key = CellKey(nRow, CHECK_COLUMN);
  m_cells.SetAt(key, pCell);
  m_tabOrder.SetAt(key, true);
  pCell->Init(m_hWnd, &m_bEnabled, CString());
  return SetItemText(nRow, CHECK_COLUMN, pCell->GetText());
}

void CConfigListCtrl::RemoveCell(int nRow, int nColumn) {
  if (nRow < 0 || nColumn < 0) return;
  const CELLKEY key = CellKey(nRow, nColumn);
  CCellCtrl* cell = CellAt(key);
  if (!cell) return;
  m_cells.RemoveKey(key);
  if (cell == m_pCurCell) {
    m_nCurRow = m_nCurCol = -1;
    cell->Deactivate();
    m_pCurCell = nullptr;
  }
  delete cell;
  m_tabOrder.RemoveKey(key);
}

void CConfigListCtrl::DeleteRowCells() {
  const int columns = ColumnCount();
  for (int column = 0; column < columns; ++column) RemoveCell(0, column);
  ShiftCellRows(0, FALSE);
  ShiftTabOrderRows(0, FALSE);
  if (m_hWnd) Invalidate(TRUE);
}

void CConfigListCtrl::SetCellText(CCellCtrl* pCell, const CString& strText) {
  m_cells.ForEach([&](CELLKEY key, CCellCtrl* cell) {
    if (cell == pCell) SetItemText(CellKeyRow(key), CellKeyColumn(key), strText);
  });
}

int CConfigListCtrl::GetFirstSelectedItem() {
  const int count = GetItemCount();
  for (int row = 0; row < count; ++row)
    if (GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) return row;
  return -1;
}

void CConfigListCtrl::DeselectAll() {
  const int count = GetItemCount();
  for (int row = 0; row < count; ++row) SetItemState(row, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

int CConfigListCtrl::ColumnCount() const {
  CHeaderCtrl* header = GetHeaderCtrl();
  return header ? header->GetItemCount() : 0;
}

void CConfigListCtrl::ClearCurrent() {
  m_nCurRow = m_nCurCol = -1;
  m_pCurCell = nullptr;
}

void CConfigListCtrl::WriteCurrentText() {
  if (HasCurrent()) SetItemText(m_nCurRow, m_nCurCol, m_pCurCell->GetText());
}

void CConfigListCtrl::RefreshCurrentCell() {
  if (m_nCurRow < 0 || m_nCurCol < 0) return;
  CCellCtrl* cell = CellAt(CellKey(m_nCurRow, m_nCurCol));
  if (!cell) return;
  InvalidateRect(cell->GetRect(), TRUE);
  SetItemText(m_nCurRow, m_nCurCol, cell->GetText());
}

void CConfigListCtrl::PreSubclassWindow() {
  m_bEnabled = IsWindowEnabled();
  CMFCListCtrl::PreSubclassWindow();
}

BOOL CConfigListCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HasCurrent()) {
    if (!m_pCurCell->OnCommand(wParam, lParam)) return TRUE;
  } else if (lParam == 0) {
    return TRUE;
  }
  return CMFCListCtrl::OnCommand(wParam, lParam);
}

void CConfigListCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (!HasCurrent()) return;
  m_pCurCell->OnChar(nChar, nRepCnt, nFlags);
  RefreshCurrentCell();
  WriteCurrentText();
}

void CConfigListCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  if (HasCurrent()) m_pCurCell->OnHScroll(nSBCode, nPos, pScrollBar);
  CMFCListCtrl::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CConfigListCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (!HasCurrent()) {
    Default();
    return;
  }
  m_pCurCell->OnKeyDown(nChar, nRepCnt, nFlags);
  RefreshCurrentCell();
}

void CConfigListCtrl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (HasCurrent() && !m_pCurCell->OnKeyUp(nChar, nRepCnt, nFlags)) return;
  Default();
}

void CConfigListCtrl::OnKillFocus(CWnd* pNewWnd) {
  Default();
  if (HasCurrent()) {
    CCellCtrl* cell = m_pCurCell;
    cell->Deactivate();
    cell->OnKillFocus(pNewWnd);
    RefreshCurrentCell();
    ClearCurrent();
  }
  if (m_bCaret) {
    DestroyCaret();
    m_bCaret = FALSE;
  }
}

void CConfigListCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
  LVHITTESTINFO hit;
  hit.pt = point;
  SubItemHitTest(&hit);
  // A point below the last row or right of the last column hits no row: never a key.
  CCellCtrl* cell = hit.iItem >= 0 && hit.iSubItem >= 0 ? CellAt(CellKey(hit.iItem, hit.iSubItem)) : nullptr;
  if (!cell || (cell->GetStyle() & CELL_DISABLED)) {
    CCellCtrl* previous = m_pCurCell;
    m_nCurRow = m_nCurCol = -1;
    if (previous) previous->Deactivate();
    m_pCurCell = nullptr;
    Default();
    return;
  }
  m_nCurRow = hit.iItem;
  m_nCurCol = hit.iSubItem;
  if (m_pCurCell && m_pCurCell != cell) m_pCurCell->Deactivate();
  m_pCurCell = cell;
  CRect label;
  GetSubItemRect(m_nCurRow, m_nCurCol, LVIR_LABEL, label);
  cell->SetRect(&label);
  SetFocus();
  const BOOL goOn = cell->OnLButtonDown(nFlags, point.x, point.y);
  HWND focus = ::GetFocus();
  WriteCurrentText();
  cell->OnAfterActivate(nFlags, point.x, point.y);
  // The list view selects the row and tells the parent, which sees the cell's new text.
  if (goOn) Default();
  if (focus && ::IsWindow(focus) && ::GetFocus() != focus) ::SetFocus(focus);
}

void CConfigListCtrl::OnMouseMove(UINT, CPoint) { Default(); }

BOOL CConfigListCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) {
  if (HasCurrent() && !m_pCurCell->OnMouseWheel(nFlags, zDelta, pt.x, pt.y)) return TRUE;
  return static_cast<BOOL>(Default());
}

void CConfigListCtrl::OnRButtonDown(UINT nFlags, CPoint point) {
  if (HasCurrent() && !m_pCurCell->OnRButtonDown(nFlags, point.x, point.y)) return;
  Default();
}

void CConfigListCtrl::OnSetFocus(CWnd* pOldWnd) {
  Default();
  if (!m_bCaret) {
    const int height =
        GetSystemMetrics(SM_CYVTHUMB) + 2 * (GetSystemMetrics(SM_CYEDGE) - GetSystemMetrics(SM_CYDLGFRAME));
    ::CreateCaret(m_hWnd, nullptr, 1, height);
    m_bCaret = TRUE;
  }
  if (HasCurrent()) m_pCurCell->OnSetFocus(pOldWnd);
}

void CConfigListCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  if (HasCurrent() && !m_pCurCell->OnVScroll(nSBCode, nPos, pScrollBar)) return;
  CMFCListCtrl::OnVScroll(nSBCode, nPos, pScrollBar);
}

LRESULT CConfigListCtrl::OnCellValueChanged(WPARAM wParam, LPARAM lParam) {
  if (HasCurrent()) {
    m_pCurCell->OnValueChanged(wParam, lParam);
    WriteCurrentText();
  }
  return 1;
}

void CConfigListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  lpMeasureItemStruct->itemHeight = static_cast<UINT>(2 * GetSystemMetrics(SM_CYEDGE) + GetSystemMetrics(SM_CYVTHUMB));
}

LRESULT CConfigListCtrl::OnThemeChanged() {
  ForEachCell(ThemeChangedCellProc);
  return 1;
}

void CConfigListCtrl::OnEnable(BOOL) {
  Default();
  m_bEnabled = IsWindowEnabled();
}

void CConfigListCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
  if (HasCurrent() && !m_pCurCell->OnLButtonUp(nFlags, point.x, point.y)) return;
  Default();
}

void CConfigListCtrl::OnTimer(UINT_PTR nIDEvent) {
  if (HasCurrent() && !m_pCurCell->OnTimer(nIDEvent)) return;
  Default();
}

void CConfigListCtrl::OnCustomDraw(NMHDR*, LRESULT* pResult) { *pResult = CDRF_DODEFAULT; }

BOOL CConfigListCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void CConfigListCtrl::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {
  ModifyStyle(WS_HSCROLL, 0);
  Default();
}

// Exact comparison of 16-bit code units on at most 255 characters, as the list hands
// them back.
int CompareItemText(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
  const auto* info = reinterpret_cast<const CONFIGLIST_SORTINFO*>(lParamSort);
  // The list writes a terminated text; the empty starts cover a list that writes nothing.
  wchar_t first[256], second[256];
  first[0] = second[0] = 0;
  LVITEM item;
  item.iSubItem = info->nColumn;
  item.cchTextMax = 256;
  item.pszText = first;
  ::SendMessage(info->hwndList, LVM_GETITEMTEXT, static_cast<WPARAM>(lParam1), reinterpret_cast<LPARAM>(&item));
  item.pszText = second;
  ::SendMessage(info->hwndList, LVM_GETITEMTEXT, static_cast<WPARAM>(lParam2), reinterpret_cast<LPARAM>(&item));
  int result = 0;
  for (int i = 0; i < 256 && result == 0; ++i) {
    result = static_cast<int>(static_cast<std::uint16_t>(first[i])) -
             static_cast<int>(static_cast<std::uint16_t>(second[i]));
    if (!first[i] || !second[i]) break;
  }
  return info->bAscending ? result : -result;
}

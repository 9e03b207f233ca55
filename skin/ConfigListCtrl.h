#pragma once
// CConfigListCtrl: the recording list. A dark owner-drawn report list whose Check column
// holds check-box cells. It owns its cells, routes mouse, keyboard and focus messages to
// the current cell, moves from cell to cell with Tab, paints rows, grid and the playing
// row through an off-screen image, and shows a skinned scroll bar beside itself in place
// of the native one.
#include "platform/gdi/Font.h"
#include "platform/win/ListCtrl.h"
#include "skin/CellCtrl.h"
#include "skin/CellKeyMap.h"

class COktFileListVerticleScrollbar;

constexpr UINT WM_CELL_VALUECHANGED = WM_USER + 0x1000;
constexpr int CHECK_COLUMN = 3;

// The record LVM_SORTITEMSEX hands CompareItemText.
struct CONFIGLIST_SORTINFO {
  HWND hwndList;
  int nColumn;
  BYTE bAscending;
};
int CompareItemText(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

class CConfigListCtrl : public CMFCListCtrl {
  DECLARE_DYNAMIC(CConfigListCtrl)

public:
  CConfigListCtrl();
  ~CConfigListCtrl() override;

  void CreateSkinScrollBar();
  void RepositionSkinScrollBar();
  COktFileListVerticleScrollbar* GetSkinScrollBar() const { return m_pScrollBar; }

  void ShiftCellColumns(int nColumn);
  void ShiftTabOrderColumns(int nColumn);
  void ShiftCellRows(int nRow, BOOL bUp);
  void ShiftTabOrderRows(int nRow, BOOL bUp);
  // Places the cell in the Check column of the row and takes ownership of it.
  BOOL SetCellCtrl(int nRow, CCellCtrl* pCell);
  void RemoveCell(int nRow, int nColumn);
  void DeleteRowCells();
  void SetCellText(CCellCtrl* pCell, const CString& strText);
  int GetFirstSelectedItem();
  void DeselectAll();
  void ForEachCell(void (*pfnCallback)(CELLKEY, CCellCtrl*));

  static CELLKEY CellKey(int nRow, int nColumn) { return MakeCellKey(nRow, nColumn); }
  // The row height the list draws with: row 0's height, or 21 without rows.
  int GetRowHeight();

  // Every cell, by key; owners look a row's check box up under CellKey(row, CHECK_COLUMN).
  CCellKeyMap<CCellCtrl*> m_cells;

  // The current cell (row -1 and null when none).
  int GetCurrentRow() const { return m_nCurRow; }
  int GetCurrentColumn() const { return m_nCurCol; }
  CCellCtrl* GetCurrentCell() const { return m_pCurCell; }

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
  void PreSubclassWindow() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnKillFocus(CWnd* pNewWnd);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnMouseMove(UINT nFlags, CPoint point);
  BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  void OnRButtonDown(UINT nFlags, CPoint point);
  void OnSetFocus(CWnd* pOldWnd);
  void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  LRESULT OnCellValueChanged(WPARAM wParam, LPARAM lParam);
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  LRESULT OnThemeChanged();
  void OnEnable(BOOL bEnable);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnTimer(UINT_PTR nIDEvent);
  void OnPaint();
  void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  DECLARE_MESSAGE_MAP()

private:
  bool HasCurrent() const { return m_nCurRow != -1 && m_nCurCol != -1 && m_pCurCell; }
  CCellCtrl* CellAt(CELLKEY key) const;
  void ClearCurrent();
  void WriteCurrentText();
  void RefreshCurrentCell();
  void ActivateCell(CELLKEY key);
  CELLKEY NextCellKey(CELLKEY key) const;
  CELLKEY PrevCellKey(CELLKEY key) const;
  CELLKEY NextEnabledCellKey(CELLKEY key) const;
  CELLKEY PrevEnabledCellKey(CELLKEY key) const;
  BOOL CycleTab(MSG* pMsg);
  void DrawPlainCell(CDC* pDC, int nRow, int nColumn, CRect rect, UINT nItemState);
  void DrawGrid(CDC* pDC, const CRect& clip);
  int ColumnCount() const;
  static int PlayingRow();

  COLORREF m_crBackground = RGB(33, 33, 33);
  COLORREF m_crGrid = RGB(62, 62, 60);
  COktFileListVerticleScrollbar* m_pScrollBar = nullptr;
  CFont m_font;
  CCellKeyMap<bool> m_tabOrder;
  BOOL m_bMeasured = FALSE;
  BOOL m_bCaret = FALSE;
  BOOL m_bCycling = FALSE;
  BOOL m_bKeyReleased = FALSE;
  BOOL m_bEnabled = TRUE;
  int m_nCurRow = -1;
  int m_nCurCol = -1;
  CCellCtrl* m_pCurCell = nullptr;
};

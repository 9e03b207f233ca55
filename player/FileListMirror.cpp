#include "player/FileListMirror.h"

void SetRowCheckText(CConfigListCtrl& list, int nRow, const CString& strText) {
  CCellCtrl* cell = nullptr;
  if (!list.m_cells.Lookup(CConfigListCtrl::CellKey(nRow, CHECK_COLUMN), cell) || !cell) return;
  cell->m_strText = strText;
  // The cell's key names its row, so its text goes straight to that sub-item.
  list.SetItemText(nRow, CHECK_COLUMN, strText);
}

void SelectOnlyRow(CConfigListCtrl& list, int nRow) {
  list.DeselectAll();
  list.SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
}

void MirrorRowClick(CConfigListCtrl& source, CConfigListCtrl& twin, int nRow) {
  if (nRow < 0) {
    twin.DeselectAll();
    return;
  }
  SetRowCheckText(twin, nRow, source.GetItemText(nRow, CHECK_COLUMN));
  SelectOnlyRow(twin, nRow);
}

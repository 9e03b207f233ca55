#pragma once
// The data and geometry of a report-view list: columns, rows of sub-item texts with their
// states, single selection, sorting through a comparator that sees a stable snapshot, and
// vertical scrolling by whole rows. The list-view control draws and routes input over it.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"

namespace platform::detail {

constexpr UINT kStateFocused = 0x0001;   // LVIS_FOCUSED
constexpr UINT kStateSelected = 0x0002;  // LVIS_SELECTED

class ListViewModel {
public:
  // Columns.
  int InsertColumn(int index, const std::wstring& text, int format, int width);
  int ColumnCount() const { return static_cast<int>(m_columns.size()); }
  int ColumnWidth(int column) const;
  bool SetColumnWidth(int column, int width);
  int ColumnLeft(int column) const;
  int TotalColumnWidth() const { return ColumnLeft(ColumnCount()); }
  const std::wstring& ColumnText(int column) const { return m_columns[static_cast<size_t>(column)].text; }
  int ColumnFormat(int column) const { return m_columns[static_cast<size_t>(column)].format; }

  // Rows. Indexes out of range are refused (false, -1 or empty text).
  int ItemCount() const { return static_cast<int>(m_rows.size()); }
  int InsertItem(int index, std::wstring text, LPARAM data = 0);
  bool DeleteItem(int index);
  void DeleteAllItems();
  bool SetItemText(int item, int subItem, std::wstring text);
  // Valid until the row changes or goes; an empty text for a row or sub-item that has none.
  const std::wstring& ItemText(int item, int subItem) const;
  LPARAM ItemData(int item) const;
  bool SetItemData(int item, LPARAM data);
  UINT ItemState(int item, UINT mask) const;
  // Item -1 changes every row, but selecting or focusing every row is refused (single selection).
  bool SetItemState(int item, UINT state, UINT mask);
  int NextItem(int start, UINT stateMask) const;  // first row after `start` with any of the states

  // Orders the rows by cmp(a, b) < 0, stably, where a and b are the rows' indexes before the
  // sort; the rows stay where they are until the comparator has seen them all. Rows already
  // in order cost one comparison each. Nothing moves when the comparator added or removed rows.
  void SortItems(const std::function<int(int, int)>& cmp);

  // Scrolling in whole rows of itemHeight pixels within a client area of clientHeight.
  void SetItemHeight(int height);
  int ItemHeight() const { return m_itemHeight; }
  void SetClientHeight(int height);
  int TopIndex() const { return m_top; }
  int CountPerPage() const;
  int ScrollLimit() const;  // the greatest top index; 0 whenever every row fits
  bool NeedsScrollBar() const { return ItemCount() > CountPerPage(); }
  // Scrolls by dy pixels rounded to whole rows; returns whether the top row changed.
  bool ScrollPixels(int dy);
  bool SetTopIndex(int top);
  bool EnsureVisible(int item);

  // Geometry in client coordinates.
  CRect RowRect(int item) const;
  CRect SubItemRect(int item, int subItem) const;
  // Row and column under a point; a point right of the last column hits nothing, a point
  // below the last row hits the column only.
  void HitTest(POINT pt, int& item, int& subItem) const;

private:
  struct Column {
    std::wstring text;
    int format = 0;
    int width = 0;
  };
  struct Row {
    std::vector<std::wstring> texts;  // one per sub-item that was ever set
    UINT state = 0;
    LPARAM data = 0;
  };
  bool ValidItem(int item) const { return item >= 0 && item < ItemCount(); }
  void ClampTop();

  std::vector<Column> m_columns;
  std::deque<Row> m_rows;  // rows are appended and removed from the top in bulk
  int m_itemHeight = 21;
  int m_clientHeight = 0;
  int m_top = 0;
};

}  // namespace platform::detail

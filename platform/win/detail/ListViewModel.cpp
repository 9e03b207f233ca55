#include "platform/win/detail/ListViewModel.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace platform::detail {

namespace {

// A stable sort that finds the runs already in order and merges neighbouring runs until one
// is left: rows in order cost one comparison each, a few sorted blocks little more.
template <typename Less>
void SortByRuns(std::vector<int>& order, Less less) {
  std::vector<size_t> bounds{0};
  for (size_t i = 1; i < order.size(); ++i)
    if (less(order[i], order[i - 1])) bounds.push_back(i);
  bounds.push_back(order.size());
  while (bounds.size() > 2) {
    std::vector<size_t> merged{0};
    for (size_t run = 0; run + 2 < bounds.size(); run += 2) {
      std::inplace_merge(order.begin() + static_cast<std::ptrdiff_t>(bounds[run]),
                         order.begin() + static_cast<std::ptrdiff_t>(bounds[run + 1]),
                         order.begin() + static_cast<std::ptrdiff_t>(bounds[run + 2]), less);
      merged.push_back(bounds[run + 2]);
    }
    if (bounds.size() % 2 == 0) merged.push_back(bounds.back());  // an odd run out waits a round
    bounds.swap(merged);
  }
}

}  // namespace

int ListViewModel::InsertColumn(int index, const std::wstring& text, int format, int width) {
  index = std::clamp(index, 0, ColumnCount());
  m_columns.insert(m_columns.begin() + index, Column{text, format, std::max(width, 0)});
  return index;
}

int ListViewModel::ColumnWidth(int column) const {
  if (column < 0 || column >= ColumnCount()) return 0;
  return m_columns[static_cast<size_t>(column)].width;
}

bool ListViewModel::SetColumnWidth(int column, int width) {
  if (column < 0 || column >= ColumnCount()) return false;
  m_columns[static_cast<size_t>(column)].width = std::max(width, 0);
  return true;
}

int ListViewModel::ColumnLeft(int column) const {
  int x = 0;
  for (int i = 0; i < column && i < ColumnCount(); ++i) x += m_columns[static_cast<size_t>(i)].width;
  return x;
}

int ListViewModel::InsertItem(int index, std::wstring text, LPARAM data) {
  index = std::clamp(index, 0, ItemCount());
  Row row;
  row.texts.reserve(static_cast<size_t>(std::max(ColumnCount(), 1)));
  row.texts.push_back(std::move(text));
  row.data = data;
  m_rows.insert(m_rows.begin() + index, std::move(row));
  return index;
}

bool ListViewModel::DeleteItem(int index) {
  if (!ValidItem(index)) return false;
  m_rows.erase(m_rows.begin() + index);
  ClampTop();
  return true;
}

void ListViewModel::DeleteAllItems() {
  m_rows.clear();
  m_top = 0;
}

bool ListViewModel::SetItemText(int item, int subItem, std::wstring text) {
  if (!ValidItem(item) || subItem < 0) return false;
  auto& texts = m_rows[static_cast<size_t>(item)].texts;
  if (static_cast<size_t>(subItem) >= texts.size()) texts.resize(static_cast<size_t>(subItem) + 1);
  texts[static_cast<size_t>(subItem)] = std::move(text);
  return true;
}

const std::wstring& ListViewModel::ItemText(int item, int subItem) const {
  static const std::wstring kNone;
  if (!ValidItem(item) || subItem < 0) return kNone;
  const auto& texts = m_rows[static_cast<size_t>(item)].texts;
  return static_cast<size_t>(subItem) < texts.size() ? texts[static_cast<size_t>(subItem)] : kNone;
}

LPARAM ListViewModel::ItemData(int item) const { return ValidItem(item) ? m_rows[static_cast<size_t>(item)].data : 0; }

bool ListViewModel::SetItemData(int item, LPARAM data) {
  if (!ValidItem(item)) return false;
  m_rows[static_cast<size_t>(item)].data = data;
  return true;
}

UINT ListViewModel::ItemState(int item, UINT mask) const {
  return ValidItem(item) ? (m_rows[static_cast<size_t>(item)].state & mask) : 0;
}

bool ListViewModel::SetItemState(int item, UINT state, UINT mask) {
  const UINT exclusive = kStateSelected | kStateFocused;
  if (item == -1) {
    if (state & mask & exclusive) return false;
    for (Row& row : m_rows) row.state = (row.state & ~mask) | (state & mask);
    return true;
  }
  if (!ValidItem(item)) return false;
  UINT taken = state & mask & exclusive;
  if (taken)
    for (Row& row : m_rows) row.state &= ~taken;
  Row& row = m_rows[static_cast<size_t>(item)];
  row.state = (row.state & ~mask) | (state & mask);
  return true;
}

int ListViewModel::NextItem(int start, UINT stateMask) const {
  for (int i = std::max(start + 1, 0); i < ItemCount(); ++i)
    if (m_rows[static_cast<size_t>(i)].state & stateMask) return i;
  return -1;
}

void ListViewModel::SortItems(const std::function<int(int, int)>& cmp) {
  std::vector<int> order(m_rows.size());
  std::iota(order.begin(), order.end(), 0);
  SortByRuns(order, [&](int a, int b) { return cmp(a, b) < 0; });
  if (order.size() != m_rows.size() || std::is_sorted(order.begin(), order.end())) return;
  std::deque<Row> sorted;
  for (int i : order) sorted.push_back(std::move(m_rows[static_cast<size_t>(i)]));
  m_rows.swap(sorted);
}

void ListViewModel::SetItemHeight(int height) {
  m_itemHeight = std::max(height, 1);
  ClampTop();
}

void ListViewModel::SetClientHeight(int height) {
  m_clientHeight = std::max(height, 0);
  ClampTop();
}

int ListViewModel::CountPerPage() const { return std::max(m_clientHeight / m_itemHeight, 1); }

int ListViewModel::ScrollLimit() const {
  int maxPos = std::max(ItemCount() - 1, 0);
  int page = std::min(std::max(m_clientHeight, m_itemHeight) / m_itemHeight, maxPos + 1);
  return std::max(maxPos - std::max(page - 1, 0), 0);
}

bool ListViewModel::ScrollPixels(int dy) {
  int half = m_itemHeight / 2;
  int lines = (dy + (dy < 0 ? -half : half)) / m_itemHeight;
  return SetTopIndex(m_top + lines);
}

bool ListViewModel::SetTopIndex(int top) {
  int old = m_top;
  m_top = std::clamp(top, 0, ScrollLimit());
  return m_top != old;
}

bool ListViewModel::EnsureVisible(int item) {
  if (!ValidItem(item)) return false;
  if (item < m_top) return SetTopIndex(item);
  int perPage = CountPerPage();
  if (item >= m_top + perPage) return SetTopIndex(item - perPage + 1);
  return false;
}

void ListViewModel::ClampTop() { m_top = std::clamp(m_top, 0, ScrollLimit()); }

CRect ListViewModel::RowRect(int item) const {
  int top = (item - m_top) * m_itemHeight;
  return CRect(0, top, TotalColumnWidth(), top + m_itemHeight);
}

CRect ListViewModel::SubItemRect(int item, int subItem) const {
  CRect row = RowRect(item);
  int left = ColumnLeft(subItem);
  return CRect(left, row.top, left + ColumnWidth(subItem), row.bottom);
}

void ListViewModel::HitTest(POINT pt, int& item, int& subItem) const {
  item = -1;
  subItem = -1;
  for (int c = 0; c < ColumnCount(); ++c) {
    int left = ColumnLeft(c), width = ColumnWidth(c);
    if (width > 0 && pt.x >= left && pt.x < left + width) subItem = c;
  }
  if (subItem < 0 || pt.y < 0) return;
  int row = m_top + pt.y / m_itemHeight;
  if (ValidItem(row)) item = row;
}

}  // namespace platform::detail

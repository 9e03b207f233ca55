#include "platform/win/detail/ListViewModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using platform::detail::kStateFocused;
using platform::detail::kStateSelected;
using platform::detail::ListViewModel;

namespace {

ListViewModel Recordings(int rows) {
  ListViewModel m;
  const int widths[] = {163, 51, 54, 40, 0, 0};
  for (int c = 0; c < 6; ++c) m.InsertColumn(c, L"c" + std::to_wstring(c), 0, widths[c]);
  for (int r = 0; r < rows; ++r) {
    m.InsertItem(r, L"file" + std::to_wstring(r));
    m.SetItemText(r, 3, L"0");
  }
  return m;
}

}  // namespace

TEST(ListViewModelTest, SingleSelectionAndStates) {
  ListViewModel m = Recordings(5);
  EXPECT_TRUE(m.SetItemState(1, kStateSelected | kStateFocused, kStateSelected | kStateFocused));
  EXPECT_TRUE(m.SetItemState(3, kStateSelected, kStateSelected));
  EXPECT_EQ(m.ItemState(1, kStateSelected), 0u);
  EXPECT_EQ(m.ItemState(1, kStateFocused), kStateFocused);
  EXPECT_EQ(m.NextItem(-1, kStateSelected), 3);
  EXPECT_FALSE(m.SetItemState(-1, kStateSelected, kStateSelected));  // all selected: refused
  EXPECT_EQ(m.ItemState(3, kStateSelected), kStateSelected);
  EXPECT_TRUE(m.SetItemState(-1, 0, kStateSelected));
  EXPECT_EQ(m.NextItem(-1, kStateSelected), -1);
  EXPECT_FALSE(m.SetItemState(5, kStateSelected, kStateSelected));
}

TEST(ListViewModelTest, RowsMoveAsUnits) {
  ListViewModel m = Recordings(3);
  m.SetItemState(2, kStateSelected, kStateSelected);
  m.InsertItem(0, L"new");
  EXPECT_EQ(m.ItemText(3, 0), L"file2");
  EXPECT_EQ(m.ItemState(3, kStateSelected), kStateSelected);
  EXPECT_EQ(m.ItemText(0, 3), L"");  // never set
  EXPECT_EQ(m.InsertItem(99, L"end"), 4);
  EXPECT_TRUE(m.DeleteItem(0));
  EXPECT_EQ(m.ItemText(0, 0), L"file0");
  EXPECT_FALSE(m.SetItemText(9, 1, L"x"));
  EXPECT_EQ(m.ItemText(9, 0), L"");
}

TEST(ListViewModelTest, SortSeesTheRowsWhereTheyWere) {
  ListViewModel m = Recordings(0);
  const wchar_t* names[] = {L"c", L"a", L"d", L"b", L"a"};
  for (int i = 0; i < 5; ++i) {
    m.InsertItem(i, names[i]);
    m.SetItemText(i, 1, std::to_wstring(i));
  }
  m.SetItemState(2, kStateSelected, kStateSelected);
  // The comparator reads texts back through the model, by the indexes it is given.
  m.SortItems([&](int a, int b) { return m.ItemText(a, 0).compare(m.ItemText(b, 0)); });
  std::wstring order;
  for (int i = 0; i < 5; ++i) order += m.ItemText(i, 0) + m.ItemText(i, 1);
  EXPECT_EQ(order, L"a1a4b3c0d2");  // stable: equal names keep their order
  EXPECT_EQ(m.ItemState(4, kStateSelected), kStateSelected);
}

namespace {

// Sorts rows named by `keys` (each row also carries its first index) and returns the row
// order as "key:index" pairs, with the number of comparisons made.
std::pair<std::vector<std::wstring>, int> SortedRows(const std::vector<int>& keys) {
  ListViewModel m = Recordings(0);
  for (size_t i = 0; i < keys.size(); ++i) {
    m.InsertItem(static_cast<int>(i), std::to_wstring(keys[i]));
    m.SetItemText(static_cast<int>(i), 1, std::to_wstring(i));
  }
  int comparisons = 0;
  m.SortItems([&](int a, int b) {
    ++comparisons;
    return std::stoi(m.ItemText(a, 0)) - std::stoi(m.ItemText(b, 0));
  });
  std::vector<std::wstring> rows;
  for (int i = 0; i < m.ItemCount(); ++i) rows.push_back(m.ItemText(i, 0) + L":" + m.ItemText(i, 1));
  return {rows, comparisons};
}

std::vector<std::wstring> StableSorted(const std::vector<int>& keys) {
  std::vector<size_t> order(keys.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
  std::vector<std::wstring> rows;
  for (size_t i : order) rows.push_back(std::to_wstring(keys[i]) + L":" + std::to_wstring(i));
  return rows;
}

}  // namespace

TEST(ListViewModelTest, SortIsStableWhateverTheRunsAndCheapForRowsInOrder) {
  std::vector<int> shuffled;
  unsigned seed = 7;
  for (int i = 0; i < 500; ++i) shuffled.push_back(static_cast<int>((seed = seed * 1103515245u + 12345u) >> 16) % 60);
  std::vector<int> reversed, inOrder, threeBlocks;
  for (int i = 0; i < 300; ++i) {
    reversed.push_back(300 - i);
    inOrder.push_back(i / 2);
  }
  for (int block = 0; block < 3; ++block)
    for (int i = 0; i < 100; ++i) threeBlocks.push_back(i * 3 + block);
  for (const auto& keys : {shuffled, reversed, inOrder, threeBlocks, std::vector<int>{}, std::vector<int>{4}})
    EXPECT_EQ(SortedRows(keys).first, StableSorted(keys)) << keys.size();

  EXPECT_EQ(SortedRows(inOrder).second, 299);
  // Three blocks in order, as a listing of three folders is: their runs are merged.
  EXPECT_LE(SortedRows(threeBlocks).second, 299 + 200 + 300);
}

TEST(ListViewModelTest, SortLeavesTheRowsAloneWhenTheComparatorAddsOne) {
  ListViewModel m = Recordings(0);
  for (const wchar_t* name : {L"b", L"c", L"a"}) m.InsertItem(m.ItemCount(), name);
  bool added = false;
  m.SortItems([&](int a, int b) {
    if (!added) added = m.InsertItem(0, L"late") >= 0;
    return m.ItemText(a, 0).compare(m.ItemText(b, 0));
  });
  EXPECT_EQ(m.ItemCount(), 4);
  EXPECT_EQ(m.ItemText(0, 0) + m.ItemText(1, 0) + m.ItemText(2, 0) + m.ItemText(3, 0), L"latebca");
}

TEST(ListViewModelTest, ScrollingInWholeRows) {
  ListViewModel m = Recordings(100);
  m.SetItemHeight(21);
  m.SetClientHeight(508);
  EXPECT_EQ(m.CountPerPage(), 24);
  EXPECT_EQ(m.ScrollLimit(), 76);
  EXPECT_TRUE(m.ScrollPixels(21));
  EXPECT_EQ(m.TopIndex(), 1);
  m.ScrollPixels(20);
  EXPECT_EQ(m.TopIndex(), 2);
  EXPECT_FALSE(m.ScrollPixels(10));
  m.ScrollPixels(220);
  EXPECT_EQ(m.TopIndex(), 12);
  m.ScrollPixels(-420);
  EXPECT_EQ(m.TopIndex(), 0);
  m.ScrollPixels(100000);
  EXPECT_EQ(m.TopIndex(), 76);
  m.EnsureVisible(10);
  EXPECT_EQ(m.TopIndex(), 10);
  m.EnsureVisible(40);
  EXPECT_EQ(m.TopIndex(), 17);
  // Deleting rows keeps the top within the new limit; when all fit the limit is 0.
  for (int i = 0; i < 90; ++i) m.DeleteItem(0);
  EXPECT_EQ(m.ScrollLimit(), 0);
  EXPECT_EQ(m.TopIndex(), 0);
  EXPECT_FALSE(m.NeedsScrollBar());
  m.DeleteAllItems();
  EXPECT_EQ(m.ScrollLimit(), 0);
}

TEST(ListViewModelTest, GeometryAndHitTests) {
  ListViewModel m = Recordings(30);
  m.SetItemHeight(21);
  m.SetClientHeight(310);
  m.SetTopIndex(5);
  int item = 0, sub = 0;
  m.HitTest(POINT{170, 22}, item, sub);
  EXPECT_EQ(item, 6);
  EXPECT_EQ(sub, 1);
  m.HitTest(POINT{290, 0}, item, sub);
  EXPECT_EQ(sub, 3);
  m.HitTest(POINT{308, 0}, item, sub);  // right of the last visible column
  EXPECT_EQ(item, -1);
  EXPECT_EQ(sub, -1);
  m.SetTopIndex(16);
  m.HitTest(POINT{10, 300}, item, sub);  // below the last row
  EXPECT_EQ(item, -1);
  EXPECT_EQ(sub, 0);
  CRect r = m.SubItemRect(17, 3);
  EXPECT_EQ(r, CRect(268, 21, 308, 42));
  EXPECT_TRUE(m.SubItemRect(17, 4).IsRectEmpty());
}

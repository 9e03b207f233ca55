#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "platform/win/ScrollInfo.h"
#include "tests/support/ListTestSupport.h"

using listtest::ListFixture;

namespace {

struct SortInfo {
  HWND list;
  int column;
  BYTE ascending;
};

// Reads both texts back from the list while it sorts, as the recording list's comparator does.
int CALLBACK_CompareText(LPARAM a, LPARAM b, LPARAM info) {
  auto* s = reinterpret_cast<SortInfo*>(info);
  wchar_t ta[256] = {}, tb[256] = {};
  LVITEM item;
  item.iSubItem = s->column;
  item.cchTextMax = 256;
  item.pszText = ta;
  SendMessage(s->list, LVM_GETITEMTEXT, static_cast<WPARAM>(a), reinterpret_cast<LPARAM>(&item));
  item.pszText = tb;
  SendMessage(s->list, LVM_GETITEMTEXT, static_cast<WPARAM>(b), reinterpret_cast<LPARAM>(&item));
  int c = std::wcscmp(ta, tb);
  return s->ascending ? c : -c;
}

int CALLBACK_InsertWhileSorting(LPARAM a, LPARAM b, LPARAM info) {
  auto* list = reinterpret_cast<CListCtrl*>(info);
  EXPECT_EQ(list->InsertItem(0, L"intruder"), -1);
  EXPECT_FALSE(list->DeleteItem(0));
  return list->GetItemText(static_cast<int>(a), 0).Compare(list->GetItemText(static_cast<int>(b), 0));
}

}  // namespace

TEST_F(ListFixture, ColumnsLiveInTheHiddenHeader) {
  CHeaderCtrl* header = list.GetHeaderCtrl();
  ASSERT_NE(header, nullptr);
  EXPECT_FALSE(header->IsWindowVisible());
  EXPECT_EQ(header->GetItemCount(), 6);
  CRect r;
  EXPECT_TRUE(header->GetItemRect(3, &r));
  EXPECT_EQ(r.left, 268);
  EXPECT_EQ(r.right, 308);
  EXPECT_FALSE(header->GetItemRect(6, &r));
  EXPECT_EQ(list.GetColumnWidth(0), 163);
  EXPECT_TRUE(list.SetColumnWidth(1, 52));
  EXPECT_EQ(list.GetColumnWidth(1), 52);
}

TEST_F(ListFixture, ItemsAndSubItems) {
  Fill(3);
  EXPECT_EQ(list.GetItemCount(), 3);
  EXPECT_EQ(list.InsertItem(99, L"last"), 3);  // clamped to the count
  EXPECT_EQ(list.InsertItem(1, L"second"), 1);
  EXPECT_EQ(list.GetItemText(2, 0), CString(L"file1"));
  EXPECT_EQ(list.GetItemText(2, 4), CString(L"/card/file1"));  // a zero-width column keeps its text
  EXPECT_EQ(list.GetItemText(1, 3), CString(L""));
  EXPECT_FALSE(list.SetItemText(9, 1, L"x"));
  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_EQ(list.GetItemText(0, 0), CString(L"second"));
  // Caller buffers get at most their size less one, terminated.
  std::wstring longName(300, L'n');
  list.SetItemText(0, 1, longName.c_str());
  wchar_t buffer[256];
  EXPECT_EQ(list.GetItemText(0, 1, buffer, 256), 255);
  EXPECT_EQ(std::wstring(buffer), longName.substr(0, 255));
  EXPECT_EQ(list.GetItemText(0, 1).GetLength(), 300);
  LVITEM item;
  item.mask = LVIF_TEXT;
  item.iItem = 1;
  item.iSubItem = 2;
  item.pszText = const_cast<LPWSTR>(L"12 KB");
  EXPECT_TRUE(list.SetItem(&item));
  EXPECT_EQ(list.GetItemText(1, 2), CString(L"12 KB"));
  item.iItem = 7;
  EXPECT_FALSE(list.SetItem(&item));
  EXPECT_TRUE(list.SetItemData(1, 77));
  EXPECT_EQ(list.GetItemData(1), 77u);
}

TEST_F(ListFixture, OneRowSelectedAtATime) {
  Fill(5);
  EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
  EXPECT_TRUE(list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED));
  EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED | LVIS_FOCUSED), LVIS_FOCUSED);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 3);
  EXPECT_EQ(list.GetSelectedCount(), 1u);
  // Selecting every row is refused; clearing every row works.
  EXPECT_FALSE(list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED));
  EXPECT_EQ(list.GetItemState(3, LVIS_SELECTED), LVIS_SELECTED);
  EXPECT_TRUE(list.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED));
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), -1);
  EXPECT_EQ(list.GetNextItem(3, LVNI_ALL), 4);
  EXPECT_EQ(list.GetNextItem(4, LVNI_ALL), -1);
  EXPECT_EQ(list.SetHotItem(2), -1);
  EXPECT_EQ(list.GetHotItem(), 2);
}

TEST_F(ListFixture, RowsAreMeasuredByTheOwner) {
  EXPECT_GE(list.m_measured, 1);
  Fill(30);
  CRect r;
  ASSERT_TRUE(list.GetSubItemRect(0, 0, LVIR_LABEL, r));
  EXPECT_EQ(r, CRect(2, 0, 163, 21));
  // A one-pixel small image moves the label one pixel; the measured height stays.
  CImageList images;
  ASSERT_TRUE(images.Create(1, 20, ILC_COLORDDB, 1, 1));
  EXPECT_EQ(list.SetImageList(&images, LVSIL_SMALL), nullptr);
  EXPECT_EQ(list.GetImageList(LVSIL_SMALL), &images);
  ASSERT_TRUE(list.GetSubItemRect(2, 0, LVIR_LABEL, r));
  EXPECT_EQ(r, CRect(3, 42, 163, 63));
  ASSERT_TRUE(list.GetSubItemRect(2, 3, LVIR_LABEL, r));
  EXPECT_EQ(r, CRect(268, 42, 308, 63));
  ASSERT_TRUE(list.GetSubItemRect(2, 4, LVIR_LABEL, r));
  EXPECT_TRUE(r.IsRectEmpty());
  // Sub-items answer for rows that do not exist; the item itself does not.
  EXPECT_TRUE(list.GetSubItemRect(40, 3, LVIR_LABEL, r));
  EXPECT_FALSE(list.GetSubItemRect(40, 0, LVIR_LABEL, r));
  EXPECT_FALSE(list.GetSubItemRect(0, 6, LVIR_LABEL, r));
  EXPECT_TRUE(list.GetItemRect(1, &r, LVIR_BOUNDS));
  EXPECT_EQ(r, CRect(0, 21, 308, 42));
  EXPECT_EQ(list.GetCountPerPage(), 24);
  list.MoveWindow(100, 50, 325, 310);
  EXPECT_EQ(list.GetCountPerPage(), 14);
}

TEST_F(ListFixture, TheNativeBarTakesItsWidthFromTheClient) {
  Fill(24);
  CRect client;
  list.GetClientRect(&client);
  EXPECT_EQ(client.Width(), 325);
  EXPECT_FALSE(list.GetStyle() & WS_VSCROLL);
  EXPECT_EQ(list.GetScrollLimit(SB_VERT), 0);
  Fill(1);
  list.GetClientRect(&client);
  EXPECT_EQ(client.Width(), 308);
  EXPECT_TRUE(list.GetStyle() & WS_VSCROLL);
  EXPECT_EQ(list.GetScrollLimit(SB_VERT), 1);
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  list.GetScrollInfo(SB_VERT, &si);
  EXPECT_EQ(si.nMax, 24);
  EXPECT_EQ(si.nPage, 24u);
  list.DeleteItem(0);
  EXPECT_FALSE(list.GetStyle() & WS_VSCROLL);
  list.DeleteAllItems();
  EXPECT_EQ(list.GetScrollLimit(SB_VERT), 0);
}

TEST_F(ListFixture, ScrollingRoundsToWholeRows) {
  Fill(100);
  EXPECT_EQ(list.GetScrollLimit(SB_VERT), 76);
  const struct {
    int dy;
    int top;
  } steps[] = {{21, 1},   {20, 2},   {10, 2},    {-10, 2},     {-20, 1},
               {220, 11}, {420, 31}, {-420, 11}, {100000, 76}, {-21, 75}};
  for (const auto& step : steps) {
    EXPECT_TRUE(list.Scroll(CSize(0, step.dy)));
    EXPECT_EQ(list.GetTopIndex(), step.top) << step.dy;
    EXPECT_EQ(list.GetScrollPos(SB_VERT), step.top);
  }
  CRect r;
  list.GetSubItemRect(75, 1, LVIR_LABEL, r);
  EXPECT_EQ(r.top, 0);
  EXPECT_TRUE(list.EnsureVisible(10, FALSE));
  EXPECT_EQ(list.GetTopIndex(), 10);
  list.EnsureVisible(40, FALSE);
  EXPECT_EQ(list.GetTopIndex(), 17);
  // Deleting rows keeps the top within the new limit.
  for (int i = 0; i < 90; ++i) list.DeleteItem(0);
  EXPECT_EQ(list.GetTopIndex(), 0);
  EXPECT_EQ(list.GetScrollPos(SB_VERT), 0);
}

TEST_F(ListFixture, RedrawOffDefersTheBarAndRepaintsOnce) {
  harness.Pump();
  list.SetRedraw(FALSE);
  Fill(40);
  list.m_drawn.clear();
  harness.Pump();
  EXPECT_TRUE(list.m_drawn.empty());
  EXPECT_FALSE(list.GetStyle() & WS_VSCROLL);
  list.SetRedraw(TRUE);
  EXPECT_TRUE(list.GetStyle() & WS_VSCROLL);
  harness.Pump();
  ASSERT_EQ(list.m_drawn.size(), 25u);  // 24 whole rows and the part of the next
  EXPECT_EQ(list.m_drawn.front().item, 0u);
}

TEST_F(ListFixture, SortReadsTextsFromAStableSnapshot) {
  std::vector<std::wstring> names;
  std::mt19937 random(7);
  for (int i = 0; i < 1000; ++i) names.push_back(L"2026" + std::to_wstring(random() % 100000));
  for (size_t i = 0; i < names.size(); ++i) {
    list.InsertItem(static_cast<int>(i), names[i].c_str());
    list.SetItemText(static_cast<int>(i), 4, (L"path-" + names[i]).c_str());
  }
  list.SetItemState(10, LVIS_SELECTED, LVIS_SELECTED);
  std::wstring selectedName = names[10];
  SortInfo info{list.m_hWnd, 0, 1};
  EXPECT_TRUE(list.SortItemsEx(CALLBACK_CompareText, reinterpret_cast<DWORD_PTR>(&info)));
  std::vector<std::wstring> sorted = names;
  std::stable_sort(sorted.begin(), sorted.end());
  for (int i = 0; i < 1000; ++i) {
    ASSERT_EQ(std::wstring(list.GetItemText(i, 0).GetString()), sorted[static_cast<size_t>(i)]);
    ASSERT_EQ(std::wstring(list.GetItemText(i, 4).GetString()), L"path-" + sorted[static_cast<size_t>(i)]);
  }
  int selected = list.GetNextItem(-1, LVNI_SELECTED);
  EXPECT_EQ(std::wstring(list.GetItemText(selected, 0).GetString()), selectedName);
  info.ascending = 0;
  list.SortItemsEx(CALLBACK_CompareText, reinterpret_cast<DWORD_PTR>(&info));
  EXPECT_EQ(std::wstring(list.GetItemText(0, 0).GetString()), sorted.back());
  // "A" before "a", a prefix before the longer name.
  list.DeleteAllItems();
  for (const wchar_t* n : {L"a", L"ABCD", L"A", L"ABC"}) list.InsertItem(list.GetItemCount(), n);
  info.ascending = 1;
  list.SortItemsEx(CALLBACK_CompareText, reinterpret_cast<DWORD_PTR>(&info));
  EXPECT_EQ(list.GetItemText(0, 0) + L"," + list.GetItemText(1, 0) + L"," + list.GetItemText(2, 0) + L"," +
                list.GetItemText(3, 0),
            CString(L"A,ABC,ABCD,a"));
}

TEST_F(ListFixture, RowsCannotComeOrGoWhileSorting) {
  Fill(20);
  EXPECT_TRUE(list.SortItemsEx(CALLBACK_InsertWhileSorting, reinterpret_cast<DWORD_PTR>(&list)));
  EXPECT_EQ(list.GetItemCount(), 20);
  EXPECT_EQ(list.GetItemText(0, 0), CString(L"file0"));
  EXPECT_EQ(list.GetItemText(2, 0), CString(L"file10"));
}

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "platform/win/Keys.h"
#include "tests/skin/RecordingListSupport.h"

using namespace rlisttest;

namespace {

constexpr COLORREF kBack = RGB(33, 33, 33);
constexpr COLORREF kSelected = RGB(71, 71, 71);
constexpr COLORREF kGrid = RGB(62, 62, 60);
constexpr COLORREF kAmber = RGB(239, 183, 26);

bool IsAmberish(COLORREF c) { return GetRValue(c) > 180 && GetGValue(c) > 130 && GetBValue(c) < 90; }

using ConfigListCtrlTest = RecordingListTest;

// A Tab press as the message loop delivers it to the focused list.
BOOL Tab(CConfigListCtrl& list, bool up = true) {
  MSG down{list.m_hWnd, WM_KEYDOWN, VK_TAB, 0};
  BOOL eaten = list.PreTranslateMessage(&down);
  if (up) {
    MSG release{list.m_hWnd, WM_KEYUP, VK_TAB, 0};
    list.PreTranslateMessage(&release);
  }
  return eaten;
}

TEST_F(ConfigListCtrlTest, FillingGivesEveryRowACheckCellMirroredInColumnThree) {
  Fill(6);
  EXPECT_EQ(list.m_cells.GetCount(), 6);
  EXPECT_TRUE(list.m_cells.Contains(0x00050003));
  EXPECT_EQ(Text(5, 3), L"0");
  EXPECT_EQ(list.GetRowHeight(), 21);
  EXPECT_FALSE(list.SetCellCtrl(40, new CCellCheckBox));  // no such row: stored, not shown
  EXPECT_TRUE(list.m_cells.Contains(CConfigListCtrl::CellKey(40, 3)));
}

TEST_F(ConfigListCtrlTest, InsertingARowInTheMiddleMovesTheLaterCells) {
  Fill(5);
  CCellCheckBox* cells[5];
  for (int r = 0; r < 5; ++r) cells[r] = CheckBox(r);
  list.ShiftCellRows(2, TRUE);
  list.ShiftTabOrderRows(2, TRUE);
  EXPECT_EQ(CheckBox(0), cells[0]);
  EXPECT_EQ(CheckBox(1), cells[1]);
  EXPECT_EQ(CheckBox(2), nullptr);
  for (int r = 2; r < 5; ++r) EXPECT_EQ(CheckBox(r + 1), cells[r]);
}

TEST_F(ConfigListCtrlTest, RowsBeyondSixteenBitsKeepTheirOwnCells) {
  Fill(4);
  CCellCheckBox* row3 = CheckBox(3);
  auto* far = new CCellCheckBox;
  list.SetCellCtrl(65536 + 3, far);
  EXPECT_EQ(CheckBox(3), row3);
  EXPECT_EQ(CheckBox(65536 + 3), far);
  EXPECT_NE(CConfigListCtrl::CellKey(65536 + 3, 3), CConfigListCtrl::CellKey(3, 3));
  EXPECT_EQ(CConfigListCtrl::CellKey(5, 3), 0x00050003u);
}

TEST_F(ConfigListCtrlTest, EmptyingFromTheTopDeletesEveryCellOnceAndTheCurrentFirst) {
  int deleted = 0;
  std::wstring log;
  for (int r = 0; r < 5; ++r) {
    list.InsertItem(r, L"x");
    list.SetCellCtrl(r, new CCountingCheckBox(&deleted, r == 0 ? &log : nullptr));
  }
  harness.Pump();
  harness.Click(list.m_hWnd, Glyph(0));
  harness.Pump();
  ASSERT_EQ(list.GetCurrentRow(), 0);
  Empty();
  EXPECT_EQ(deleted, 5);
  EXPECT_EQ(list.m_cells.GetCount(), 0);
  EXPECT_EQ(list.GetCurrentCell(), nullptr);
  EXPECT_EQ(list.GetCurrentRow(), -1);
  EXPECT_EQ(log, L"deactivate;deleted;");
}

TEST_F(ConfigListCtrlTest, ClickOnTheGlyphTogglesBeforeTheParentHearsIt) {
  Fill(3);
  harness.Click(list.m_hWnd, Glyph(1));
  harness.Pump();
  ASSERT_EQ(parent.m_notices.size(), 1u);
  EXPECT_EQ(parent.m_notices[0].code, NM_CLICK);
  EXPECT_EQ(parent.m_notices[0].item, 1);
  EXPECT_EQ(parent.m_notices[0].checkText, L"1");
  EXPECT_EQ(list.GetFirstSelectedItem(), 1);
  EXPECT_EQ(list.GetCurrentRow(), 1);
  EXPECT_EQ(list.GetCurrentColumn(), 3);
  harness.AdvanceTime(1000);  // two separate clicks, not a double-click
  harness.Click(list.m_hWnd, Glyph(1));
  harness.Pump();
  EXPECT_EQ(Text(1, 3), L"0");
  EXPECT_STREQ(CheckBox(1)->GetText().GetString(), L"0");
}

TEST_F(ConfigListCtrlTest, ClickOnANameLeavesTheCellAndSelectsTheRow) {
  Fill(3);
  harness.Click(list.m_hWnd, Glyph(0));
  harness.Pump();
  ASSERT_TRUE(CheckBox(0)->IsActive());
  harness.AdvanceTime(1000);
  harness.Click(list.m_hWnd, CPoint(40, 2 * 21 + 10));
  harness.Pump();
  EXPECT_EQ(list.GetCurrentCell(), nullptr);
  EXPECT_FALSE(CheckBox(0)->IsActive());
  EXPECT_EQ(list.GetFirstSelectedItem(), 2);
  EXPECT_EQ(Text(0, 3), L"1");
  // Below the last row there is no cell, whatever column.
  harness.AdvanceTime(1000);
  harness.Click(list.m_hWnd, CPoint(Glyph(0).x, 10 * 21 + 5));
  harness.Pump();
  EXPECT_EQ(list.GetCurrentCell(), nullptr);
  EXPECT_EQ(parent.m_notices.back().item, -1);
}

TEST_F(ConfigListCtrlTest, ADisabledCellIsNoCell) {
  Fill(2);
  CheckBox(0)->AddStyle(CELL_DISABLED);
  harness.Click(list.m_hWnd, Glyph(0));
  harness.Pump();
  CheckBox(0)->RemoveStyle(CELL_DISABLED);
  EXPECT_EQ(Text(0, 3), L"0");
  EXPECT_EQ(list.GetCurrentCell(), nullptr);
}

TEST_F(ConfigListCtrlTest, KeysGoToTheCurrentCellNotTheSelection) {
  Fill(4);
  list.SetFocus();
  list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  harness.Key(VK_DOWN);
  harness.Pump();
  EXPECT_EQ(list.GetFirstSelectedItem(), 2);
  harness.Click(list.m_hWnd, Glyph(0));
  harness.Pump();
  harness.Key(VK_DOWN);
  harness.Pump();
  EXPECT_EQ(list.GetFirstSelectedItem(), 0);
}

// A cell that keeps the wheel from the list.
class CWheelEater : public CCellCheckBox {
public:
  BOOL OnMouseWheel(UINT, short, int, int) override {
    ++m_wheels;
    return 0;
  }
  int m_wheels = 0;
};

TEST_F(ConfigListCtrlTest, TheCurrentCellSeesTheWheelFirst) {
  Fill(60);
  auto* eater = new CWheelEater;
  list.SetCellCtrl(0, eater);
  harness.Click(list.m_hWnd, Glyph(0));
  harness.Pump();
  ASSERT_EQ(list.GetCurrentCell(), eater);
  harness.Wheel(list.m_hWnd, CPoint(40, 100), -120);
  harness.Pump();
  EXPECT_EQ(eater->m_wheels, 1);
  EXPECT_EQ(list.GetTopIndex(), 0);
  harness.AdvanceTime(1000);
  harness.Click(list.m_hWnd, CPoint(40, 30));
  harness.Wheel(list.m_hWnd, CPoint(40, 100), -120);
  harness.Pump();
  EXPECT_EQ(eater->m_wheels, 1);
  EXPECT_EQ(list.GetTopIndex(), 3);
}

TEST_F(ConfigListCtrlTest, TabWalksTheCellsAndLeavesAtEitherEnd) {
  Fill(3);
  list.SetFocus();
  // No key-up seen yet and no current cell: Tab leaves the list.
  EXPECT_FALSE(Tab(list));
  EXPECT_TRUE(Tab(list));
  EXPECT_EQ(list.GetCurrentRow(), 0);
  EXPECT_EQ(list.GetFirstSelectedItem(), 0);
  EXPECT_TRUE(Tab(list, false));  // held down: repeats step on
  EXPECT_EQ(list.GetCurrentRow(), 1);
  EXPECT_FALSE(CheckBox(0)->IsActive());
  EXPECT_TRUE(Tab(list, false));
  EXPECT_EQ(list.GetCurrentRow(), 2);
  EXPECT_FALSE(Tab(list));  // past the last cell
  // Shift+Tab starts from the last cell and leaves before the first.
  harness.KeyDown(VK_SHIFT);
  EXPECT_TRUE(Tab(list));
  EXPECT_EQ(list.GetCurrentRow(), 2);
  EXPECT_TRUE(Tab(list, false));
  EXPECT_TRUE(Tab(list, false));
  EXPECT_EQ(list.GetCurrentRow(), 0);
  EXPECT_FALSE(Tab(list));
  harness.KeyUp(VK_SHIFT);
}

TEST_F(ConfigListCtrlTest, TabOnAnEmptyListIsNotTaken) {
  list.SetFocus();
  Tab(list);
  EXPECT_FALSE(Tab(list));
}

TEST_F(ConfigListCtrlTest, LosingTheFocusEndsTheCurrentCell) {
  Fill(2);
  harness.Click(list.m_hWnd, Glyph(1));
  harness.Pump();
  ASSERT_EQ(CWnd::GetFocus(), &list);
  EXPECT_EQ(platform::CaretOwner(), list.m_hWnd);
  parent.SetFocus();
  harness.Pump();
  EXPECT_EQ(list.GetCurrentCell(), nullptr);
  EXPECT_FALSE(CheckBox(1)->IsActive());
  EXPECT_EQ(platform::CaretOwner(), nullptr);
}

TEST_F(ConfigListCtrlTest, SortComparesCodeUnitsExactly) {
  std::vector<std::wstring> names = {L"b", L"a", L"A", L"ABCD", L"ABC", L"_"};
  for (int i = 0; i < 200; ++i) names.push_back(L"n" + std::to_wstring((i * 7919) % 1000));
  for (size_t i = 0; i < names.size(); ++i) list.InsertItem(static_cast<int>(i), names[i].c_str());
  CONFIGLIST_SORTINFO info{list.m_hWnd, 0, 1};
  list.SortItemsEx(CompareItemText, reinterpret_cast<DWORD_PTR>(&info));
  std::vector<std::wstring> sorted = names;
  std::sort(sorted.begin(), sorted.end());
  for (size_t i = 0; i < sorted.size(); ++i) ASSERT_EQ(Text(static_cast<int>(i), 0), sorted[i]);
  EXPECT_EQ(Text(0, 0), L"A");
  info.bAscending = 0;
  list.SortItemsEx(CompareItemText, reinterpret_cast<DWORD_PTR>(&info));
  EXPECT_EQ(Text(0, 0), sorted.back());
  std::wstring longA(300, L'x'), longB(300, L'x');
  longB[280] = L'y';
  list.InsertItem(0, longA.c_str());
  list.InsertItem(1, longB.c_str());
  info.bAscending = 1;
  EXPECT_EQ(CompareItemText(0, 1, reinterpret_cast<LPARAM>(&info)), 0);
}

TEST_F(ConfigListCtrlTest, EmptyListPaintsBackgroundAndGrid) {
  Paint();
  EXPECT_EQ(Pixel(CPoint(50, 10)), kBack);
  EXPECT_EQ(Pixel(CPoint(162, 10)), kGrid);
  EXPECT_EQ(Pixel(CPoint(213, 10)), kGrid);
  EXPECT_EQ(Pixel(CPoint(267, 10)), kGrid);
  EXPECT_EQ(Pixel(CPoint(50, 0)), kGrid);
  EXPECT_EQ(Pixel(CPoint(50, 21)), kGrid);
  EXPECT_EQ(Pixel(CPoint(50, 42)), kGrid);
  EXPECT_EQ(Pixel(CPoint(50, 30)), kBack);
}

TEST_F(ConfigListCtrlTest, CheckedAndSelectedRowsPaintTheirColours) {
  Fill(3);
  CheckBox(1)->m_strText = L"1";
  list.SetCellText(CheckBox(1), L"1");
  list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
  Paint();
  const CPoint amberInBox(kCheckLeft + 10 + 8, 3 + 8);
  EXPECT_NE(Pixel(amberInBox), kAmber);
  EXPECT_EQ(Pixel(amberInBox + CPoint(0, 21)), kAmber);
  EXPECT_EQ(Text(1, 3), L"1");
  EXPECT_EQ(Pixel(CPoint(150, 2 * 21 + 2)), kSelected);         // a plain cell of the selected row
  EXPECT_EQ(Pixel(CPoint(kCheckLeft + 2, 2 * 21 + 2)), kBack);  // its check cell stays dark
  list.EnableWindow(FALSE);
  Paint();
  EXPECT_EQ(Pixel(CPoint(150, 2 * 21 + 2)), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(Pixel(CPoint(kCheckLeft + 10 + 2, 21 + 3 + 1)), RGB(0x5a, 0x46, 0x10));
}

TEST_F(ConfigListCtrlTest, ThePlayingRowIsAmber) {
  Fill(3);
  CFakeMainWnd main;
  SetMainWindow(&main);
  auto amberIn = [&](int row) {
    int n = 0;
    for (int y = row * 21 + 1; y < row * 21 + 21; ++y)
      for (int x = 0; x < 160; ++x) n += IsAmberish(Pixel(CPoint(x, y)));
    return n;
  };
  Paint();
  EXPECT_EQ(amberIn(1), 0);
  main.m_nCurItem = 1;
  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  Paint();
  EXPECT_GT(amberIn(1), 0);
  EXPECT_EQ(amberIn(0), 0);
  EXPECT_EQ(amberIn(2), 0);
  SetMainWindow(nullptr);
  Paint();
  EXPECT_EQ(amberIn(1), 0);
}

}  // namespace

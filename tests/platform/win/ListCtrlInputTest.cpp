#include <gtest/gtest.h>

#include "platform/win/Dialog.h"
#include "platform/win/Input.h"
#include "platform/win/Keys.h"
#include "platform/win/ScrollInfo.h"
#include "tests/support/ListTestSupport.h"

using listtest::CTestList;
using listtest::ListFixture;

namespace {

CPoint RowPoint(int row, int x = 50) { return CPoint(x, row * 21 + 10); }

}  // namespace

TEST_F(ListFixture, PressSelectsAndNotifiesAtOnce) {
  Fill(10);
  list.SetItemText(2, 3, L"1");
  harness.Press(list, RowPoint(2, 280));
  // NM_CLICK comes from the press itself, with the row already selected.
  ASSERT_EQ(parent.m_notices.size(), 1u);
  EXPECT_EQ(parent.m_notices[0].code, NM_CLICK);
  EXPECT_EQ(parent.m_notices[0].item, 2);
  EXPECT_EQ(parent.m_notices[0].subItem, 3);
  EXPECT_EQ(parent.m_notices[0].checkText, L"1");
  EXPECT_EQ(parent.m_notices[0].selected, LVIS_SELECTED);
  EXPECT_EQ(list.GetItemState(2, LVIS_FOCUSED), LVIS_FOCUSED);
  EXPECT_EQ(GetFocus(), list.m_hWnd);
  harness.Release(list, RowPoint(2, 280));
  EXPECT_EQ(parent.m_notices.size(), 1u);
  // Below the last row: nothing selected, the column still reported.
  harness.AdvanceTime(1000);
  harness.Click(list, CPoint(20, 400));
  ASSERT_EQ(parent.m_notices.size(), 2u);
  EXPECT_EQ(parent.m_notices[1].item, -1);
  EXPECT_EQ(parent.m_notices[1].subItem, 0);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
}

TEST_F(ListFixture, DoubleAndRightClicks) {
  Fill(10);
  harness.Click(list, RowPoint(4));
  harness.Click(list, RowPoint(4));
  ASSERT_EQ(parent.m_notices.size(), 2u);
  EXPECT_EQ(parent.m_notices[1].code, NM_DBLCLK);
  EXPECT_EQ(parent.m_notices[1].item, 4);
  harness.AdvanceTime(1000);
  harness.Click(list, RowPoint(6), platform::MouseButton::Right);
  ASSERT_EQ(parent.m_notices.size(), 3u);
  EXPECT_EQ(parent.m_notices[2].code, NM_RCLICK);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 6);
  // Right of the last column hits no row.
  LVHITTESTINFO hit;
  hit.pt = CPoint(310, 10);
  EXPECT_EQ(list.SubItemHitTest(&hit), -1);
  EXPECT_EQ(hit.iSubItem, -1);
}

TEST_F(ListFixture, KeysMoveTheSelectionAndKeepItInView) {
  Fill(60);
  list.SetFocus();
  harness.Key(VK_DOWN);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);
  harness.Key(VK_DOWN);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED | LVNI_FOCUSED), 1);
  harness.Key(VK_END);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 59);
  EXPECT_EQ(list.GetTopIndex(), 36);
  harness.Key(VK_PRIOR);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 36);
  harness.Key(VK_PRIOR);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 13);
  EXPECT_EQ(list.GetTopIndex(), 13);
  harness.Key(VK_HOME);
  EXPECT_EQ(list.GetTopIndex(), 0);
  EXPECT_EQ(list.SendMessage(WM_GETDLGCODE), static_cast<LRESULT>(DLGC_WANTARROWS | DLGC_WANTCHARS));
}

TEST_F(ListFixture, WheelAndScrollMessagesMoveByRows) {
  Fill(60);
  harness.Wheel(list, RowPoint(1), -WHEEL_DELTA);
  EXPECT_EQ(list.GetTopIndex(), 3);
  list.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(list.GetTopIndex(), 27);
  list.SendMessage(WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(list.GetTopIndex(), 36);
  list.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5));
  EXPECT_EQ(list.GetScrollPos(SB_VERT), 5);
}

TEST_F(ListFixture, OwnerDrawsVisibleRowsInOrderAfterCustomDraw) {
  Fill(40);
  list.Scroll(CSize(0, 5 * 21));
  list.SetItemState(7, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  harness.Pump();
  list.m_drawn.clear();
  list.m_events.clear();
  list.Invalidate();
  harness.Pump();
  ASSERT_EQ(list.m_drawn.size(), 25u);
  EXPECT_EQ(list.m_events.front(), L"custom 1");
  for (size_t i = 0; i < list.m_drawn.size(); ++i) {
    EXPECT_EQ(list.m_drawn[i].item, 5 + i);
    EXPECT_EQ(list.m_drawn[i].rect, CRect(0, static_cast<int>(i) * 21, 308, static_cast<int>(i + 1) * 21));
  }
  // Selection shows without the focus; the focus mark only with it.
  EXPECT_EQ(list.m_drawn[2].state, static_cast<UINT>(ODS_SELECTED));
  EXPECT_EQ(harness.Pixel(list, RowPoint(2)), RGB(71, 71, 71));
  EXPECT_EQ(harness.Pixel(list, RowPoint(3)), RGB(33, 33, 33));
  list.SetFocus();
  list.m_drawn.clear();
  harness.Pump();
  ASSERT_FALSE(list.m_drawn.empty());
  EXPECT_EQ(list.m_drawn[0].item, 7u);
  EXPECT_EQ(list.m_drawn[0].state, static_cast<UINT>(ODS_SELECTED | ODS_FOCUS));
  parent.SetFocus();
  list.m_drawn.clear();
  harness.Pump();
  ASSERT_FALSE(list.m_drawn.empty());
  EXPECT_EQ(list.m_drawn[0].state, static_cast<UINT>(ODS_SELECTED));
}

TEST_F(ListFixture, PaintIntoAGivenDeviceContext) {
  Fill(3);
  harness.Pump();
  CClientDC screen(&list);
  CDC memory;
  memory.CreateCompatibleDC(&screen);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&screen, 325, 508);
  CSelectObjectScope select(&memory, &bitmap);
  memory.FillSolidRect(0, 0, 325, 508, RGB(1, 2, 3));
  list.m_drawn.clear();
  list.Invalidate();
  list.DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memory.GetSafeHdc()), 0);
  EXPECT_EQ(list.m_drawn.size(), 3u);
  EXPECT_EQ(memory.GetPixel(10, 10), RGB(33, 33, 33));
  EXPECT_EQ(memory.GetPixel(10, 100), RGB(1, 2, 3));  // below the rows: left alone
  CRect update;
  EXPECT_TRUE(list.GetUpdateRect(&update));  // the caller's invalidation still waits
}

// A list created from a template is bound to its object later: the first measure goes
// unanswered and the first drawn row asks for a new one in the middle of the paint.
TEST_F(ListFixture, RemeasureInTheMiddleOfAPaint) {
  HWND raw = CreateWindowEx(0, WC_LISTVIEW, L"", listtest::kListStyle, 0, 0, 325, 508, parent,
                            reinterpret_cast<HMENU>(77), nullptr);
  ASSERT_NE(raw, nullptr);
  CTestList late;
  late.m_rowHeight = 25;
  ASSERT_TRUE(late.SubclassWindow(raw));
  EXPECT_EQ(late.m_measured, 0);
  late.InsertColumn(0, L"Name", LVCFMT_LEFT, 163);
  for (int i = 0; i < 40; ++i) late.InsertItem(i, L"row");
  CRect r;
  late.GetItemRect(0, &r, LVIR_BOUNDS);
  EXPECT_NE(r.Height(), 25);
  late.m_remeasureOnFirstDraw = true;
  harness.Pump();
  EXPECT_EQ(late.m_measured, 1);
  late.GetItemRect(0, &r, LVIR_BOUNDS);
  EXPECT_EQ(r.Height(), 25);
  // The paint that followed used the new height.
  ASSERT_FALSE(late.m_drawn.empty());
  EXPECT_EQ(late.m_drawn.back().rect.Height(), 25);
  EXPECT_EQ(late.GetCountPerPage(), 20);
  late.DestroyWindow();
}

TEST_F(ListFixture, TenThousandRowsScrollAndHitTest) {
  list.SetRedraw(FALSE);
  Fill(10000);
  list.SetRedraw(TRUE);
  EXPECT_EQ(list.GetItemCount(), 10000);
  EXPECT_EQ(list.GetScrollLimit(SB_VERT), 10000 - 24);
  for (int page = 0; page < 30; ++page) list.Scroll(CSize(0, 24 * 21));
  EXPECT_EQ(list.GetTopIndex(), 720);
  LVHITTESTINFO hit;
  hit.pt = CPoint(200, 5 * 21 + 3);
  EXPECT_EQ(list.SubItemHitTest(&hit), 725);
  EXPECT_EQ(hit.iSubItem, 1);
  list.EnsureVisible(9999, FALSE);
  EXPECT_EQ(list.GetTopIndex(), 9976);
  hit.pt = CPoint(10, 23 * 21 + 20);
  EXPECT_EQ(list.SubItemHitTest(&hit), 9999);
  hit.pt = CPoint(10, 24 * 21 + 1);  // the strip below the last whole row is empty
  EXPECT_EQ(list.SubItemHitTest(&hit), -1);
  list.m_drawn.clear();
  harness.Pump();
  ASSERT_EQ(list.m_drawn.size(), 24u);
  EXPECT_EQ(list.m_drawn.front().item, 9976u);
  harness.Click(list, RowPoint(10));
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 9986);
  ASSERT_FALSE(parent.m_notices.empty());
  EXPECT_EQ(parent.m_notices.back().item, 9986);
  for (int i = 0; i < 10000; ++i) list.DeleteItem(0);
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_EQ(list.GetTopIndex(), 0);
}

#include <gtest/gtest.h>

#include "platform/win/Keys.h"
#include "tests/skin/RecordingListSupport.h"

using namespace rlisttest;

namespace {

using OktFileListVerticleScrollbarTest = RecordingListTest;

constexpr int kBarX = 8;

TEST(ScrollThumbArithmetic, HeightTopAndHiddenBar) {
  SCROLLTHUMB t = ComputeScrollThumb(300, 0, 90, 100, 10);
  EXPECT_EQ(t.nHeight, 26);
  EXPECT_EQ(t.nTop, 16);
  EXPECT_TRUE(t.bVisible);
  EXPECT_EQ(ComputeScrollThumb(300, 0, 990, 1000, 10).nHeight, 20);
  EXPECT_EQ(ComputeScrollThumb(300, 90, 90, 100, 10).nTop, 300 - 16 - 26);
  // Every row fits: no limit, and no division by it.
  t = ComputeScrollThumb(508, 0, 0, 24, 24);
  EXPECT_FALSE(t.bVisible);
  EXPECT_EQ(t.nHeight, 50);
  EXPECT_EQ(t.nTop, 16);
  EXPECT_EQ(t.dPixelsPerPos, 0.0);
}

TEST_F(OktFileListVerticleScrollbarTest, SitsBesideTheListInTheParentAndStaysThere) {
  CRect bar, window;
  Bar().GetWindowRect(&bar);
  parent.ScreenToClient(&bar);
  EXPECT_EQ(bar, CRect(kListLeft + 307, kListTop, kListLeft + 307 + 18, kListTop + kListHeight));
  list.GetWindowRect(&window);
  EXPECT_EQ(window.Width(), kListWidth);
  list.RepositionSkinScrollBar();
  list.RepositionSkinScrollBar();
  list.GetWindowRect(&window);
  EXPECT_EQ(window.Width(), kListWidth);
  CRect again;
  Bar().GetWindowRect(&again);
  parent.ScreenToClient(&again);
  EXPECT_EQ(again, bar);
  // The owner moves the list: the bar follows.
  list.MoveWindow(2, 79, kListWidth, 310);
  list.RepositionSkinScrollBar();
  Bar().GetWindowRect(&again);
  parent.ScreenToClient(&again);
  EXPECT_EQ(again, CRect(2 + 307, 79, 2 + 307 + 18, 79 + 310));
}

TEST_F(OktFileListVerticleScrollbarTest, ShownOnlyWhileRowsOverflowAndTakesTheClicksBesideTheList) {
  Fill(24);
  Paint();
  EXPECT_FALSE(Bar().IsWindowVisible());
  EXPECT_EQ(Bar().m_nThumbHeight, 50);
  Fill(1);
  Paint();
  ASSERT_TRUE(Bar().IsWindowVisible());
  CPoint inBar(309, 200);
  list.ClientToScreen(&inBar);
  EXPECT_EQ(CWnd::WindowFromPoint(inBar), &Bar());
  EXPECT_EQ(Pixel(CPoint(300, 200)), RGB(33, 33, 33));
}

TEST_F(OktFileListVerticleScrollbarTest, ArrowClicksScrollALineAndHoldingRepeats) {
  Fill(100);
  Paint();
  const int h = kListHeight;
  harness.Click(Bar().m_hWnd, CPoint(kBarX, h - 8));
  harness.Pump();
  EXPECT_EQ(list.GetTopIndex(), 1);
  harness.AdvanceTime(1000);
  harness.Press(Bar().m_hWnd, CPoint(kBarX, h - 8));
  harness.Pump();
  harness.AdvanceTime(250);
  EXPECT_EQ(list.GetTopIndex(), 1);
  harness.AdvanceTime(150);
  EXPECT_EQ(list.GetTopIndex(), 4);
  harness.Release(Bar().m_hWnd, CPoint(kBarX, h - 8));
  harness.Pump();
  EXPECT_EQ(list.GetTopIndex(), 5);
  harness.AdvanceTime(1000);
  EXPECT_EQ(list.GetTopIndex(), 5);
  harness.Click(Bar().m_hWnd, CPoint(kBarX, 8));
  harness.Pump();
  EXPECT_EQ(list.GetTopIndex(), 4);
}

TEST_F(OktFileListVerticleScrollbarTest, QuickClicksOnAnArrowEachScroll) {
  Fill(100);
  Paint();
  harness.Click(Bar().m_hWnd, CPoint(kBarX, kListHeight - 8));
  harness.Click(Bar().m_hWnd, CPoint(kBarX, kListHeight - 8));
  harness.Pump();
  EXPECT_EQ(list.GetTopIndex(), 2);
}

TEST_F(OktFileListVerticleScrollbarTest, TrackClicksPageAndTheThumbFollowsTheList) {
  Fill(100);
  Paint();
  const int perPage = list.GetCountPerPage();
  ASSERT_EQ(perPage, 24);
  const int thumbHeight = Bar().m_nThumbHeight;
  EXPECT_EQ(thumbHeight, static_cast<int>(24.0 / 100 * (kListHeight - 32)));
  EXPECT_EQ(Bar().m_nThumbTop, 16);
  harness.Click(Bar().m_hWnd, CPoint(kBarX, 300));
  harness.Pump();
  EXPECT_EQ(list.GetTopIndex(), perPage);
  const double ppp = static_cast<double>(kListHeight - thumbHeight - 32) / (100 - perPage);
  EXPECT_EQ(Bar().m_nThumbTop, static_cast<int>(ppp * perPage) + 16);
  harness.AdvanceTime(1000);
  harness.Click(Bar().m_hWnd, CPoint(kBarX, 20));
  harness.Pump();
  EXPECT_EQ(list.GetTopIndex(), 0);
  harness.AdvanceTime(1000);
  harness.Click(Bar().m_hWnd, CPoint(kBarX, 16 + thumbHeight / 2));  // on the thumb: nothing
  harness.Pump();
  EXPECT_EQ(list.GetTopIndex(), 0);
  // The list scrolled by other means: its next paint moves the thumb.
  list.SetFocus();
  harness.Key(VK_END);
  harness.Pump();
  EXPECT_EQ(list.GetTopIndex(), 100 - perPage);
  EXPECT_EQ(Bar().m_nThumbTop, kListHeight - 16 - thumbHeight);
}

TEST_F(OktFileListVerticleScrollbarTest, DraggingTheThumbScrollsRowForRow) {
  Fill(100);
  Paint();
  const int thumbHeight = Bar().m_nThumbHeight;
  CPoint grab(kBarX, 16 + thumbHeight / 2);
  harness.Press(Bar().m_hWnd, grab);
  harness.Pump();
  ASSERT_EQ(Bar().m_bDragging, 1);
  const double ppp = static_cast<double>(kListHeight - thumbHeight - 32) / 76;
  const int y = 16 + thumbHeight / 2 + static_cast<int>(ppp * 40 + 0.5);
  harness.MoveTo(Bar().m_hWnd, CPoint(kBarX, y));
  harness.Pump();
  EXPECT_EQ(list.GetTopIndex(), static_cast<int>((y - thumbHeight / 2 - 16) / ppp));
  harness.MoveTo(Bar().m_hWnd, CPoint(kBarX, kListHeight - 16));
  harness.Pump();
  EXPECT_EQ(list.GetTopIndex(), 76);
  EXPECT_EQ(Bar().m_nThumbTop, kListHeight - 16 - thumbHeight);
  harness.Release(Bar().m_hWnd, CPoint(kBarX, kListHeight - 16));
  harness.Pump();
  EXPECT_EQ(list.GetTopIndex(), 76);
  EXPECT_EQ(Bar().m_bDragging, 0);
}

TEST_F(OktFileListVerticleScrollbarTest, TheListEmptyingDuringADragScrollsNothing) {
  Fill(100);
  Paint();
  harness.Press(Bar().m_hWnd, CPoint(kBarX, 16 + Bar().m_nThumbHeight / 2));
  harness.Pump();
  Empty();
  harness.MoveTo(Bar().m_hWnd, CPoint(kBarX, 300));
  harness.Pump();
  harness.Release(Bar().m_hWnd, CPoint(kBarX, 300));
  harness.Pump();
  EXPECT_EQ(list.GetTopIndex(), 0);
  EXPECT_FALSE(Bar().IsWindowVisible());
}

TEST_F(OktFileListVerticleScrollbarTest, PaintsArrowsTrackAndThumbFromTheSkin) {
  Fill(100);
  Paint();
  auto bar = [&](int x, int y) { return harness.Pixel(Bar().m_hWnd, CPoint(x, y)); };
  EXPECT_EQ(bar(17, 5), RGB(13, 14, 15));
  EXPECT_EQ(bar(8, 16 + Bar().m_nThumbHeight / 2), RGB(0x48, 0x48, 0x48));
  EXPECT_EQ(bar(8, 400), RGB(0x1a, 0x1a, 0x1a));
  EXPECT_EQ(bar(0, 400), RGB(0x10, 0x10, 0x10));
}

}  // namespace

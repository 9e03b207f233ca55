#include <gtest/gtest.h>

#include "platform/win/VideoOverlay.h"
#include "platform/win/Wnd.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

class PaintTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterRecorderClasses();
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr));
    ASSERT_TRUE(child.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 60), &parent, 1));
    harness.Pump();
  }
  void TearDown() override { parent.DestroyWindow(); }

  platform::test::WindowHarness harness;
  CSolidWnd parent{RGB(0, 0, 255)};
  CSolidWnd child{RGB(255, 0, 0)};
};

TEST_F(PaintTest, ParentPaintsFirstAndChildrenOnTop) {
  EXPECT_EQ(harness.Pixel(parent, CPoint(5, 5)), RGB(0, 0, 255));
  EXPECT_EQ(harness.Pixel(parent, CPoint(20, 20)), RGB(255, 0, 0));
  EXPECT_EQ(harness.Pixel(child, CPoint(0, 0)), RGB(255, 0, 0));
  // Invalidating a parent without WS_CLIPCHILDREN repaints the children it covers.
  int childPaints = child.m_paints;
  parent.Invalidate(FALSE);
  harness.Pump();
  EXPECT_EQ(child.m_paints, childPaints + 1);
  EXPECT_EQ(harness.Pixel(parent, CPoint(20, 20)), RGB(255, 0, 0));
}

// A parent paints the bounds of its update region; every child under that paint is drawn
// again after it, even one outside the invalid pieces or one painted since they came.
TEST_F(PaintTest, ChildrenUnderAParentsPaintAreDrawnAgainAfterIt) {
  parent.InvalidateRect(CRect(0, 0, 5, 5), FALSE);
  parent.InvalidateRect(CRect(100, 80, 120, 90), FALSE);  // the bounds cover the child
  harness.Pump();
  EXPECT_EQ(harness.Pixel(parent, CPoint(20, 20)), RGB(255, 0, 0));
  parent.Invalidate(FALSE);
  child.UpdateWindow();
  harness.Pump();
  EXPECT_EQ(harness.Pixel(parent, CPoint(20, 20)), RGB(255, 0, 0));
  // The parent alone painted now: the child follows at the next pass.
  parent.Invalidate(FALSE);
  child.UpdateWindow();
  parent.UpdateWindow();
  harness.Pump();
  EXPECT_EQ(harness.Pixel(parent, CPoint(20, 20)), RGB(255, 0, 0));
}

// Erasing through GetUpdateRect covers what BeginPaint's erase would: the bounds of the
// region, and the children there are drawn again after it.
TEST_F(PaintTest, EraseOnRequestStaysInTheRegionsBounds) {
  parent.m_eraseFills = true;
  parent.m_color = RGB(0, 0, 9);
  parent.InvalidateRect(CRect(100, 60, 120, 80), TRUE);
  CRect update;
  EXPECT_TRUE(parent.GetUpdateRect(&update, TRUE));
  EXPECT_EQ(update, CRect(100, 60, 120, 80));
  EXPECT_EQ(harness.Pixel(parent, CPoint(110, 70)), RGB(0, 0, 9));
  EXPECT_EQ(harness.Pixel(parent, CPoint(20, 20)), RGB(255, 0, 0));
  EXPECT_EQ(harness.Pixel(parent, CPoint(150, 90)), RGB(0, 0, 255));
  harness.Pump();
  parent.InvalidateRect(CRect(0, 0, 5, 5), TRUE);
  parent.InvalidateRect(CRect(100, 80, 120, 90), TRUE);
  parent.GetUpdateRect(&update, TRUE);
  parent.ValidateRect(nullptr);  // only the erase covered the child
  harness.Pump();
  EXPECT_EQ(harness.Pixel(parent, CPoint(20, 20)), RGB(255, 0, 0));
}

TEST_F(PaintTest, EraseOnlyWhenAnInvalidationAskedForIt) {
  int erases = child.m_erases;
  child.Invalidate(FALSE);
  harness.Pump();
  EXPECT_EQ(child.m_erases, erases);
  child.Invalidate(TRUE);
  harness.Pump();
  EXPECT_EQ(child.m_erases, erases + 1);
  // A child's invalidation leaves its parent alone.
  int parentPaints = parent.m_paints;
  child.Invalidate(TRUE);
  harness.Pump();
  EXPECT_EQ(parent.m_paints, parentPaints);
}

TEST_F(PaintTest, HidingAChildRepaintsTheParentUnderIt) {
  int erases = parent.m_erases;
  child.ShowWindow(SW_HIDE);
  harness.Pump();
  EXPECT_EQ(harness.Pixel(parent, CPoint(20, 20)), RGB(0, 0, 255));
  EXPECT_EQ(parent.m_erases, erases + 1);
}

TEST_F(PaintTest, UpdateNowPaintsBeforeReturning) {
  child.m_color = RGB(0, 255, 0);
  child.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(harness.Pixel(child, CPoint(1, 1)), RGB(0, 255, 0));
  CRect update;
  EXPECT_FALSE(child.GetUpdateRect(&update));
  child.m_color = RGB(1, 2, 3);
  child.InvalidateRect(CRect(0, 0, 5, 5), FALSE);
  EXPECT_TRUE(child.GetUpdateRect(&update));
  EXPECT_EQ(update, CRect(0, 0, 5, 5));
  child.UpdateWindow();
  EXPECT_EQ(harness.Pixel(child, CPoint(1, 1)), RGB(1, 2, 3));
  EXPECT_EQ(harness.Pixel(child, CPoint(30, 30)), RGB(0, 255, 0));  // clipped to the update region
}

TEST_F(PaintTest, SuspendedRedrawKeepsTheRegionUntilResumed) {
  child.SetRedraw(FALSE);
  int paints = child.m_paints;
  child.Invalidate();
  harness.Pump();
  EXPECT_EQ(child.m_paints, paints);
  child.SetRedraw(TRUE);
  harness.Pump();
  EXPECT_EQ(child.m_paints, paints + 1);
}

TEST_F(PaintTest, ClientDCDrawsOutsidePainting) {
  {
    CClientDC dc(&child);
    dc.FillSolidRect(0, 0, 100, 100, RGB(9, 9, 9));  // clipped to the child
  }
  EXPECT_EQ(harness.Pixel(child, CPoint(49, 49)), RGB(9, 9, 9));
  EXPECT_EQ(harness.Pixel(parent, CPoint(61, 61)), RGB(0, 0, 255));
}

TEST_F(PaintTest, VideoOverlayIsScaledOverTheWindow) {
  auto frame = std::make_shared<platform::VideoFrame>();
  frame->width = 2;
  frame->height = 1;
  frame->pixels = {0x00FF0000, 0x0000FF00};  // red, green
  platform::SetVideoOverlay(child, CRect(0, 0, 50, 50), frame);
  harness.Pump();
  EXPECT_EQ(harness.Pixel(child, CPoint(10, 10)), RGB(255, 0, 0));
  EXPECT_EQ(harness.Pixel(child, CPoint(40, 10)), RGB(0, 255, 0));
  // Painting under the overlay does not wipe it out.
  child.m_color = RGB(5, 5, 5);
  child.Invalidate();
  harness.Pump();
  EXPECT_EQ(harness.Pixel(child, CPoint(40, 40)), RGB(0, 255, 0));
  platform::ClearVideoOverlay(child);
  harness.Pump();
  EXPECT_EQ(harness.Pixel(child, CPoint(40, 40)), RGB(5, 5, 5));
}

TEST_F(PaintTest, ShownFramesCountEachNewFrameOnceAndNoneThatIsReplacedUnseen) {
  auto make = [] {
    auto frame = std::make_shared<platform::VideoFrame>();
    frame->width = frame->height = 1;
    frame->pixels = {0x00FFFFFF};
    return frame;
  };
  std::uint64_t before = platform::ShownVideoFrameCount(child);
  platform::SetVideoOverlay(child, CRect(0, 0, 50, 50), make());
  harness.Pump();
  child.Invalidate();  // drawn again: the same frame
  harness.Pump();
  EXPECT_EQ(platform::ShownVideoFrameCount(child), before + 1);
  platform::SetVideoOverlay(child, CRect(0, 0, 50, 50), make());
  platform::SetVideoOverlay(child, CRect(0, 0, 50, 50), make());  // replaces it before any drawing
  harness.Pump();
  EXPECT_EQ(platform::ShownVideoFrameCount(child), before + 2);
  child.ShowWindow(SW_HIDE);
  platform::SetVideoOverlay(child, CRect(0, 0, 50, 50), make());
  harness.Pump();
  EXPECT_EQ(platform::ShownVideoFrameCount(child), before + 2);
  platform::ClearVideoOverlay(child);
}

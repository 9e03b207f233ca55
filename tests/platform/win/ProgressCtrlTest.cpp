#include <gtest/gtest.h>

#include "platform/win/ProgressCtrl.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

namespace {

constexpr COLORREF kBar = RGB(0, 160, 0);
constexpr COLORREF kBack = RGB(240, 240, 240);

class ProgressCtrlTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterRecorderClasses();
    parent = MakeTop(CRect(0, 0, 300, 100));
    CWnd* wndParent = CWnd::FromHandle(parent);
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | PBS_SMOOTH, CRect(10, 10, 110, 30), wndParent, 1110));
    bar.SetBarColor(kBar);
    bar.SetBkColor(kBack);
    harness.Pump();
  }
  void TearDown() override { DestroyWindow(parent); }

  platform::test::WindowHarness harness;
  HWND parent = nullptr;
  CProgressCtrl bar;
};

TEST_F(ProgressCtrlTest, PositionIsClampedAndStepWraps) {
  bar.SetRange(0, 100);
  EXPECT_EQ(bar.SetPos(150), 0);
  EXPECT_EQ(bar.GetPos(), 100);
  bar.SetPos(-5);
  EXPECT_EQ(bar.GetPos(), 0);
  EXPECT_EQ(bar.SetStep(30), 10);
  bar.SetPos(90);
  EXPECT_EQ(bar.StepIt(), 90);
  EXPECT_EQ(bar.GetPos(), 20);  // past the top it starts again from the bottom
  bar.SetRange32(10, 20);
  EXPECT_EQ(bar.GetPos(), 20);
  int low = 0, high = 0;
  bar.GetRange(low, high);
  EXPECT_EQ(low, 10);
  EXPECT_EQ(high, 20);
  EXPECT_EQ(bar.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100)), MAKELPARAM(10, 20));
}

TEST_F(ProgressCtrlTest, PaintsTheDoneShareOfTheBar) {
  bar.SetRange(0, 100);
  bar.SetPos(50);
  harness.Pump();
  EXPECT_EQ(harness.Pixel(bar, CPoint(20, 10)), kBar);
  EXPECT_EQ(harness.Pixel(bar, CPoint(80, 10)), kBack);
  bar.SetPos(100);
  harness.Pump();
  EXPECT_EQ(harness.Pixel(bar, CPoint(95, 10)), kBar);
}

TEST_F(ProgressCtrlTest, MarqueeMovesOnItsOwnTimerUntilItsStyleGoes) {
  bar.ModifyStyle(0, PBS_MARQUEE);
  bar.SetRange(0, 100);
  bar.SetMarquee(TRUE, 50);
  harness.Pump();
  auto barPixels = [&] {
    int n = 0;
    for (int x = 0; x < 100; x += 2) n += harness.Pixel(bar, CPoint(x, 10)) == kBar;
    return n;
  };
  auto firstBarX = [&] {
    for (int x = 0; x < 100; ++x)
      if (harness.Pixel(bar, CPoint(x, 10)) == kBar) return x;
    return -1;
  };
  harness.AdvanceTime(500);
  int before = firstBarX();
  harness.AdvanceTime(200);
  int after = firstBarX();
  EXPECT_GT(barPixels(), 0);
  EXPECT_LT(barPixels(), 50);  // a block, not the whole bar
  EXPECT_NE(before, after);

  // The splitter's order: marquee off, style off, then the full position.
  bar.SetMarquee(FALSE, 50);
  bar.ModifyStyle(PBS_MARQUEE, 0);
  bar.SetPos(100);
  harness.AdvanceTime(200);
  EXPECT_EQ(barPixels(), 50);
}

TEST_F(ProgressCtrlTest, BarBoundByTemplateThroughItsWrapper) {
  HWND made = CreateWindowEx(0, PROGRESS_CLASS, L"", WS_CHILD | WS_VISIBLE, 0, 40, 100, 10, parent,
                             reinterpret_cast<HMENU>(7), nullptr);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(SendMessage(made, PBM_SETPOS, 40, 0), 0);
  EXPECT_EQ(SendMessage(made, PBM_GETPOS, 0, 0), 40);
  EXPECT_EQ(SendMessage(made, PBM_GETRANGE, FALSE, 0), 100);
}

}  // namespace

#include <gtest/gtest.h>

#include "tests/skin/SkinTestDialog.h"

using namespace skintest;

namespace {

constexpr int kMid = 10;  // the middle row of the 20-pixel slider

class OktImageSliderTest : public SkinDialogTest {
protected:
  void SetUp() override {
    SkinDialogTest::SetUp();
    dlg.m_slider.SetFocus();
    harness.Pump();
    dlg.m_scrolls.clear();
  }
  // The notifications heard since the last call.
  std::vector<Scroll> Heard() {
    harness.Pump();
    std::vector<Scroll> heard = dlg.m_scrolls;
    dlg.m_scrolls.clear();
    return heard;
  }
  void ExpectOne(UINT code, int pos) {
    std::vector<Scroll> heard = Heard();
    ASSERT_EQ(heard.size(), 1u) << "code " << code;
    EXPECT_EQ(heard[0].code, code);
    EXPECT_EQ(heard[0].pos, pos);
    EXPECT_EQ(heard[0].from, dlg.m_slider.m_hWnd);
  }
};

TEST_F(OktImageSliderTest, PagesAndEndsStopAtTheRangeAndKeyUpEndsTheTrack) {
  EXPECT_EQ(dlg.m_slider.GetLineSize(), 1);
  EXPECT_EQ(dlg.m_slider.GetPageSize(), 10);
  dlg.m_slider.SetPos(95);
  harness.KeyDown(VK_NEXT);
  ExpectOne(TB_PAGEDOWN, 100);
  harness.KeyUp(VK_NEXT);
  ExpectOne(TB_ENDTRACK, 100);
  harness.Key(VK_PRIOR);
  EXPECT_EQ(dlg.m_slider.GetPos(), 90);
  Heard();
  harness.KeyDown(VK_HOME);
  ExpectOne(TB_TOP, 0);
  harness.KeyDown(VK_END);
  ExpectOne(TB_BOTTOM, 100);
  EXPECT_EQ(UsageMarker(L"usingOktSlider"), 1u);
}

TEST_F(OktImageSliderTest, ArrowsMoveALineAndStillNotifyAtTheLimit) {
  dlg.m_slider.SetPos(3);
  for (int expected : {2, 1, 0, 0}) {
    harness.KeyDown(VK_LEFT);
    ExpectOne(TB_LINEUP, expected);
    harness.KeyUp(VK_LEFT);
    Heard();
  }
  harness.KeyDown(VK_RIGHT);
  ExpectOne(TB_LINEDOWN, 1);
  // Up and Down stay with the trackbar.
  harness.KeyDown(VK_DOWN);
  EXPECT_EQ(dlg.m_slider.GetPos(), 2);
}

TEST_F(OktImageSliderTest, APressJumpsToThePointAndTheReleaseEndsTheDrag) {
  harness.Press(dlg.m_slider, CPoint(200, kMid));
  ExpectOne(TB_THUMBTRACK, 51);  // trunc(101 / 371 * 190)
  EXPECT_EQ(GetCapture(), dlg.m_slider.m_hWnd);
  harness.Release(dlg.m_slider, CPoint(200, kMid));
  ExpectOne(TB_THUMBPOSITION, 51);
  EXPECT_EQ(GetCapture(), nullptr);

  // Pressing where the thumb already is moves nothing and ends with nothing.
  harness.Press(dlg.m_slider, CPoint(200, kMid));
  harness.Release(dlg.m_slider, CPoint(200, kMid));
  EXPECT_TRUE(Heard().empty());

  harness.Press(dlg.m_slider, CPoint(5, kMid));
  ExpectOne(TB_THUMBTRACK, 0);
  harness.Release(dlg.m_slider, CPoint(5, kMid));
  Heard();
}

TEST_F(OktImageSliderTest, DraggingPastTheEndKeepsReportingTheMaximum) {
  harness.Press(dlg.m_slider, CPoint(380, kMid));
  ExpectOne(TB_THUMBTRACK, 100);
  for (int x : {400, 450, 500}) {
    harness.MoveTo(dlg.m_slider, CPoint(x, kMid));
    ExpectOne(TB_THUMBTRACK, 100);
  }
  harness.Release(dlg.m_slider, CPoint(500, kMid));
  std::vector<Scroll> heard = Heard();
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard[1].code, TB_THUMBPOSITION);
}

TEST_F(OktImageSliderTest, ThePaintedThumbLetsTheTrackShowThroughItsWhiteCorners) {
  dlg.m_slider.SetPos(50);
  dlg.m_slider.Invalidate(FALSE);
  harness.Pump();
  // Thumb from x = trunc(371 / 100 * 50) = 185; the filled part ends at 185 + 5.
  EXPECT_EQ(Pixel(dlg.m_slider, 100, kMid), BitmapPixel(kFilled, 100, kMid));
  EXPECT_EQ(Pixel(dlg.m_slider, 300, kMid), BitmapPixel(kChannel, 300, kMid));
  EXPECT_EQ(Pixel(dlg.m_slider, 195, kMid), BitmapPixel(kThumb, 10, kMid));
  ASSERT_EQ(BitmapPixel(kThumb, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(Pixel(dlg.m_slider, 185, 0), BitmapPixel(kFilled, 185, 0));
  EXPECT_EQ(Pixel(dlg.m_slider, 204, 0), BitmapPixel(kChannel, 204, 0));
  // Drawn at once outside the paint cycle, the thumb is copied whole.
  dlg.m_slider.RedrawNow();
  EXPECT_EQ(Pixel(dlg.m_slider, 185, 0), RGB(255, 255, 255));
}

TEST_F(OktImageSliderTest, TheWheelOnlyRepaintsWhenSwitchedOff) {
  dlg.m_slider.m_bWheelEnabled = 0;
  dlg.m_slider.SetPos(40);
  harness.Wheel(dlg.m_slider, CPoint(100, kMid), -120);
  EXPECT_EQ(dlg.m_slider.GetPos(), 40);
  EXPECT_TRUE(Heard().empty());
  dlg.m_slider.m_bWheelEnabled = 1;
  harness.Wheel(dlg.m_slider, CPoint(100, kMid), -120);
  EXPECT_NE(dlg.m_slider.GetPos(), 40);
}

TEST_F(OktImageSliderTest, AnEmptyRangeOrATrackNoWiderThanTheThumbIsSafe) {
  dlg.m_slider.SetRange(0, 0);
  dlg.m_slider.Invalidate(FALSE);
  harness.Pump();
  EXPECT_EQ(Pixel(dlg.m_slider, 10, kMid), BitmapPixel(kThumb, 10, kMid));  // the thumb rests at the start
  harness.Click(dlg.m_slider, CPoint(200, kMid));
  EXPECT_EQ(dlg.m_slider.GetPos(), 0);

  harness.Click(dlg.m_sliderNarrow, CPoint(10, kMid));
  harness.MoveTo(dlg.m_sliderNarrow, CPoint(3, kMid));
  harness.Pump();
  for (const Scroll& s : Heard()) EXPECT_NE(s.from, dlg.m_sliderNarrow.m_hWnd);
  EXPECT_EQ(dlg.m_sliderNarrow.GetPos(), 0);
}

TEST_F(OktImageSliderTest, LosingTheFocusOrTheCaptureMidDragEndsTheDrag) {
  harness.Press(dlg.m_slider, CPoint(100, kMid));
  Heard();
  dlg.m_btnPush.SetFocus();
  EXPECT_NE(GetCapture(), dlg.m_slider.m_hWnd);
  harness.MoveTo(dlg.m_slider, CPoint(300, kMid));
  harness.Release(dlg.m_slider, CPoint(300, kMid));
  EXPECT_TRUE(Heard().empty());
  // The next click elsewhere is no drag of the slider.
  harness.Click(dlg, CPoint(440, 180));
  EXPECT_TRUE(Heard().empty());

  dlg.m_slider.SetFocus();
  harness.Press(dlg.m_slider, CPoint(100, kMid));
  Heard();
  int pos = dlg.m_slider.GetPos();
  dlg.m_btnOther.SetCapture();
  ReleaseCapture();
  harness.MoveTo(dlg.m_slider, CPoint(300, kMid));
  EXPECT_EQ(dlg.m_slider.GetPos(), pos);
  EXPECT_TRUE(Heard().empty());
}

}  // namespace

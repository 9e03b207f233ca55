#include <gtest/gtest.h>

#include "platform/win/Dialog.h"
#include "platform/win/SliderCtrl.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

namespace {

// A scroll notification as the parent received it, with the position read back then.
struct Scroll {
  UINT message;
  UINT code;
  WORD high;
  int posThen;
};

std::vector<Scroll>& Scrolls() {
  static std::vector<Scroll> scrolls;
  return scrolls;
}

LRESULT ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HSCROLL || message == WM_VSCROLL) {
    int pos = static_cast<int>(SendMessage(reinterpret_cast<HWND>(lParam), TBM_GETPOS, 0, 0));
    Scrolls().push_back({message, LOWORD(wParam), HIWORD(wParam), pos});
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

std::vector<UINT> Codes() {
  std::vector<UINT> codes;
  for (const Scroll& s : Scrolls()) codes.push_back(s.code);
  return codes;
}

class SliderCtrlTest : public ::testing::Test {
protected:
  void SetUp() override {
    WNDCLASS wc;
    wc.lpszClassName = L"SliderParent";
    wc.lpfnWndProc = ParentProc;
    RegisterClass(&wc);
    top = MakeTop(CRect(100, 100, 400, 300), WS_POPUP | WS_VISIBLE, L"SliderParent");
    ASSERT_TRUE(slider.Create(WS_CHILD | WS_VISIBLE | TBS_BOTH | TBS_NOTICKS, CRect(10, 10, 224, 40),
                              CWnd::FromHandle(top), 1020));
    harness.Pump();
    Scrolls().clear();
  }
  void TearDown() override {
    slider.DestroyWindow();
    DestroyWindow(top);
  }

  CPoint ThumbCentre() {
    CRect thumb;
    slider.GetThumbRect(&thumb);
    return thumb.CenterPoint();
  }

  platform::test::WindowHarness harness;
  HWND top = nullptr;
  CSliderCtrl slider;
};

TEST_F(SliderCtrlTest, RangePositionAndSizes) {
  EXPECT_EQ(slider.GetRangeMin(), 0);
  EXPECT_EQ(slider.GetRangeMax(), 100);
  EXPECT_EQ(slider.GetLineSize(), 1);
  EXPECT_EQ(slider.GetPageSize(), 20);
  slider.SetRange(-150, 150);
  EXPECT_EQ(slider.GetPageSize(), 60);  // a fifth of the range while never set
  slider.SetPos(151);
  EXPECT_EQ(slider.GetPos(), 150);
  slider.SetPos(-1000);
  EXPECT_EQ(slider.GetPos(), -150);
  EXPECT_EQ(slider.SetPageSize(10), 60);
  slider.SetRange(0, 1000);
  EXPECT_EQ(slider.GetPageSize(), 10);  // an explicit page size stays
  EXPECT_EQ(slider.GetPos(), 0);        // the range change clamped it
  EXPECT_TRUE(Scrolls().empty());       // setting never notifies
  EXPECT_EQ(slider.SendMessage(WM_GETDLGCODE), static_cast<LRESULT>(DLGC_WANTARROWS));
}

TEST_F(SliderCtrlTest, KeysMoveAndSendTheirCodesAtOnce) {
  slider.SetPos(50);
  // Sent, not posted: the parent has heard before the key message returns.
  slider.SendMessage(WM_KEYDOWN, VK_RIGHT);
  ASSERT_EQ(Scrolls().size(), 1u);
  EXPECT_EQ(Scrolls()[0].message, static_cast<UINT>(WM_HSCROLL));
  EXPECT_EQ(Scrolls()[0].code, TB_LINEDOWN);
  EXPECT_EQ(Scrolls()[0].posThen, 51);
  EXPECT_EQ(Scrolls()[0].high, 0);
  slider.SendMessage(WM_KEYDOWN, VK_UP);
  slider.SendMessage(WM_KEYDOWN, VK_NEXT);
  EXPECT_EQ(slider.GetPos(), 70);
  slider.SendMessage(WM_KEYDOWN, VK_PRIOR);
  slider.SendMessage(WM_KEYDOWN, VK_HOME);
  EXPECT_EQ(slider.GetPos(), 0);
  slider.SendMessage(WM_KEYDOWN, VK_END);
  EXPECT_EQ(slider.GetPos(), 100);
  slider.SendMessage(WM_KEYUP, VK_END);
  EXPECT_EQ(Codes(),
            (std::vector<UINT>{TB_LINEDOWN, TB_LINEUP, TB_PAGEDOWN, TB_PAGEUP, TB_TOP, TB_BOTTOM, TB_ENDTRACK}));
  // At the end a key moves towards, nothing happens.
  Scrolls().clear();
  slider.SendMessage(WM_KEYDOWN, VK_DOWN);
  slider.SendMessage(WM_KEYDOWN, VK_END);
  EXPECT_TRUE(Scrolls().empty());
}

TEST_F(SliderCtrlTest, EveryPositionChangeRepaintsTheWholeControl) {
  CRect update;
  EXPECT_FALSE(slider.GetUpdateRect(&update));
  slider.SetPos(0);
  EXPECT_FALSE(slider.GetUpdateRect(&update));
  slider.SendMessage(WM_KEYDOWN, VK_RIGHT);
  EXPECT_TRUE(slider.GetUpdateRect(&update));
  EXPECT_EQ(update, CRect(0, 0, 214, 30));
  harness.Pump();
  slider.SendMessage(TBM_SETPOS, FALSE, 40);
  EXPECT_FALSE(slider.GetUpdateRect(&update));
  EXPECT_EQ(slider.GetPos(), 40);
}

TEST_F(SliderCtrlTest, DraggingTheThumbTracksThenReportsTheEndPosition) {
  slider.SetRange(-150, 150);
  slider.SetPos(-150);
  CPoint start = ThumbCentre();
  harness.Press(slider, start);
  EXPECT_EQ(GetCapture(), slider.GetSafeHwnd());
  EXPECT_EQ(GetFocus(), slider.GetSafeHwnd());
  harness.MoveTo(slider, start + CPoint(40, 0));
  int dragged = slider.GetPos();
  EXPECT_GT(dragged, -150);
  harness.Release(slider, start + CPoint(40, 0));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Codes(), (std::vector<UINT>{TB_THUMBTRACK, TB_THUMBPOSITION, TB_ENDTRACK}));
  // Negative positions travel as their 16-bit pattern in the high word.
  EXPECT_EQ(static_cast<SHORT>(Scrolls()[0].high), dragged);
  EXPECT_EQ(static_cast<SHORT>(Scrolls()[1].high), dragged);
  // Dragging past the end stops at the maximum.
  Scrolls().clear();
  harness.Press(slider, ThumbCentre());
  harness.MoveTo(slider, CPoint(500, 15));
  EXPECT_EQ(slider.GetPos(), 150);
  harness.Release(slider, CPoint(500, 15));
}

TEST_F(SliderCtrlTest, PressBesideTheThumbPagesWhileHeldUpToThePointer) {
  harness.Press(slider, CPoint(150, 15));
  EXPECT_EQ(slider.GetPos(), 20);
  harness.AdvanceTime(1000);
  int reached = slider.GetPos();
  EXPECT_GT(reached, 20);
  EXPECT_LE(std::abs(ThumbCentre().x - 150), 20);  // stopped where the pointer is
  harness.AdvanceTime(1000);
  EXPECT_EQ(slider.GetPos(), reached);
  harness.Release(slider, CPoint(150, 15));
  EXPECT_EQ(Codes().front(), TB_PAGEDOWN);
  EXPECT_EQ(Codes().back(), TB_ENDTRACK);
}

TEST_F(SliderCtrlTest, LosingTheCaptureMidDragEndsTheTrack) {
  harness.Press(slider, ThumbCentre());
  SetCapture(top);
  EXPECT_EQ(Codes(), (std::vector<UINT>{TB_ENDTRACK}));
  ReleaseCapture();
  harness.MoveTo(slider, CPoint(150, 15));
  EXPECT_EQ(slider.GetPos(), 0);
}

TEST_F(SliderCtrlTest, VerticalTrackbarSendsVerticalScrolls) {
  CSliderCtrl vertical;
  ASSERT_TRUE(vertical.Create(WS_CHILD | WS_VISIBLE | TBS_VERT, CRect(250, 10, 280, 190), CWnd::FromHandle(top), 7));
  vertical.SendMessage(WM_KEYDOWN, VK_DOWN);
  ASSERT_EQ(Scrolls().size(), 1u);
  EXPECT_EQ(Scrolls()[0].message, static_cast<UINT>(WM_VSCROLL));
  CRect thumb;
  vertical.GetThumbRect(&thumb);
  EXPECT_GT(thumb.Height(), 0);
  EXPECT_LT(thumb.Height(), thumb.Width() + 1);
}

}  // namespace

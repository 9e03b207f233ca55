#include <gtest/gtest.h>

#include "platform/win/Wnd.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

class InputTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterRecorderClasses();
    top = MakeTop(CRect(100, 100, 300, 300), WS_POPUP | WS_VISIBLE, L"RecorderDbl");
    a = MakeChild(top, CRect(0, 0, 100, 100), 1, WS_CHILD | WS_VISIBLE, L"RecorderDbl");
    b = MakeChild(top, CRect(100, 0, 200, 100), 2);
    harness.Pump();
    Log().clear();
  }
  void TearDown() override { DestroyWindow(top); }

  platform::test::WindowHarness harness;
  HWND top = nullptr, a = nullptr, b = nullptr;
};

TEST_F(InputTest, MouseGoesToTheDeepestWindowUnderThePointer) {
  harness.Click(a, CPoint(10, 20));
  ASSERT_EQ(Only(WM_LBUTTONDOWN).size(), 1u);
  EXPECT_EQ(Only(WM_LBUTTONDOWN)[0].hwnd, a);
  EXPECT_EQ(Only(WM_LBUTTONDOWN)[0].lParam, MAKELPARAM(10, 20));
  EXPECT_EQ(Only(WM_LBUTTONDOWN)[0].wParam & MK_LBUTTON, MK_LBUTTON);
  EXPECT_EQ(Only(WM_LBUTTONUP)[0].hwnd, a);
}

TEST_F(InputTest, TransparentAndDisabledWindowsPassThePointOn) {
  SetWindowLongPtr(a, GWLP_USERDATA, HTTRANSPARENT);
  harness.Click(a, CPoint(10, 10));
  EXPECT_EQ(Only(WM_LBUTTONDOWN).at(0).hwnd, top);
  EnableWindow(b, FALSE);
  harness.Click(b, CPoint(10, 10));
  EXPECT_EQ(Only(WM_LBUTTONDOWN).at(1).hwnd, top);
  EXPECT_EQ(WindowFromPoint(CPoint(210, 110)), top);
}

TEST_F(InputTest, CaptureTakesEveryMouseMessage) {
  SetCapture(a);
  harness.MoveTo(b, CPoint(5, 5));
  ASSERT_FALSE(Only(WM_MOUSEMOVE).empty());
  EXPECT_EQ(Only(WM_MOUSEMOVE).back().hwnd, a);
  EXPECT_EQ(Only(WM_MOUSEMOVE).back().lParam, MAKELPARAM(105, 5));
  SetCapture(b);
  ASSERT_EQ(Only(WM_CAPTURECHANGED).size(), 1u);
  EXPECT_EQ(Only(WM_CAPTURECHANGED)[0].hwnd, a);
  ReleaseCapture();
  EXPECT_EQ(Only(WM_CAPTURECHANGED).back().hwnd, b);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputTest, DoubleClicksOnlyForClassesThatAskAndInTime) {
  harness.Click(a, CPoint(10, 10));
  harness.Click(a, CPoint(11, 11));
  EXPECT_EQ(Only(WM_LBUTTONDBLCLK).size(), 1u);
  harness.Click(a, CPoint(11, 11));  // a third press starts over
  EXPECT_EQ(Only(WM_LBUTTONDBLCLK).size(), 1u);
  harness.AdvanceTime(600);
  harness.Click(a, CPoint(11, 11));
  EXPECT_EQ(Only(WM_LBUTTONDBLCLK).size(), 1u);  // too late after the last one
  harness.Click(b, CPoint(10, 10));
  harness.Click(b, CPoint(10, 10));
  EXPECT_EQ(Only(WM_LBUTTONDBLCLK).size(), 1u);  // b's class has no CS_DBLCLKS
}

TEST_F(InputTest, MouseLeaveIsPostedOnceWhenThePointerLeaves) {
  harness.MoveTo(a, CPoint(10, 10));
  TRACKMOUSEEVENT tme;
  tme.dwFlags = TME_LEAVE;
  tme.hwndTrack = a;
  EXPECT_TRUE(_TrackMouseEvent(&tme));
  harness.MoveTo(a, CPoint(20, 20));
  EXPECT_TRUE(Only(WM_MOUSELEAVE).empty());
  harness.MoveTo(b, CPoint(20, 20));
  harness.MoveTo(a, CPoint(20, 20));
  ASSERT_EQ(Only(WM_MOUSELEAVE).size(), 1u);
  EXPECT_EQ(Only(WM_MOUSELEAVE)[0].hwnd, a);
  // Armed while the pointer is outside: posted at once. Cancelled: never.
  tme.hwndTrack = b;
  _TrackMouseEvent(&tme);
  harness.Pump();
  EXPECT_EQ(Only(WM_MOUSELEAVE).size(), 2u);
  tme.hwndTrack = a;
  _TrackMouseEvent(&tme);
  tme.dwFlags = TME_CANCEL | TME_LEAVE;
  _TrackMouseEvent(&tme);
  harness.MoveTo(b, CPoint(20, 20));
  EXPECT_EQ(Only(WM_MOUSELEAVE).size(), 2u);
}

TEST_F(InputTest, FocusKillsBeforeItSets) {
  SetFocus(a);
  Log().clear();
  SetFocus(b);
  ASSERT_GE(Log().size(), 2u);
  std::vector<Logged> focus;
  for (const Logged& l : Log())
    if (l.message == WM_KILLFOCUS || l.message == WM_SETFOCUS) focus.push_back(l);
  ASSERT_EQ(focus.size(), 2u);
  EXPECT_EQ(focus[0].message, WM_KILLFOCUS);
  EXPECT_EQ(focus[0].hwnd, a);
  EXPECT_EQ(focus[1].message, WM_SETFOCUS);
  EXPECT_EQ(focus[1].hwnd, b);
  EXPECT_EQ(GetFocus(), b);
  harness.Key(VK_SPACE, L' ');
  EXPECT_EQ(Only(WM_KEYDOWN).at(0).hwnd, b);
  EXPECT_EQ(Only(WM_CHAR).at(0).wParam, static_cast<WPARAM>(L' '));
  EnableWindow(b, FALSE);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(InputTest, AutoRepeatMarksThePreviousKeyState) {
  SetFocus(a);
  harness.KeyDown(VK_RIGHT);
  harness.KeyDown(VK_RIGHT, 0, true);
  harness.KeyUp(VK_RIGHT);
  std::vector<Logged> downs = Only(WM_KEYDOWN);
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[0].lParam & (LPARAM(1) << 30), 0);
  EXPECT_NE(downs[1].lParam & (LPARAM(1) << 30), 0);
  EXPECT_EQ(Only(WM_KEYUP).size(), 1u);
}

TEST_F(InputTest, CaptionDragMovesTheTopLevelWindow) {
  SetWindowLongPtr(top, GWLP_USERDATA, HTCAPTION);
  SetWindowLongPtr(a, GWLP_USERDATA, HTTRANSPARENT);
  harness.MoveTo(top, CPoint(50, 150));
  harness.Press(top, CPoint(50, 150));
  EXPECT_EQ(Only(WM_NCLBUTTONDOWN).size(), 1u);
  harness.MoveToScreen(CPoint(170, 270));
  harness.Release(top, CPoint(70, 170));
  CRect r;
  GetWindowRect(top, &r);
  EXPECT_EQ(r.TopLeft(), CPoint(120, 120));
}

TEST_F(InputTest, WheelGoesToThePointedWindowThenItsParent) {
  harness.Wheel(b, CPoint(10, 10), -WHEEL_DELTA);
  std::vector<Logged> wheels = Only(WM_MOUSEWHEEL);
  ASSERT_EQ(wheels.size(), 2u);  // b did not handle it, so its parent heard it
  EXPECT_EQ(wheels[0].hwnd, b);
  EXPECT_EQ(wheels[1].hwnd, top);
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheels[0].wParam), -WHEEL_DELTA);
}

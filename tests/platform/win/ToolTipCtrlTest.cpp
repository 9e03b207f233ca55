#include <gtest/gtest.h>

#include "platform/win/ToolTipCtrl.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

namespace {

// A child that relays its mouse messages to a tooltip, as a skinned button does: the
// point in MSG.pt is client-relative, so the tooltip must go by hwnd and lParam.
class CRelayingWnd : public CWnd {
public:
  CToolTipCtrl* tip = nullptr;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (tip && tip->GetSafeHwnd() &&
        (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP)) {
      MSG msg;
      msg.hwnd = m_hWnd;
      msg.message = message;
      msg.wParam = wParam;
      msg.lParam = lParam;
      msg.pt = CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      tip->RelayEvent(&msg);
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class ToolTipCtrlTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterRecorderClasses();
    top = MakeTop(CRect(100, 100, 400, 300), WS_POPUP | WS_VISIBLE);
    SetActiveWindow(top);
    button.tip = &tip;
    ASSERT_TRUE(button.CreateEx(0, L"Recorder", L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 40),
                                CWnd::FromHandle(top), 1015));
    other = MakeChild(top, CRect(100, 10, 150, 40), 2);
    ASSERT_TRUE(tip.Create(&button));
    ASSERT_TRUE(tip.AddTool(&button, L"Play"));
    tip.Activate(TRUE);
    harness.Pump();
  }
  void TearDown() override {
    tip.DestroyWindow();
    button.DestroyWindow();
    DestroyWindow(top);
  }

  bool Shown() { return tip.IsWindowVisible() != FALSE; }

  platform::test::WindowHarness harness;
  HWND top = nullptr;
  HWND other = nullptr;
  CRelayingWnd button;
  CToolTipCtrl tip;
};

TEST_F(ToolTipCtrlTest, ToolsAreKeptAndTheirTextsUpdated) {
  EXPECT_EQ(tip.GetToolCount(), 1);
  CString text;
  tip.GetText(text, &button);
  EXPECT_EQ(text, CString(L"Play"));
  tip.UpdateTipText(L"Pause", &button);
  tip.GetText(text, &button);
  EXPECT_EQ(text, CString(L"Pause"));
  // The tip is a pop-up owned by the button's top-level window.
  EXPECT_EQ(::GetParent(tip), top);
  tip.DelTool(&button);
  EXPECT_EQ(tip.GetToolCount(), 0);
}

TEST_F(ToolTipCtrlTest, ShowsAfterTheInitialDelayAsATransparentPopUp) {
  harness.MoveTo(button, CPoint(20, 15));
  harness.AdvanceTime(GetDoubleClickTime() - 10);
  EXPECT_FALSE(Shown());
  harness.AdvanceTime(20);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(GetActiveWindow(), top);
  CRect rect;
  tip.GetWindowRect(&rect);
  EXPECT_GT(rect.Width(), 0);
  // The pointer over the tip still finds the window beneath it.
  EXPECT_EQ(WindowFromPoint(rect.CenterPoint()), top);
  EXPECT_EQ(harness.Pixel(tip, CPoint(rect.Width() - 2, 1)), GetSysColor(COLOR_INFOBK));
}

TEST_F(ToolTipCtrlTest, APressHidesTheTipUntilThePointerComesBack) {
  harness.MoveTo(button, CPoint(20, 15));
  harness.AdvanceTime(600);
  ASSERT_TRUE(Shown());
  harness.Press(button, CPoint(20, 15));
  EXPECT_FALSE(Shown());
  harness.Release(button, CPoint(20, 15));
  harness.MoveTo(button, CPoint(21, 15));
  harness.AdvanceTime(1000);
  EXPECT_FALSE(Shown());
  harness.MoveTo(other, CPoint(5, 5));
  harness.AdvanceTime(200);
  harness.MoveTo(button, CPoint(20, 15));
  harness.AdvanceTime(600);
  EXPECT_TRUE(Shown());
}

TEST_F(ToolTipCtrlTest, LeavingTheToolOrTheAutoPopHidesIt) {
  harness.MoveTo(button, CPoint(20, 15));
  harness.AdvanceTime(600);
  ASSERT_TRUE(Shown());
  harness.MoveTo(other, CPoint(5, 5));  // the button hears nothing of this
  harness.AdvanceTime(150);
  EXPECT_FALSE(Shown());
  harness.MoveTo(button, CPoint(20, 15));
  harness.AdvanceTime(600);
  ASSERT_TRUE(Shown());
  harness.AdvanceTime(5000);
  EXPECT_FALSE(Shown());
}

TEST_F(ToolTipCtrlTest, NothingShowsForAnEmptyTextOrAnInactiveTip) {
  tip.UpdateTipText(L"", &button);
  harness.MoveTo(button, CPoint(20, 15));
  harness.AdvanceTime(1000);
  EXPECT_FALSE(Shown());
  harness.MoveTo(other, CPoint(5, 5));
  harness.AdvanceTime(200);
  tip.UpdateTipText(L"Play", &button);
  tip.Activate(FALSE);
  harness.MoveTo(button, CPoint(20, 15));
  harness.AdvanceTime(1000);
  EXPECT_FALSE(Shown());
}

TEST_F(ToolTipCtrlTest, TipsWaitForTheirWindowToBeActiveUnlessAlwaysTip) {
  HWND elsewhere = MakeTop(CRect(500, 100, 600, 200), WS_POPUP | WS_VISIBLE);
  SetActiveWindow(elsewhere);
  harness.MoveTo(button, CPoint(20, 15));
  harness.AdvanceTime(1000);
  EXPECT_FALSE(Shown());
  harness.MoveTo(other, CPoint(5, 5));
  harness.AdvanceTime(200);
  tip.ModifyStyle(0, TTS_ALWAYSTIP);
  harness.MoveTo(button, CPoint(20, 15));
  harness.AdvanceTime(1000);
  EXPECT_TRUE(Shown());
  DestroyWindow(elsewhere);
}

TEST_F(ToolTipCtrlTest, RectangleToolsAreFoundByPointWithinTheirWindow) {
  CToolTipCtrl second;
  ASSERT_TRUE(second.Create(CWnd::FromHandle(top), TTS_ALWAYSTIP));
  CRect area(0, 0, 25, 30);
  ASSERT_TRUE(second.AddTool(&button, L"Left half", &area, 1));
  button.tip = &second;
  harness.MoveTo(button, CPoint(40, 15));
  harness.AdvanceTime(1000);
  EXPECT_FALSE(second.IsWindowVisible());
  harness.MoveTo(button, CPoint(10, 15));
  harness.AdvanceTime(1000);
  EXPECT_TRUE(second.IsWindowVisible());
  button.tip = &tip;
}

}  // namespace

namespace {

TEST_F(ToolTipCtrlTest, TipStaysOnTheScreenNearItsEdge) {
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  CRelayingWnd corner;
  ASSERT_TRUE(corner.CreateEx(0, L"Recorder", L"", WS_POPUP | WS_VISIBLE, CRect(width - 40, height - 20, width, height),
                              nullptr, 0));
  CToolTipCtrl edgeTip;
  ASSERT_TRUE(edgeTip.Create(&corner, TTS_ALWAYSTIP));
  CRect area(0, 0, 40, 20);
  edgeTip.AddTool(&corner, L"A rather long tip text near the corner", &area, 1);
  corner.tip = &edgeTip;
  harness.MoveTo(corner, CPoint(30, 10));
  harness.AdvanceTime(1000);
  ASSERT_TRUE(edgeTip.IsWindowVisible());
  CRect rect;
  edgeTip.GetWindowRect(&rect);
  EXPECT_LE(rect.right, width);
  EXPECT_LE(rect.bottom, height);
  EXPECT_LT(rect.bottom, height - 10);  // above the pointer, not over it
  corner.tip = nullptr;
}

}  // namespace

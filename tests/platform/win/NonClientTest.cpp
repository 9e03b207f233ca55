#include <gtest/gtest.h>

#include "platform/win/Wnd.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

namespace {

// Takes the horizontal bar away before the default sizing, as a list that hides its
// horizontal scrolling does.
class CNoHorizontal : public CSolidWnd {
public:
  CNoHorizontal() : CSolidWnd(RGB(50, 50, 50)) {}

protected:
  void OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {
    ModifyStyle(WS_HSCROLL, 0);
    Default();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNoHorizontal, CSolidWnd)
  ON_WM_NCCALCSIZE()
END_MESSAGE_MAP()

}  // namespace

class NonClientTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterRecorderClasses();
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
    ASSERT_TRUE(framed.CreateEx(WS_EX_CLIENTEDGE, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10, 10, 100, 80,
                                parent, reinterpret_cast<HMENU>(1)));
    harness.Pump();
  }
  void TearDown() override { parent.DestroyWindow(); }

  platform::test::WindowHarness harness;
  CSolidWnd parent{RGB(0, 0, 255)};
  CSolidWnd framed{RGB(255, 0, 0)};
};

TEST_F(NonClientTest, BordersAndBarsSurroundTheClientArea) {
  CRect client;
  framed.GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, 100 - 4 - 17, 80 - 4));
  CRect window;
  framed.GetWindowRect(&window);
  EXPECT_EQ(window, CRect(10, 10, 110, 90));
  CPoint origin(0, 0);
  framed.ClientToScreen(&origin);
  EXPECT_EQ(origin, CPoint(12, 12));
  // The client paints inside the frame; the frame is drawn by the default WM_NCPAINT.
  EXPECT_EQ(harness.Pixel(framed, CPoint(0, 0)), RGB(255, 0, 0));
  EXPECT_EQ(harness.Pixel(parent, CPoint(10, 10)), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(harness.Pixel(parent, CPoint(100, 50)), GetSysColor(COLOR_BTNFACE));  // the bar's place
}

TEST_F(NonClientTest, PointsOnTheBarAreNonClientInput) {
  Log().clear();
  CPoint onBar(100, 40);
  parent.ClientToScreen(&onBar);
  EXPECT_EQ(framed.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(onBar.x, onBar.y)), HTVSCROLL);
  EXPECT_EQ(WindowFromPoint(onBar), framed.m_hWnd);
}

TEST_F(NonClientTest, HandlerMayChangeStylesWhileTheAreaIsMeasured) {
  CNoHorizontal list;
  ASSERT_TRUE(list.CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 150, 10, 100, 100, parent,
                            reinterpret_cast<HMENU>(2)));
  CRect client;
  list.GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, 83, 100));
  EXPECT_FALSE(list.GetStyle() & WS_HSCROLL);
  list.ModifyStyle(WS_VSCROLL, 0, SWP_FRAMECHANGED);
  list.GetClientRect(&client);
  EXPECT_EQ(client.Width(), 100);
  list.DestroyWindow();
}

TEST_F(NonClientTest, WindowRegionClipsPaintingAndHitTesting) {
  CRect keep(0, 0, 60, 80);
  platform::SetWindowRegionRect(framed, &keep, TRUE);
  harness.Pump();
  CPoint cut(80, 40);  // inside the window, outside its region
  parent.ClientToScreen(&cut);
  EXPECT_EQ(WindowFromPoint(cut), parent.m_hWnd);
  EXPECT_EQ(harness.Pixel(parent, CPoint(80, 40)), RGB(0, 0, 255));
  EXPECT_EQ(harness.Pixel(parent, CPoint(40, 40)), RGB(255, 0, 0));
}

TEST_F(NonClientTest, ScrollInfoClampsAsWin32Does) {
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = 9;
  si.nPage = 4;
  si.nPos = 20;
  framed.SetScrollInfo(SB_VERT, &si);
  EXPECT_EQ(framed.GetScrollPos(SB_VERT), 6);
  EXPECT_EQ(framed.GetScrollLimit(SB_VERT), 6);
  si.fMask = SIF_RANGE | SIF_PAGE;
  si.nMax = 0;  // everything fits: the page shrinks to the range
  si.nPage = 10;
  framed.SetScrollInfo(SB_VERT, &si);
  SCROLLINFO got;
  framed.GetScrollInfo(SB_VERT, &got, SIF_ALL);
  EXPECT_EQ(got.nPage, 1u);
  EXPECT_EQ(got.nPos, 0);
  EXPECT_EQ(framed.GetScrollLimit(SB_VERT), 0);
  EXPECT_EQ(GetScrollPos(parent, SB_VERT), 0);  // a window that never scrolled
}

TEST_F(NonClientTest, CaretIsBookkeepingOnly) {
  framed.CreateSolidCaret(1, 15);
  bool shown = true;
  EXPECT_EQ(platform::CaretOwner(&shown), framed.m_hWnd);
  EXPECT_FALSE(shown);
  CWnd::SetCaretPos(CPoint(3, 4));
  EXPECT_EQ(CWnd::GetCaretPos(), CPoint(3, 4));
  EXPECT_TRUE(DestroyCaret());
  EXPECT_EQ(platform::CaretOwner(), nullptr);
}

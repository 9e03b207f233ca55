#include <gtest/gtest.h>

#include "platform/win/Wnd.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

class WindowTreeTest : public ::testing::Test {
protected:
  void SetUp() override { RegisterRecorderClasses(); }
  platform::test::WindowHarness harness;
};

TEST_F(WindowTreeTest, HandlesAreRefusedAfterDestruction) {
  HWND top = MakeTop(CRect(10, 20, 110, 120));
  HWND child = MakeChild(top, CRect(5, 5, 25, 25), 7);
  ASSERT_TRUE(IsWindow(top));
  EXPECT_EQ(GetParent(child), top);
  EXPECT_EQ(GetDlgItem(top, 7), child);
  EXPECT_TRUE(DestroyWindow(top));
  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(SendMessage(child, WM_USER, 0, 0), 0);
  EXPECT_FALSE(PostMessage(child, WM_USER, 0, 0));
  EXPECT_FALSE(DestroyWindow(top));
  // The parent hears WM_DESTROY before its children; WM_NCDESTROY comes last to it.
  std::vector<Logged> destroys = Only(WM_DESTROY);
  ASSERT_EQ(destroys.size(), 2u);
  EXPECT_EQ(destroys[0].hwnd, top);
  EXPECT_EQ(Only(WM_NCDESTROY).back().hwnd, top);
}

TEST_F(WindowTreeTest, OwnedPopupsGoWithTheirOwner) {
  HWND owner = MakeTop(CRect(0, 0, 100, 100));
  HWND child = MakeChild(owner, CRect(0, 0, 10, 10), 1);
  HWND popup = CreateWindowEx(0, L"Recorder", L"", WS_POPUP, 0, 0, 10, 10, child, nullptr, nullptr);
  EXPECT_EQ(GetParent(popup), owner);  // a pop-up is owned by the top-level ancestor
  DestroyWindow(owner);
  EXPECT_FALSE(IsWindow(popup));
}

TEST_F(WindowTreeTest, ChildrenAreInCreationOrderFirstOnTop) {
  HWND top = MakeTop(CRect(0, 0, 100, 100));
  HWND a = MakeChild(top, CRect(0, 0, 50, 50), 1);
  HWND b = MakeChild(top, CRect(0, 0, 50, 50), 2);
  EXPECT_EQ(GetWindow(top, GW_CHILD), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_EQ(WindowFromPoint(CPoint(10, 10)), a);
  DestroyWindow(top);
}

TEST_F(WindowTreeTest, TextStylesAndDuplicateIds) {
  HWND top = MakeTop(CRect(0, 0, 100, 100));
  HWND a = MakeChild(top, CRect(0, 0, 5, 5), 0xFFFF);
  HWND b = MakeChild(top, CRect(0, 0, 5, 5), 0xFFFF);
  EXPECT_NE(a, b);
  SetWindowText(a, L"Video window1");
  wchar_t buffer[32];
  EXPECT_EQ(GetWindowText(a, buffer, 32), 13);
  EXPECT_STREQ(buffer, L"Video window1");
  EXPECT_EQ(GetWindowText(a, buffer, 6), 5);
  EXPECT_STREQ(buffer, L"Video");
  CWnd* wnd = CWnd::FromHandle(a);
  wnd->ModifyStyle(0, WS_TABSTOP);
  EXPECT_TRUE(wnd->GetStyle() & WS_TABSTOP);
  EXPECT_TRUE(wnd->GetStyle() & WS_VISIBLE);
  DestroyWindow(top);
}

TEST_F(WindowTreeTest, GeometryAndCoordinates) {
  HWND top = MakeTop(CRect(100, 50, 400, 250));
  HWND child = MakeChild(top, CRect(10, 20, 60, 70), 1);
  CRect r;
  GetWindowRect(child, &r);
  EXPECT_EQ(r, CRect(110, 70, 160, 120));
  GetClientRect(child, &r);
  EXPECT_EQ(r, CRect(0, 0, 50, 50));
  CPoint p(1, 2);
  ClientToScreen(child, &p);
  EXPECT_EQ(p, CPoint(111, 72));
  ScreenToClient(top, &p);
  EXPECT_EQ(p, CPoint(11, 22));
  MoveWindow(child, 5, 5, -20, 30, TRUE);  // negative sizes clamp to zero
  GetClientRect(child, &r);
  EXPECT_EQ(r.Width(), 0);
  EXPECT_EQ(WindowFromPoint(CPoint(106, 56)), top);
  EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(240, 240, 240));
  DestroyWindow(top);
}

TEST_F(WindowTreeTest, MoveSendsSizeOnlyWhenTheSizeChanges) {
  HWND top = MakeTop(CRect(0, 0, 100, 100));
  Log().clear();
  MoveWindow(top, 10, 10, 100, 100, TRUE);
  EXPECT_TRUE(Only(WM_SIZE).empty());
  EXPECT_EQ(Only(WM_MOVE).size(), 1u);
  MoveWindow(top, 10, 10, 1022, 682, TRUE);
  ASSERT_EQ(Only(WM_SIZE).size(), 1u);
  EXPECT_EQ(Only(WM_SIZE)[0].lParam, MAKELPARAM(1022, 682));
  DestroyWindow(top);
}

TEST_F(WindowTreeTest, MaximiseAndRestore) {
  HWND top = MakeTop(CRect(10, 10, 110, 110));
  Log().clear();
  ShowWindow(top, SW_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(top));
  ASSERT_FALSE(Only(WM_SIZE).empty());
  EXPECT_EQ(Only(WM_SIZE).back().wParam, SIZE_MAXIMIZED);
  CRect r;
  GetWindowRect(top, &r);
  EXPECT_EQ(r.Width(), GetSystemMetrics(SM_CXSCREEN));
  Log().clear();
  ShowWindow(top, SW_SHOWNORMAL);
  EXPECT_FALSE(IsZoomed(top));
  EXPECT_EQ(Only(WM_SIZE).back().wParam, SIZE_RESTORED);
  GetWindowRect(top, &r);
  EXPECT_EQ(r, CRect(10, 10, 110, 110));
  Log().clear();
  ShowWindow(top, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(top));
  EXPECT_TRUE(IsWindowVisible(top));
  EXPECT_EQ(Only(WM_SIZE).back().wParam, SIZE_MINIMIZED);
  ShowWindow(top, SW_RESTORE);
  EXPECT_FALSE(IsIconic(top));
  DestroyWindow(top);
}

TEST_F(WindowTreeTest, HiddenWindowsMoveAndStayHidden) {
  HWND top = MakeTop(CRect(0, 0, 100, 100));
  HWND child = MakeChild(top, CRect(0, 0, 10, 10), 1, WS_CHILD);
  MoveWindow(child, 20, 20, 30, 30, TRUE);
  EXPECT_FALSE(IsWindowVisible(child));
  EXPECT_EQ(WindowFromPoint(CPoint(25, 25)), top);
  SendMessage(child, WM_SETREDRAW, TRUE, 0);
  EXPECT_FALSE(IsWindowVisible(child));  // WM_SETREDRAW never shows a window
  DestroyWindow(top);
}

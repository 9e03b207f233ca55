#include <gtest/gtest.h>

#include <thread>

#include "platform/win/Resources.h"
#include "platform/win/Wnd.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

namespace {

class WaitCursorTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterRecorderClasses();
    top = MakeTop(CRect(100, 100, 300, 300));
    harness.Pump();
  }
  void TearDown() override {
    while (platform::WaitCursorCount() > 0) platform::EndWaitCursor();
    DestroyWindow(top);
  }
  LRESULT SetCursorMessage() {
    return SendMessage(top, WM_SETCURSOR, reinterpret_cast<WPARAM>(top), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  }

  platform::test::WindowHarness harness;
  HWND top = nullptr;
  const HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
  const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
};

TEST_F(WaitCursorTest, AWorkerShowsItAndTheUiThreadChangesTheCursor) {
  std::thread([] { platform::BeginWaitCursor(); }).join();
  EXPECT_EQ(platform::WaitCursorCount(), 1);
  harness.Pump();
  EXPECT_EQ(GetCursor(), wait);
  // The window's own cursor does not replace it while counted.
  EXPECT_TRUE(SetCursorMessage());
  EXPECT_EQ(GetCursor(), wait);

  std::thread([] { platform::EndWaitCursor(); }).join();
  harness.Pump();
  EXPECT_EQ(GetCursor(), arrow);
  EXPECT_FALSE(SetCursorMessage());
}

TEST_F(WaitCursorTest, NestedAndUnpairedCalls) {
  CWnd* wnd = CWnd::FromHandle(top);
  wnd->BeginWaitCursor();
  wnd->BeginWaitCursor();
  wnd->EndWaitCursor();
  EXPECT_EQ(GetCursor(), wait);
  wnd->EndWaitCursor();
  EXPECT_EQ(GetCursor(), arrow);
  wnd->EndWaitCursor();
  EXPECT_EQ(platform::WaitCursorCount(), 0);
  wnd->BeginWaitCursor();
  EXPECT_EQ(platform::WaitCursorCount(), 1);
  wnd->EndWaitCursor();
}

TEST_F(WaitCursorTest, AScopedCursorEndsOnEveryWayOut) {
  auto leaveEarly = [](bool early) {
    CWaitCursor wait;
    EXPECT_EQ(platform::WaitCursorCount(), 1);
    if (early) return;
    CWaitCursor nested;
    EXPECT_EQ(platform::WaitCursorCount(), 2);
  };
  leaveEarly(true);
  EXPECT_EQ(platform::WaitCursorCount(), 0);
  leaveEarly(false);
  EXPECT_EQ(platform::WaitCursorCount(), 0);
  EXPECT_EQ(GetCursor(), arrow);
  std::thread([] { CWaitCursor onAWorker; }).join();
  EXPECT_EQ(platform::WaitCursorCount(), 0);
}

}  // namespace

#include <glib.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "platform/base/UiDispatch.h"
#include "platform/win/Wnd.h"
#include "platform/win/detail/Clock.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

class MessageLoopTest : public ::testing::Test {
protected:
  void SetUp() override { RegisterRecorderClasses(); }
  platform::test::WindowHarness harness;
};

TEST_F(MessageLoopTest, PostedBeforeInputBeforePaintBeforeTimer) {
  HWND top = MakeTop(CRect(0, 0, 100, 100));
  harness.Pump();
  Log().clear();
  SetTimer(top, 1, 10, nullptr);
  platform::detail::AdvanceClock(20);  // the timer is due, but waits for everything else
  InvalidateRect(top, nullptr, FALSE);
  platform::InputEvent move;
  move.kind = platform::InputKind::MouseMove;
  move.screen = CPoint(50, 50);
  platform::QueueInput(move);
  PostMessage(top, WM_USER + 1, 0, 0);
  harness.Pump();
  std::vector<UINT> order;
  for (const Logged& l : Log())
    if (l.message == WM_USER + 1 || l.message == WM_MOUSEMOVE || l.message == WM_PAINT || l.message == WM_TIMER)
      order.push_back(l.message);
  ASSERT_GE(order.size(), 4u);
  EXPECT_EQ(order[0], WM_USER + 1);
  EXPECT_EQ(order[1], WM_MOUSEMOVE);
  EXPECT_EQ(order[2], WM_PAINT);
  EXPECT_EQ(order[3], WM_TIMER);
  DestroyWindow(top);
}

TEST_F(MessageLoopTest, TimersCoalesceAndStop) {
  HWND top = MakeTop(CRect(0, 0, 10, 10));
  SetTimer(top, 100, 200, nullptr);
  harness.AdvanceTime(1000);
  EXPECT_EQ(Only(WM_TIMER).size(), 5u);
  EXPECT_EQ(Only(WM_TIMER)[0].wParam, 100u);
  EXPECT_TRUE(KillTimer(top, 100));
  EXPECT_FALSE(KillTimer(top, 100));
  harness.AdvanceTime(1000);
  EXPECT_EQ(Only(WM_TIMER).size(), 5u);
  DestroyWindow(top);
}

TEST_F(MessageLoopTest, PostedMessageToADestroyedWindowIsDropped) {
  HWND top = MakeTop(CRect(0, 0, 10, 10));
  HWND child = MakeChild(top, CRect(0, 0, 5, 5), 1);
  EXPECT_TRUE(PostMessage(child, WM_USER + 92, 0, 0));
  DestroyWindow(child);
  harness.Pump();
  EXPECT_TRUE(Only(WM_USER + 92).empty());
  DestroyWindow(top);
}

TEST_F(MessageLoopTest, PostMessageFromAnotherThreadArrivesInOrder) {
  HWND top = MakeTop(CRect(0, 0, 10, 10));
  std::thread worker([top] {
    for (int i = 0; i < 50; ++i) PostMessage(top, WM_USER + 5, static_cast<WPARAM>(i), 0);
  });
  worker.join();
  harness.Pump();
  std::vector<Logged> got = Only(WM_USER + 5);
  ASSERT_EQ(got.size(), 50u);
  for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i].wParam, i);
  DestroyWindow(top);
}

TEST_F(MessageLoopTest, UiThreadWorkRunsInTheLoop) {
  bool ran = false;
  platform::PostToUiThread([&ran] { ran = true; });
  harness.Pump();
  EXPECT_TRUE(ran);
}

// Work that posts its follower as it runs is always ready; the pump still keeps its bound.
TEST_F(MessageLoopTest, PumpKeepsItsBoundWhileWorkKeepsComing) {
  constexpr int kChain = 20000;  // 1 ms each: far longer than the pump may take
  int runs = 0;
  bool stop = false;
  std::function<void()> step = [&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (!stop && ++runs < kChain) platform::PostToUiThread(step);
  };
  platform::PostToUiThread(step);
  platform::PumpUiThread(20);
  EXPECT_LT(runs, kChain);
  stop = true;
  platform::PumpUiThread(0);
}

// Pictures posted as fast as they are shown leave room for the toolkit's redraw, which
// runs at G_PRIORITY_HIGH_IDLE + 20: posted as ordinary work they starved it.
TEST_F(MessageLoopTest, PicturesKeepingComingLeaveTheRedrawItsTurn) {
  bool stop = false;
  std::function<void()> picture = [&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (!stop) platform::PostPictureToUiThread(picture);
  };
  platform::PostPictureToUiThread(picture);
  bool redrawn = false;
  guint redraw = g_idle_add_full(
      G_PRIORITY_HIGH_IDLE + 20,
      [](gpointer data) {
        *static_cast<bool*>(data) = true;
        return G_SOURCE_REMOVE;
      },
      &redrawn, nullptr);
  platform::PumpUiThread(50);
  EXPECT_TRUE(redrawn);
  if (!redrawn) g_source_remove(redraw);
  stop = true;
  platform::PumpUiThread(0);
}

namespace {

// Destroys its own window from a handler and deletes itself afterwards.
class CSelfDestroying : public CWnd {
public:
  static int s_deleted;

protected:
  void OnLButtonDown(UINT, CPoint) { DestroyWindow(); }
  void OnTimer(UINT_PTR) { DestroyWindow(); }
  void PostNcDestroy() override {
    ++s_deleted;
    delete this;
  }
  DECLARE_MESSAGE_MAP()
};

int CSelfDestroying::s_deleted = 0;

BEGIN_MESSAGE_MAP(CSelfDestroying, CWnd)
  ON_WM_LBUTTONDOWN()
  ON_WM_TIMER()
END_MESSAGE_MAP()

}  // namespace

TEST_F(MessageLoopTest, AHandlerMayDestroyItsOwnWindow) {
  HWND top = MakeTop(CRect(0, 0, 100, 100));
  auto* clicked = new CSelfDestroying;
  ASSERT_TRUE(clicked->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), CWnd::FromHandle(top), 3));
  HWND clickedHwnd = clicked->m_hWnd;
  auto* timed = new CSelfDestroying;
  ASSERT_TRUE(timed->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(50, 50, 60, 60), CWnd::FromHandle(top), 4));
  timed->SetTimer(1, 50);
  HWND timedHwnd = timed->m_hWnd;
  harness.Click(clickedHwnd, CPoint(5, 5));
  harness.AdvanceTime(100);
  EXPECT_FALSE(IsWindow(clickedHwnd));
  EXPECT_FALSE(IsWindow(timedHwnd));
  EXPECT_EQ(CSelfDestroying::s_deleted, 2);
  EXPECT_TRUE(IsWindow(top));
  DestroyWindow(top);
}

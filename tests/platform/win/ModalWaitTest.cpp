// Waiting for a process on the UI thread while its messages keep flowing.
#include "platform/win/ModalWait.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "platform/base/UiDispatch.h"
#include "platform/shell/Process.h"
#include "platform/win/detail/Clock.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

namespace {

class ModalWaitTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterRecorderClasses();
    platform::detail::SetManualClock(false);  // timers come due while the child runs
  }
  void TearDown() override { platform::detail::SetManualClock(true); }

  // A child that runs `program` with `parameters`; its handle.
  static HANDLE Start(const wchar_t* program, const wchar_t* parameters) {
    SHELLEXECUTEINFOW info{};
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = program;
    info.lpParameters = parameters;
    EXPECT_TRUE(ShellExecuteExW(&info));
    return info.hProcess;
  }

  static bool Seen(UINT message) { return !Only(message).empty(); }

  // Comes back until the window got its posted message, its paint and its timer, then lets
  // the child end by making the file it waits for.
  void ReleaseOnceAllArrived() {
    if (!(Seen(WM_USER + 1) && Seen(WM_PAINT) && Seen(WM_TIMER))) {
      usleep(1000);
      platform::PostToUiThread([this] { ReleaseOnceAllArrived(); });
      return;
    }
    std::ofstream(temp.File("go")) << "";
  }

  platform::test::WindowHarness harness;
  testsupport::TempDir temp;
};

TEST_F(ModalWaitTest, TimersPostedMessagesAndPaintingGoOnUntilTheProcessEnds) {
  HWND top = MakeTop(CRect(0, 0, 50, 50));
  harness.Pump();
  Log().clear();
  std::wstring script = L"while [ ! -e '" + Utf8ToWide(temp.File("go")) + L"' ]; do sleep 0.02; done";
  HANDLE child = Start(L"/bin/sh", (L"-c \"" + script + L"\"").c_str());
  SetTimer(top, 1, 20, nullptr);
  PostMessage(top, WM_USER + 1, 0, 0);
  InvalidateRect(top, nullptr, FALSE);
  platform::PostToUiThread([this] { ReleaseOnceAllArrived(); });

  EXPECT_EQ(platform::WaitPumpingMessages(child, 60000), WAIT_OBJECT_0) << "the loop ran, so the child was let go";
  DWORD code = 1;
  EXPECT_TRUE(GetExitCodeProcess(child, &code));
  EXPECT_EQ(code, 0u);
  KillTimer(top, 1);
  CloseHandle(child);
  DestroyWindow(top);
}

TEST_F(ModalWaitTest, TheBoundEndsTheWaitOnARunningProcess) {
  HANDLE child = Start(L"sleep", L"600");
  EXPECT_EQ(platform::WaitPumpingMessages(child, 200), WAIT_TIMEOUT);
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeProcess(child, &code));
  EXPECT_EQ(code, STILL_ACTIVE);
  TerminateProcess(child, 1);
  EXPECT_EQ(platform::WaitPumpingMessages(child, INFINITE), WAIT_OBJECT_0) << "already ended: at once";
  CloseHandle(child);
  EXPECT_EQ(platform::WaitPumpingMessages(child, 0), WAIT_FAILED);
}

}  // namespace

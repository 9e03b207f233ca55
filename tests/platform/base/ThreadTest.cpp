#include "platform/base/Thread.h"

#include <gtest/gtest.h>

#include <atomic>

#include "platform/base/Sync.h"
#include "platform/base/System.h"

namespace {

std::atomic<bool> g_release{false};

UINT WaitThenReturn(LPVOID param) {
  while (!g_release) Sleep(1);
  return static_cast<UINT>(reinterpret_cast<UINT_PTR>(param));
}

}  // namespace

TEST(CWinThreadTest, ExitCodeIsStillActiveUntilTheFunctionReturns) {
  g_release = false;
  CWinThread* t =
      AfxBeginThread(WaitThenReturn, reinterpret_cast<LPVOID>(0), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  t->m_bAutoDelete = FALSE;
  t->ResumeThread();
  DWORD code = 1;
  ASSERT_TRUE(GetExitCodeThread(t->m_hThread, &code));
  EXPECT_EQ(code, STILL_ACTIVE);
  g_release = true;
  EXPECT_EQ(WaitForSingleObject(t->m_hThread, 5000), WAIT_OBJECT_0);
  ASSERT_TRUE(GetExitCodeThread(t->m_hThread, &code));
  EXPECT_EQ(code, 0u);
  HANDLE h = t->m_hThread;
  delete t;
  EXPECT_FALSE(GetExitCodeThread(h, &code));  // closed with its object
}

TEST(CWinThreadTest, SuspendedThreadWaitsForResume) {
  g_release = true;
  CWinThread* t =
      AfxBeginThread(WaitThenReturn, reinterpret_cast<LPVOID>(42), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  t->m_bAutoDelete = FALSE;
  EXPECT_EQ(WaitForSingleObject(t->m_hThread, 50), WAIT_TIMEOUT);
  t->ResumeThread();
  EXPECT_EQ(WaitForSingleObject(t->m_hThread, 5000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeThread(t->m_hThread, &code);
  EXPECT_EQ(code, 42u);
  delete t;
}

TEST(CCriticalSectionTest, OwnerMayEnterAgain) {
  CCriticalSection cs;
  CSingleLock outer(&cs, TRUE);
  {
    CSingleLock inner(&cs, TRUE);
    EXPECT_TRUE(inner.IsLocked());
  }
  EXPECT_TRUE(outer.IsLocked());
  EXPECT_TRUE(outer.Unlock());
  EXPECT_FALSE(outer.IsLocked());
}

TEST(SystemTest, WtoiFollowsTheRuntime) {
  EXPECT_EQ(_wtoi(L"  1049abc"), 1049);
  EXPECT_EQ(_wtoi(L"-12"), -12);
  EXPECT_EQ(_wtoi(L"+7"), 7);
  EXPECT_EQ(_wtoi(L"x1"), 0);
  EXPECT_EQ(_wtoi(L""), 0);
  EXPECT_EQ(_wtoi(L"99999999999999"), 2147483647);
}

TEST(SystemTest, ModulePathNamesThisExecutable) {
  wchar_t buf[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
  ASSERT_GT(n, 0u);
  CString path(buf);
  EXPECT_EQ(path.Left(1), L"/");
  EXPECT_EQ(GetModuleFolder(), path.Left(path.ReverseFind(L'/') + 1));
  wchar_t tiny[4];
  EXPECT_EQ(GetModuleFileNameW(nullptr, tiny, 4), 4u);  // truncated
  EXPECT_EQ(tiny[3], L'\0');
}

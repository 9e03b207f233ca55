#pragma once
// Worker threads in the class library's shape: AfxBeginThread starts a function on a new
// thread and returns its CWinThread; the exit code reads STILL_ACTIVE until it returns.
#include <memory>

#include "platform/base/Handle.h"
#include "platform/base/Object.h"

class CWnd;

using AFX_THREADPROC = UINT (*)(LPVOID);

constexpr DWORD CREATE_SUSPENDED = 0x00000004;
constexpr int THREAD_PRIORITY_NORMAL = 0;

class CWinThread : public CObject {
public:
  CWinThread();
  ~CWinThread() override;

  virtual BOOL InitInstance() { return FALSE; }
  virtual int ExitInstance() { return 0; }
  virtual int Run() { return ExitInstance(); }

  DWORD ResumeThread();
  BOOL SetThreadPriority(int) { return m_hThread != nullptr; }

  CWnd* m_pMainWnd = nullptr;
  HANDLE m_hThread = nullptr;
  DWORD m_nThreadID = 0;
  // When TRUE the object deletes itself as its thread ends.
  BOOL m_bAutoDelete = TRUE;

private:
  friend CWinThread* AfxBeginThread(AFX_THREADPROC, LPVOID, int, UINT, DWORD, void*);
  struct Start;
  std::shared_ptr<Start> m_start;
};

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                           UINT nStackSize = 0, DWORD dwCreateFlags = 0, void* lpSecurityAttrs = nullptr);

// The thread object of the calling thread: the worker's own, or the application object
// on the UI thread once it has registered itself.
CWinThread* AfxGetThread();
void AfxSetUiThread(CWinThread* pThread);

BOOL GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode);
DWORD GetCurrentThreadId();

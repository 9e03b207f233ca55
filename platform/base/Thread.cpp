#include "platform/base/Thread.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

thread_local CWinThread* t_currentThread = nullptr;
CWinThread* g_uiThread = nullptr;
std::atomic<DWORD> g_nextThreadId{1};
thread_local DWORD t_threadId = 0;

class ThreadObject : public platform::detail::KernelObject {};

}  // namespace

struct CWinThread::Start {
  std::mutex mutex;
  std::condition_variable cv;
  bool released = false;
  std::shared_ptr<ThreadObject> object = std::make_shared<ThreadObject>();
};

CWinThread::CWinThread() = default;

CWinThread::~CWinThread() {
  if (m_hThread) CloseHandle(m_hThread);
}

DWORD CWinThread::ResumeThread() {
  if (!m_start) return static_cast<DWORD>(-1);
  {
    std::lock_guard<std::mutex> lock(m_start->mutex);
    if (m_start->released) return 0;
    m_start->released = true;
  }
  m_start->cv.notify_all();
  return 1;
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int, UINT, DWORD dwCreateFlags, void*) {
  auto* thread = new CWinThread;
  thread->m_start = std::make_shared<CWinThread::Start>();
  std::shared_ptr<CWinThread::Start> start = thread->m_start;
  thread->m_hThread = platform::detail::AddHandle(start->object);
  thread->m_nThreadID = g_nextThreadId++;
  DWORD id = thread->m_nThreadID;
  std::thread([thread, start, pfnThreadProc, pParam, id] {
    {
      std::unique_lock<std::mutex> lock(start->mutex);
      start->cv.wait(lock, [&] { return start->released; });
    }
    t_currentThread = thread;
    t_threadId = id;
    UINT code = pfnThreadProc(pParam);
    // Read the flag before signalling: once signalled, the owner may delete the object.
    bool autoDelete = thread->m_bAutoDelete != FALSE;
    if (autoDelete) delete thread;
    start->object->Signal(code);
  }).detach();
  if (!(dwCreateFlags & CREATE_SUSPENDED)) thread->ResumeThread();
  return thread;
}

CWinThread* AfxGetThread() { return t_currentThread ? t_currentThread : g_uiThread; }

void AfxSetUiThread(CWinThread* pThread) { g_uiThread = pThread; }

BOOL GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode) {
  auto object = platform::detail::FindHandle(hThread);
  if (!object || !lpExitCode) return FALSE;
  *lpExitCode = object->ExitCode();
  return TRUE;
}

DWORD GetCurrentThreadId() {
  if (t_threadId == 0) t_threadId = g_nextThreadId++;
  return t_threadId;
}

#include "platform/win/detail/MessageLoop.h"

#include <atomic>
#include <glib.h>

#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/win/Window.h"
#include "platform/win/Wnd.h"
#include "platform/base/detail/GObjectRef.h"
#include "platform/win/detail/Clock.h"
#include "platform/win/detail/InputRouter.h"
#include "platform/win/detail/Painter.h"
#include "platform/win/detail/Timers.h"
#include "platform/win/detail/WindowTree.h"

namespace platform::detail {

namespace {

struct Queue {
  std::mutex mutex;
  std::deque<MSG> posted;
  std::deque<InputEvent> input;
  bool quit = false;
  int quitCode = 0;
};

Queue& TheQueue() {
  static Queue queue;
  return queue;
}

std::atomic<bool> g_uiThreadKnown{false};

std::thread::id& UiThreadId() {
  static std::thread::id id = [] {
    g_uiThreadKnown = true;
    return std::this_thread::get_id();
  }();
  return id;
}

int g_depth = 0;
DWORD g_lastMessageTime = 0;

bool HasQueued() {
  Queue& q = TheQueue();
  std::lock_guard<std::mutex> lock(q.mutex);
  return !q.posted.empty() || !q.input.empty();
}

bool HasReadyWork() { return HasQueued() || HasPaintWork() || TimerDueNow(); }

bool ProcessOne() {
  Queue& q = TheQueue();
  MSG msg;
  InputEvent event;
  enum { None, Posted, Input } kind = None;
  {
    std::lock_guard<std::mutex> lock(q.mutex);
    if (!q.posted.empty()) {
      msg = q.posted.front();
      q.posted.pop_front();
      kind = Posted;
    } else if (!q.input.empty()) {
      event = q.input.front();
      q.input.pop_front();
      kind = Input;
    }
  }
  if (kind == Posted) {
    g_lastMessageTime = msg.time;
    if (msg.hwnd && !IsWindow(msg.hwnd)) return true;
    if (!PreTranslate(msg)) DispatchRetrieved(msg);
    return true;
  }
  if (kind == Input) {
    RouteInput(event);
    return true;
  }
  if (HasPaintWork()) {
    PaintPass();
    return true;
  }
  return FireDueTimer();
}

gboolean Prepare(GSource*, gint* timeout) {
  if (HasReadyWork()) {
    *timeout = 0;
    return TRUE;
  }
  *timeout = -1;
  DWORD due = 0;
  if (!IsManualClock() && NextTimerDue(&due)) {
    DWORD now = NowMs();
    *timeout = due > now ? static_cast<gint>(due - now) : 0;
  }
  return FALSE;
}

gboolean Check(GSource*) { return HasReadyWork(); }

gboolean Dispatch(GSource*, GSourceFunc, gpointer) {
  ProcessOne();
  return G_SOURCE_CONTINUE;
}

GSourceFuncs g_funcs = {Prepare, Check, Dispatch, nullptr, nullptr, nullptr};

}  // namespace

// The queue's source lives as long as the process; attached on first use, which also
// names the calling thread the UI thread.
void EnsureSource() {
  static AttachedSource source = [] {
    UiThreadId();
    AttachedSource s(g_source_new(&g_funcs, sizeof(GSource)));
    g_source_set_priority(s.get(), G_PRIORITY_DEFAULT);
    g_source_set_can_recurse(s.get(), TRUE);  // modal loops run inside a dispatch
    g_source_attach(s.get(), g_main_context_default());
    return s;
  }();
}

bool IsUiThread() { return std::this_thread::get_id() == UiThreadId(); }

bool IsKnownUiThread() { return g_uiThreadKnown && IsUiThread(); }

void WakeLoop() { g_main_context_wakeup(g_main_context_default()); }

void PostQueued(const MSG& msg) {
  EnsureSource();
  Queue& q = TheQueue();
  {
    std::lock_guard<std::mutex> lock(q.mutex);
    q.posted.push_back(msg);
  }
  WakeLoop();
}

void PostInput(const InputEvent& event) {
  EnsureSource();
  Queue& q = TheQueue();
  {
    std::lock_guard<std::mutex> lock(q.mutex);
    q.input.push_back(event);
  }
  WakeLoop();
}

void RunLoop(const std::function<bool()>& done) {
  EnsureSource();
  GMainContext* context = g_main_context_default();
  ++g_depth;
  while (!done() && !QuitRequested()) {
    if (IsManualClock() && !g_main_context_pending(context)) {
      // Nothing else will happen until the next timer: let the manual clock run to it.
      DWORD due = 0;
      if (NextTimerDue(&due)) {
        DWORD now = NowMs();
        if (due > now) AdvanceClock(due - now);
        continue;
      }
    }
    g_main_context_iteration(context, TRUE);
  }
  --g_depth;
}

bool PumpReady() {
  EnsureSource();
  GMainContext* context = g_main_context_default();
  bool ran = false;
  while (g_main_context_iteration(context, FALSE)) ran = true;
  return ran;
}

bool PumpOnce() {
  EnsureSource();
  return g_main_context_iteration(g_main_context_default(), FALSE);
}

int LoopDepth() { return g_depth; }

bool QuitRequested() {
  Queue& q = TheQueue();
  std::lock_guard<std::mutex> lock(q.mutex);
  return q.quit;
}

void ClearQuit() {
  Queue& q = TheQueue();
  std::lock_guard<std::mutex> lock(q.mutex);
  q.quit = false;
}

bool PreTranslate(MSG& msg) {
  HWND hwnd = msg.hwnd;
  while (hwnd) {
    WindowNode* node = FindWindowNode(hwnd);
    if (!node) return false;
    if (CWnd* wnd = node->object) {
      if (wnd->PreTranslateMessage(&msg)) return true;
      if (!IsWindow(msg.hwnd)) return true;
    }
    hwnd = GetParent(hwnd);
  }
  return false;
}

void DispatchRetrieved(MSG& msg) {
  g_lastMessageTime = msg.time;
  if (msg.message == WM_TIMER && msg.lParam) {
    auto proc = reinterpret_cast<TIMERPROC>(msg.lParam);
    proc(msg.hwnd, WM_TIMER, msg.wParam, msg.time);
    return;
  }
  if (msg.hwnd) SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

DWORD LastMessageTime() { return g_lastMessageTime; }

}  // namespace platform::detail

void PostQuitMessage(int nExitCode) {
  auto& q = platform::detail::TheQueue();
  {
    std::lock_guard<std::mutex> lock(q.mutex);
    q.quit = true;
    q.quitCode = nExitCode;
  }
  platform::detail::WakeLoop();
}

DWORD GetMessageTime() { return platform::detail::LastMessageTime(); }

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // Validity is checked again at delivery: the window may be destroyed in between, and
  // the table is the UI thread's.
  if (platform::detail::IsUiThread() && !IsWindow(hWnd)) return FALSE;
  MSG msg;
  msg.hwnd = hWnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = platform::detail::NowMs();
  platform::detail::PostQueued(msg);
  return TRUE;
}

namespace platform {

void QueueInput(const InputEvent& event) { detail::PostInput(event); }

}  // namespace platform

#include "platform/win/detail/Timers.h"

#include <map>

#include "platform/win/Messages.h"
#include "platform/win/detail/Clock.h"
#include "platform/win/detail/MessageLoop.h"

namespace platform::detail {

namespace {

struct Timer {
  UINT elapse = 0;
  DWORD due = 0;
  TIMERPROC proc = nullptr;
};

using Key = std::pair<HWND, UINT_PTR>;

std::map<Key, Timer>& Timers() {
  static std::map<Key, Timer> timers;
  return timers;
}

UINT_PTR g_nextThreadTimer = 0x7000;

// Signed distance so that the 32-bit clock may wrap.
bool IsDue(DWORD due, DWORD now) { return static_cast<int32_t>(now - due) >= 0; }

}  // namespace

bool NextTimerDue(DWORD* due) {
  bool any = false;
  for (const auto& [key, timer] : Timers()) {
    if (!any || static_cast<int32_t>(timer.due - *due) < 0) *due = timer.due;
    any = true;
  }
  return any;
}

bool TimerDueNow() {
  DWORD due = 0;
  return NextTimerDue(&due) && IsDue(due, NowMs());
}

bool FireDueTimer() {
  DWORD now = NowMs();
  auto& timers = Timers();
  auto best = timers.end();
  for (auto it = timers.begin(); it != timers.end(); ++it)
    if (IsDue(it->second.due, now) &&
        (best == timers.end() || static_cast<int32_t>(it->second.due - best->second.due) < 0))
      best = it;
  if (best == timers.end()) return false;
  // Coalesced: however late, one WM_TIMER, and the next one a full period from now.
  best->second.due = now + best->second.elapse;
  MSG msg;
  msg.hwnd = best->first.first;
  msg.message = WM_TIMER;
  msg.wParam = best->first.second;
  msg.lParam = reinterpret_cast<LPARAM>(best->second.proc);
  msg.time = now;
  if (msg.hwnd && !IsWindow(msg.hwnd)) {
    timers.erase(best);
    return true;
  }
  if (!PreTranslate(msg)) DispatchRetrieved(msg);
  return true;
}

void KillWindowTimers(HWND hwnd) {
  auto& timers = Timers();
  for (auto it = timers.begin(); it != timers.end();) it = it->first.first == hwnd ? timers.erase(it) : std::next(it);
}

}  // namespace platform::detail

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
  using namespace platform::detail;
  if (hWnd && !IsWindow(hWnd)) return 0;
  if (!hWnd) nIDEvent = ++g_nextThreadTimer;
  if (uElapse < 10) uElapse = 10;  // as Win32's floor
  Timers()[{hWnd, nIDEvent}] = Timer{uElapse, NowMs() + uElapse, lpTimerFunc};
  EnsureSource();
  WakeLoop();
  return hWnd ? (nIDEvent ? nIDEvent : 1) : nIDEvent;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
  return platform::detail::Timers().erase({hWnd, uIDEvent}) ? TRUE : FALSE;
}

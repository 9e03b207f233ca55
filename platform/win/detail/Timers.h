#pragma once
// Window timers, kept per (window, id) and fired in due order on the layer's clock.
#include "platform/win/Timer.h"

namespace platform::detail {

bool TimerDueNow();
bool NextTimerDue(DWORD* due);
// Sends WM_TIMER (or calls the timer's function) for the most overdue timer.
bool FireDueTimer();
void KillWindowTimers(HWND hwnd);

}  // namespace platform::detail

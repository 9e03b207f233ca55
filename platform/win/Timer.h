#pragma once
// Window timers: WM_TIMER is the lowest-priority message, sent only when nothing else
// waits; a timer that fell behind fires once, not once per missed period. Timers keep
// running inside modal loops.
#include "platform/base/WinTypes.h"

using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent);

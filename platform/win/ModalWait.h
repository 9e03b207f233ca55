#pragma once
// Waiting on the UI thread for a process or thread to end without stopping the window: the
// message loop runs meanwhile, nested as in a modal loop, so timers, posted messages and
// painting go on.
#include "platform/base/Handle.h"

namespace platform {

// WAIT_OBJECT_0 once the object is signalled; WAIT_TIMEOUT when `milliseconds` of real time
// (INFINITE: no bound) passed first or the loop was asked to quit; WAIT_FAILED for a handle
// that names no waitable object.
DWORD WaitPumpingMessages(HANDLE hObject, DWORD milliseconds);

}  // namespace platform

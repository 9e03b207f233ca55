#pragma once
// The layer's millisecond clock for message times and timers. Tests switch it to manual
// so that timers advance only when told to.
#include "platform/base/WinTypes.h"

namespace platform::detail {

DWORD NowMs();
void SetManualClock(bool manual);
bool IsManualClock();
void AdvanceClock(DWORD milliseconds);

}  // namespace platform::detail

#include "platform/win/detail/Clock.h"

#include <atomic>
#include <chrono>

namespace platform::detail {

namespace {

std::atomic<bool> g_manual{false};
std::atomic<DWORD> g_manualNow{1000};

DWORD RealNow() {
  using namespace std::chrono;
  return static_cast<DWORD>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

DWORD NowMs() { return g_manual ? g_manualNow.load() : RealNow(); }

void SetManualClock(bool manual) {
  if (manual && !g_manual) g_manualNow = RealNow();
  g_manual = manual;
}

bool IsManualClock() { return g_manual; }

void AdvanceClock(DWORD milliseconds) { g_manualNow += milliseconds; }

}  // namespace platform::detail

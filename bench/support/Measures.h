#pragma once
// What the benchmarks measure with: wall time in ms, medians, resident memory (and, from
// Processes.h, CPU seconds), and the UI thread's work run to completion or until a
// condition holds.
#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "bench/support/Processes.h"
#include "platform/base/UiDispatch.h"
#include "platform/win/detail/MessageLoop.h"

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::time_point from, Clock::time_point to = Clock::now()) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// The middle value; 0 for none.
inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Resident memory of the process in KB.
inline long ResidentKb() { return RssKb(getpid()); }

// Runs whatever the UI thread has ready, until nothing is left.
inline void PumpAll() {
  while (platform::detail::PumpOnce()) {
  }
}

// Runs the UI thread's work, asking `done` every `everyMs`; false when `timeoutMs` passed first.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs, int everyMs = 1) {
  const auto start = Clock::now();
  while (!done()) {
    if (Ms(start) > timeoutMs) return false;
    platform::PumpUiThread(everyMs);
  }
  return true;
}

}  // namespace bench

#include "platform/base/Check.h"

#include <glib.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<bool> g_fatal{false};

}  // namespace

void PlatformContractBroken(const char* condition, const char* what, const char* file, int line) {
  std::fprintf(stderr, "contract broken at %s:%d: %s (%s)\n", file, line, what, condition);
  if (g_fatal) std::abort();
}

void PlatformMakeContractsFatal() {
  g_fatal = true;
  g_log_set_always_fatal(static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_FATAL_MASK));
}

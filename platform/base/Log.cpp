#include "platform/base/Log.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void PlatformLog(const char* category, const char* fmt, ...) {
  const char* wanted = std::getenv("RODEMIR_LOG");
  if (!wanted || !*wanted) return;
  if (std::strcmp(wanted, "all") != 0 && !std::strstr(wanted, category)) return;
  std::fprintf(stderr, "[%s] ", category);
  va_list args;
  va_start(args, fmt);
  std::vfprintf(stderr, fmt, args);
  va_end(args);
  std::fputc('\n', stderr);
}

#pragma once
// Sets this thread's UI language for one test and returns to the system's afterwards.
#include "platform/base/System.h"

namespace platform::test {

class ScopedUiLanguage {
public:
  explicit ScopedUiLanguage(LANGID language) { SetThreadUILanguage(language); }
  ~ScopedUiLanguage() { SetThreadUILanguage(0); }
  ScopedUiLanguage(const ScopedUiLanguage&) = delete;
  ScopedUiLanguage& operator=(const ScopedUiLanguage&) = delete;
};

}  // namespace platform::test

#pragma once
// Finds and loads the engine module, once per process: beside the running program, else
// in the build tree. Kept loaded for the rest of the process.
#include <string>

#include "platform/web/detail/WebEngine.h"

namespace platform::detail {

constexpr const char* kWebEngineModuleFile = "librodemir-web.so";

// The module's entry point; null (and one line on standard error) when it cannot be loaded.
NewWebEngineViewFn WebEngineModule();
// Tests: load `path` instead at the next call, "" for the usual places; forgets the last try.
void SetWebEngineModulePath(const std::string& path);

}  // namespace platform::detail

#pragma once
// Tests: the executable's own path as GetModuleFileNameW reports it, so that what is looked
// for beside the program can be placed in a folder of the test's own.
#include <string>

namespace platform::detail {

// `path` (UTF-8) is reported from now on; empty for the real path again.
void SetModuleFile(const std::string& path);

}  // namespace platform::detail

#pragma once
// The system's folder of GStreamer plugins, for tests that run on a chosen few of them.
#include <string>

namespace testsupport {

// Empty when there is none.
std::string SystemPluginFolder();

}  // namespace testsupport

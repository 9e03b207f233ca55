// Compiled into every test executable: unless the caller set them, tests run headless,
// silent, offline, and with a registry and documents folder inside the build tree. Broken
// contracts and the libraries' critical warnings stop the run.
#include <cstdlib>

#include "platform/base/Check.h"

namespace {

struct TestEnvironment {
  TestEnvironment() {
    setenv("RODEMIR_PRESENTER", "headless", 0);
    setenv("RODEMIR_AUDIO_SINK", "fakesink sync=true", 0);
    setenv("RODEMIR_ONLINE", "0", 0);
    setenv("RODEMIR_REGISTRY_DIR", RODEMIR_BUILD_DIR "/test-registry", 0);
    setenv("RODEMIR_DOCUMENTS", RODEMIR_BUILD_DIR "/test-documents", 0);
    PlatformMakeContractsFatal();
  }
};

const TestEnvironment g_environment;

}  // namespace

#include "tests/support/PluginFolder.h"

#include <filesystem>

namespace testsupport {

std::string SystemPluginFolder() {
  namespace fs = std::filesystem;
  for (const auto& arch : fs::directory_iterator("/usr/lib")) {
    fs::path folder = arch.path() / "gstreamer-1.0";
    if (fs::exists(folder / "libgstvideofilter.so")) return folder.string();
  }
  return "";
}

}  // namespace testsupport

// Elements installed while the program runs count once the plugins are read again: a
// process started on a plugin folder without the video decoder's parser and decoder, which
// then get installed into it.
#include "platform/media/PluginInstaller.h"

#include <gst/gst.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/media/FilterElements.h"
#include "platform/media/MediaInterfaces.h"
#include "tests/support/PluginFolder.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(PluginInstallerTest, ElementsInstalledSinceTheStartCountAfterARescan) {
  if (gst_is_initialized()) GTEST_SKIP() << "needs a process of its own";
  fs::path system = testsupport::SystemPluginFolder();
  ASSERT_FALSE(system.empty());
  testsupport::TempDir temp;
  fs::path plugins = temp.File("plugins");
  fs::create_directories(plugins);
  fs::create_symlink(system / "libgstvideofilter.so", plugins / "libgstvideofilter.so");
  setenv("GST_REGISTRY_1_0", temp.File("registry.bin").c_str(), 1);
  setenv("GST_PLUGIN_SYSTEM_PATH_1_0", plugins.c_str(), 1);
  setenv("GST_PLUGIN_PATH_1_0", "", 1);
  EXPECT_FALSE(platform::IsMediaClassAvailable(CLSID_VideoDecoder));

  for (const char* file : {"libgstvideoparsersbad.so", "libgstlibav.so"})
    fs::create_symlink(system / file, plugins / file);
  EXPECT_FALSE(platform::IsMediaClassAvailable(CLSID_VideoDecoder)) << "not read again yet";
  platform::RescanMediaElements();
  EXPECT_TRUE(platform::IsMediaClassAvailable(CLSID_VideoDecoder));
}

}  // namespace

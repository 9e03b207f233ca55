// The decoder installer run as the program starts it, on a plugin set that lacks the
// parser and the decoders, with a fake desktop installer or a fake privilege prompt that
// note what they were asked to do.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/FilterInstaller.h"
#include "tests/support/PluginFolder.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(FilterInstallerTest, PackagesFollowTheElementsEachOnce) {
  EXPECT_EQ(DebianPackagesFor({"avdec_h264", "h264parse", "avdec_aac", "videoflip", "unknown"}),
            (std::vector<std::string>{"gstreamer1.0-libav", "gstreamer1.0-plugins-bad", "gstreamer1.0-plugins-good"}));
  EXPECT_TRUE(DebianPackagesFor({}).empty());
  EXPECT_EQ(PackageManagerParameters({"a", "b"}), L"/usr/bin/apt-get install -y a b");
}

using testsupport::SystemPluginFolder;

class FilterInstallerRun : public ::testing::Test {
protected:
  FilterInstallerRun() {
    fs::create_directories(temp.File("plugins"));
    fs::create_directories(temp.File("bin"));
    // Only videobalance and videoflip are there.
    if (!SystemPluginFolder().empty())
      fs::create_symlink(SystemPluginFolder() + "/libgstvideofilter.so", temp.File("plugins/libgstvideofilter.so"));
  }

  void FakeProgram(const std::string& name, int status) {
    std::ofstream(temp.File("bin/" + name))
        << "#!/bin/sh\necho \"" << name << " $*\" >> '" << temp.File("runs") << "'\nexit " << status << "\n";
    chmod(temp.File("bin/" + name).c_str(), 0755);
  }

  // The installer's exit status; `helper` empty for a desktop without an installer.
  int Run(const std::string& helper, bool onlyFakesOnPath = false) {
    std::string path = temp.File("bin") + (onlyFakesOnPath ? "" : ":" + std::string(std::getenv("PATH")));
    std::string command = "GST_REGISTRY_1_0='" + temp.File("registry.bin") + "' GST_PLUGIN_SYSTEM_PATH_1_0='" +
                          temp.File("plugins") + "' GST_PLUGIN_PATH_1_0= GST_INSTALL_PLUGINS_HELPER='" +
                          (helper.empty() ? temp.File("none") : temp.File("bin/" + helper)) + "' PATH='" + path +
                          "' '" RODEMIR_BUILD_DIR "/NIMBFilter' 2>/dev/null";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string Runs() const {
    std::ifstream runs(temp.File("runs"));
    std::stringstream text;
    text << runs.rdbuf();
    return text.str();
  }

  testsupport::TempDir temp;
};

TEST_F(FilterInstallerRun, AsksTheDesktopsInstallerForTheMissingElementsOnly) {
  if (SystemPluginFolder().empty()) GTEST_SKIP() << "no system plugin folder";
  FakeProgram("helper", 0);
  FakeProgram("pkexec", 0);
  EXPECT_EQ(Run("helper"), kFiltersStillMissing) << "the fake installed nothing";
  std::string runs = Runs();
  EXPECT_NE(runs.find("helper "), std::string::npos);
  for (const char* element : {"element-h264parse", "element-avdec_h264", "element-avdec_aac"})
    EXPECT_NE(runs.find(element), std::string::npos) << element;
  EXPECT_EQ(runs.find("videobalance"), std::string::npos);
  EXPECT_EQ(runs.find("pkexec"), std::string::npos);
}

TEST_F(FilterInstallerRun, ARefusalAtTheDesktopsInstallerInstallsNothingElse) {
  if (SystemPluginFolder().empty()) GTEST_SKIP() << "no system plugin folder";
  FakeProgram("helper", 4);  // the user cancelled
  FakeProgram("pkexec", 0);
  EXPECT_EQ(Run("helper"), kFiltersStillMissing);
  EXPECT_EQ(Runs().find("pkexec"), std::string::npos);
}

TEST_F(FilterInstallerRun, WithoutAnInstallerThePackageManagerRunsBehindThePrompt) {
  if (SystemPluginFolder().empty()) GTEST_SKIP() << "no system plugin folder";
  if (!fs::exists("/usr/bin/apt-get")) GTEST_SKIP() << "no package manager";
  FakeProgram("pkexec", 0);
  EXPECT_EQ(Run(""), kFiltersStillMissing) << "the fake installed nothing";
  EXPECT_EQ(Runs(), "pkexec /usr/bin/apt-get install -y gstreamer1.0-plugins-bad gstreamer1.0-libav\n");

  fs::remove(temp.File("runs"));
  FakeProgram("pkexec", 126);  // the password was not given
  EXPECT_EQ(Run(""), kFiltersStillMissing);
}

TEST_F(FilterInstallerRun, WithNeitherInstallerNorPromptItSaysSo) {
  if (SystemPluginFolder().empty()) GTEST_SKIP() << "no system plugin folder";
  EXPECT_EQ(Run("", true), kNoWayToInstall);
}

TEST_F(FilterInstallerRun, NothingMissingRunsNothing) {
  FakeProgram("helper", 0);
  FakeProgram("pkexec", 0);
  std::string command = "GST_INSTALL_PLUGINS_HELPER='" + temp.File("bin/helper") + "' PATH='" + temp.File("bin") + ":" +
                        std::getenv("PATH") + "' '" RODEMIR_BUILD_DIR "/NIMBFilter' 2>/dev/null";
  int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kFiltersPresent);
  EXPECT_EQ(Runs(), "");
}

}  // namespace

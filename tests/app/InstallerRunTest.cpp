// The decoder check's installer run, on fake installers beside a program of the test's own.
#include "app/InstallerRun.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "platform/base/UiDispatch.h"
#include "platform/base/detail/ModuleFile.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowHarness.h"

namespace {

class InstallerRunTest : public ::testing::Test {
protected:
  InstallerRunTest() { platform::detail::SetModuleFile(temp.File("rodemir")); }
  ~InstallerRunTest() override { platform::detail::SetModuleFile(""); }

  void WriteInstaller(const std::string& body) {
    std::ofstream(temp.File("NIMBFilter")) << "#!/bin/sh\ncd '" << temp.path() << "'\n" << body << "\n";
    chmod(temp.File("NIMBFilter").c_str(), 0755);
  }
  CString Installer() const { return CString::FromUtf8(temp.File("NIMBFilter.exe")); }

  // The pid the installer wrote, once it is there.
  pid_t WrittenPid() const {
    pid_t pid = 0;
    for (int i = 0; i < 1000 && pid == 0; ++i) {
      std::ifstream(temp.File("pid")) >> pid;
      if (pid == 0) usleep(10000);
    }
    return pid;
  }

  testsupport::TempDir temp;
  platform::test::WindowHarness harness;
};

TEST_F(InstallerRunTest, AnInstallerThatEndsIsWaitedForWithPostedWorkRunning) {
  WriteInstaller("sleep 1; exit 3");
  bool ran = false;
  platform::PostToUiThread([&ran] { ran = true; });
  EXPECT_EQ(RunFilterInstaller(Installer(), 60000), InstallerRun::Ended);
  EXPECT_TRUE(ran);
}

TEST_F(InstallerRunTest, AHungInstallerIsLeftRunningAtTheBound) {
  WriteInstaller("echo $$ > pid; exec sleep 600");
  EXPECT_EQ(RunFilterInstaller(Installer(), 500), InstallerRun::StillRunning);
  pid_t pid = WrittenPid();
  ASSERT_GT(pid, 0);
  EXPECT_EQ(kill(pid, 0), 0) << "still running";
  kill(pid, SIGKILL);
}

TEST_F(InstallerRunTest, NothingStartsWithoutAnInstallerAtThePath) {
  EXPECT_EQ(RunFilterInstaller(Installer(), 60000), InstallerRun::NotStarted);
  WriteInstaller("exit 0");
  EXPECT_EQ(RunFilterInstaller(L"NIMBFilter.exe", 60000), InstallerRun::NotStarted) << "no folder";
}

}  // namespace

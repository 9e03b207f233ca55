#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "platform/base/Registry.h"
#include "platform/base/detail/ModuleFile.h"
#include "platform/win/MessageBox.h"
#include "tests/player/PlayerDlgFixture.h"

namespace {

using playertest::PlayerDlgFixture;
using playertest::ScopedEnv;

// The main window run modally, as from a program in a folder of the test's own, with its
// video decoder missing until a fake installer "installs" it. Installers that would install
// it wait on PATH and in the working folder too; they must never run.
class TavrenPlayerDlgDecoderTest : public PlayerDlgFixture {
protected:
  TavrenPlayerDlgDecoderTest() : path("PATH", temp.File("bin") + ":" + std::getenv("PATH")) {
    createOnSetUp = false;
    for (const char* folder : {"program", "bin", "cwd"}) mkdir(temp.File(folder).c_str(), 0755);
    platform::detail::SetModuleFile(temp.File("program/rodemir"));
    WriteInstaller("bin/NIMBFilter", "echo path >> runs; touch installed");
    WriteInstaller("cwd/NIMBFilter", "echo cwd >> runs; touch installed");
    WriteInstaller("cwd/NIMBFilter.exe", "echo cwd >> runs; touch installed");
    EXPECT_TRUE(getcwd(oldFolder, sizeof oldFolder));
    EXPECT_EQ(chdir(temp.File("cwd").c_str()), 0);
  }
  ~TavrenPlayerDlgDecoderTest() override {
    platform::detail::SetModuleFile("");
    EXPECT_EQ(chdir(oldFolder), 0);
  }

  // A fake installer at `file` under the test's folder that runs `body` there.
  void WriteInstaller(const std::string& file, const std::string& body) {
    std::ofstream(temp.File(file)) << "#!/bin/sh\ncd '" << temp.path() << "'\n" << body << "\n";
    chmod(temp.File(file).c_str(), 0755);
  }
  bool Installed() const { return access(temp.File("installed").c_str(), F_OK) == 0; }
  std::string Runs() const {
    std::stringstream text;
    text << std::ifstream(temp.File("runs")).rdbuf();
    return text.str();
  }

  INT_PTR Start(std::vector<std::string> missing) {
    fakegraph::TheWorld().missingClasses = std::move(missing);
    opened = false;
    return RunModal([this] { CloseOnceShown(); });
  }
  INT_PTR StartWithoutVideoDecoder() {
    fakegraph::TheWorld().isMissing = [this](const std::string& kind) { return kind == "decoder" && !Installed(); };
    return Start({});
  }

  // Comes back until the window shows, noting whether it ran while the installer was at
  // work. A window that told of missing decoders at its start is never shown.
  void CloseOnceShown() {
    if (!dlg || !::IsWindow(Hwnd()) || !scripted.messageBoxes().empty()) return;
    if (!dlg->IsWindowVisible()) {
      if (!Runs().empty() && !Installed()) ranWhileInstalling = true;
      usleep(2000);
      platform::PostToUiThread([this] { CloseOnceShown(); });
      return;
    }
    opened = true;
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BTN_CLOSE, BN_CLICKED), 0);
  }

  static CString Whitelist() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\GNU\\ffdshow", 0, KEY_READ, &key) != ERROR_SUCCESS)
      return L"(no key)";
    wchar_t text[256] = {};
    DWORD bytes = sizeof(text) - sizeof(wchar_t);
    RegQueryValueExW(key, L"whitelist", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &bytes);
    RegCloseKey(key);
    return text;
  }

  ScopedEnv path;
  char oldFolder[4096] = {};
  bool opened = false;
  bool ranWhileInstalling = false;
};

TEST_F(TavrenPlayerDlgDecoderTest, MissingAudioDecoderOrBrightnessFilterAloneShowsNothing) {
  WriteInstaller("program/NIMBFilter", "echo beside >> runs");
  for (const char* missing : {"aac", "brightness"}) {
    SCOPED_TRACE(missing);
    EXPECT_EQ(Start({missing}), IDCANCEL);
    EXPECT_TRUE(opened);
    Destroy();
  }
  EXPECT_TRUE(scripted.messageBoxes().empty());
  EXPECT_EQ(Runs(), "") << "the video decoder was there";
}

TEST_F(TavrenPlayerDlgDecoderTest, SlowInstallerIsWaitedForWithTheLoopRunningAndTheProgramGoesOn) {
  WriteInstaller("program/NIMBFilter", "echo beside >> runs; sleep 2; touch installed");
  EXPECT_EQ(StartWithoutVideoDecoder(), IDCANCEL);
  EXPECT_TRUE(opened);
  EXPECT_TRUE(ranWhileInstalling) << "posted work waited for the installer";
  EXPECT_TRUE(scripted.messageBoxes().empty());
  EXPECT_EQ(Runs(), "beside\n");
  EXPECT_EQ(Whitelist(), L";RODEMIR.exe;");
}

TEST_F(TavrenPlayerDlgDecoderTest, RefusedInstallTellsTheUserAndEnds) {
  WriteInstaller("program/NIMBFilter", "echo beside >> runs; sleep 1; exit 1");
  scripted.MessageBoxAnswer(IDOK);
  EXPECT_EQ(StartWithoutVideoDecoder(), IDCANCEL);
  EXPECT_FALSE(opened);
  EXPECT_TRUE(ranWhileInstalling);
  ASSERT_EQ(scripted.messageBoxes().size(), 1u);
  EXPECT_EQ(scripted.messageBoxes()[0].text, L"Video filter is not registered.\nPlease re-install KELVANE.");
  EXPECT_EQ(Runs(), "beside\n");
}

TEST_F(TavrenPlayerDlgDecoderTest, InstallerOnlyOnPathOrInTheWorkingFolderNeverRuns) {
  // The program's folder without an installer, then a program whose folder is unknown.
  for (const std::string& program : {temp.File("program/rodemir"), std::string("rodemir")}) {
    SCOPED_TRACE(program);
    platform::detail::SetModuleFile(program);
    scripted.MessageBoxAnswer(IDOK);
    EXPECT_EQ(StartWithoutVideoDecoder(), IDCANCEL);
    EXPECT_FALSE(opened);
    Destroy();
  }
  EXPECT_EQ(scripted.messageBoxes().size(), 2u);
  EXPECT_EQ(Runs(), "");
  EXPECT_EQ(Whitelist(), L";RODEMIR.exe;");
}

}  // namespace

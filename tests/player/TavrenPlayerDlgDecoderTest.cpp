#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "platform/base/Registry.h"
#include "platform/win/MessageBox.h"
#include "tests/player/PlayerDlgFixture.h"

namespace {

using playertest::PlayerDlgFixture;
using playertest::ScopedEnv;

// The main window run modally with some of the decoder classes missing.
class TavrenPlayerDlgDecoderTest : public PlayerDlgFixture {
protected:
  TavrenPlayerDlgDecoderTest() { createOnSetUp = false; }

  INT_PTR Start(std::vector<std::string> missing) {
    fakegraph::TheWorld().missingClasses = std::move(missing);
    bool opened = false;
    INT_PTR result = RunModal([&] {
      opened = dlg->IsWindowVisible() != FALSE;
      dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BTN_CLOSE, BN_CLICKED), 0);
    });
    endedAtStart = !opened;
    return result;
  }

  // An installer on the search path that notes each run in a file.
  void InstallFakeInstaller() {
    const std::string folder = temp.File("bin");
    mkdir(folder.c_str(), 0755);
    std::ofstream(folder + "/NIMBFilter") << "#!/bin/sh\necho run >> '" << temp.File("installer-runs") << "'\n";
    chmod((folder + "/NIMBFilter").c_str(), 0755);
    path.emplace("PATH", folder + ":" + std::getenv("PATH"));
  }
  int InstallerRuns() const {
    std::ifstream runs(temp.File("installer-runs"));
    int count = 0;
    for (std::string line; std::getline(runs, line);) ++count;
    return count;
  }
  static CString Whitelist() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\GNU\\ffdshow", 0, KEY_READ, &key) != ERROR_SUCCESS) return L"(no key)";
    wchar_t text[256] = {};
    DWORD bytes = sizeof(text) - sizeof(wchar_t);
    RegQueryValueExW(key, L"whitelist", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &bytes);
    RegCloseKey(key);
    return text;
  }

  bool endedAtStart = false;
  std::optional<ScopedEnv> path;
};

TEST_F(TavrenPlayerDlgDecoderTest, MissingAudioDecoderOrBrightnessFilterAloneShowsNothing) {
  for (const char* missing : {"aac", "brightness"}) {
    SCOPED_TRACE(missing);
    EXPECT_EQ(Start({missing}), IDCANCEL);
    EXPECT_FALSE(endedAtStart);
    Destroy();
  }
  EXPECT_TRUE(scripted.messageBoxes().empty());
  EXPECT_EQ(Whitelist(), L"(no key)") << "nothing is created while the video decoder is there";
}

TEST_F(TavrenPlayerDlgDecoderTest, MissingVideoDecoderWithoutInstallerTellsTheUserAndEnds) {
  scripted.MessageBoxAnswer(IDOK);
  EXPECT_EQ(Start({"decoder"}), IDCANCEL);
  EXPECT_TRUE(endedAtStart);
  ASSERT_EQ(scripted.messageBoxes().size(), 1u);
  EXPECT_EQ(scripted.messageBoxes()[0].text, L"Video filter is not registered.\nPlease re-install KELVANE.");
  EXPECT_EQ(Whitelist(), L";RODEMIR.exe;");
}

TEST_F(TavrenPlayerDlgDecoderTest, InstallerRunsOnceAndWhatIsStillMissingAfterItEndsTheProgram) {
  InstallFakeInstaller();
  scripted.MessageBoxAnswer(IDOK);
  EXPECT_EQ(Start({"decoder"}), IDCANCEL);
  EXPECT_TRUE(endedAtStart);
  EXPECT_EQ(InstallerRuns(), 1);
  EXPECT_EQ(scripted.messageBoxes().size(), 1u);
}

}  // namespace

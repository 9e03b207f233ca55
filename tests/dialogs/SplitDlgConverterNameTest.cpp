#include <gtest/gtest.h>

#include <fstream>

#include "dialogs/SplitDlg.h"
#include "tests/dialogs/SplitTestSupport.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/ScopedUiLanguage.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

using namespace splittest;

TEST_F(SplitDlgTest, AMissingConverterIsNamedAsLookedForWithThePackageToInstall) {
  testsupport::TempDir empty;
  testsupport::ScopedEnv path("PATH", empty.path().c_str());
  std::string source = card.File("20240101_120000_NOR2.AVI");
  std::ofstream(source) << "recording";
  AddRow("20240101_120000_NOR2.AVI", source, true);
  platform::test::ScopedUiLanguage russian(1049);
  platform::test::ScriptedDialogs dialogs;
  dialogs.MessageBoxAnswer(IDOK);
  CSplitDlg dlg(list);
  Start(dlg, {IDC_SPLIT_FRONT});
  ASSERT_FALSE(dialogs.messageBoxes().empty());
  EXPECT_EQ(dialogs.messageBoxes()[0].text,
            L"Не удаётся найти «ffmpeg».\nУстановите пакет «ffmpeg» и повторите попытку.");
  Press(dlg, IDCANCEL);
}

}  // namespace

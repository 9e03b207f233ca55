#include <gtest/gtest.h>

#include "platform/win/MessageBox.h"
#include "platform/win/Resources.h"
#include "platform/win/WinApp.h"
#include "tests/support/DialogOwnerTest.h"
#include "tests/support/ScopedUiLanguage.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;
using platform::test::ScriptedDialogs;

namespace {

class MessageBoxTest : public platform::test::DialogOwnerTest {
protected:
  void SetUp() override {
    DialogOwnerTest::SetUp();
    platform::RegisterStringResource(AFX_IDS_APP_TITLE, L"RODEMIR");
  }
};

TEST_F(MessageBoxTest, AfxMessageBoxAsksWithTheTitleAndTheExclamationForPlainOk) {
  ScriptedDialogs dialogs;
  dialogs.MessageBoxAnswer(IDOK).MessageBoxAnswer(IDCANCEL).MessageBoxAnswer(IDNO).MessageBoxAnswer(IDOK);
  EXPECT_EQ(AfxMessageBox(L"Video filter is not registered.\nPlease re-install."), IDOK);
  EXPECT_EQ(AfxMessageBox(L"Delete selected file?", MB_OKCANCEL), IDCANCEL);
  EXPECT_EQ(AfxMessageBox(L"q", MB_YESNO), IDNO);
  EXPECT_EQ(AfxMessageBox(L"i", MB_OK | MB_ICONINFORMATION), IDOK);
  const auto& asked = dialogs.messageBoxes();
  ASSERT_EQ(asked.size(), 4u);
  EXPECT_EQ(asked[0].caption, L"RODEMIR");
  EXPECT_EQ(asked[0].text, L"Video filter is not registered.\nPlease re-install.");
  EXPECT_EQ(asked[0].owner, owner);
  EXPECT_EQ(asked[0].type, MB_OK | MB_ICONEXCLAMATION);
  EXPECT_EQ(asked[1].type, MB_OKCANCEL | MB_ICONEXCLAMATION);
  EXPECT_EQ(asked[2].type, MB_YESNO);
  EXPECT_EQ(asked[3].type, MB_OK | MB_ICONINFORMATION);
}

TEST_F(MessageBoxTest, ABoxWithoutCaptionIsTitledWithTheApplicationsTitleElseError) {
  ScriptedDialogs dialogs;
  platform::test::ScopedUiLanguage russian(1049);
  dialogs.MessageBoxAnswer(IDOK).MessageBoxAnswer(IDOK).MessageBoxAnswer(IDOK);
  MessageBox(owner, L"text", nullptr, MB_OK);
  MessageBox(owner, L"text", L"", MB_OK);
  platform::RegisterStringResource(AFX_IDS_APP_TITLE, L"");
  MessageBox(owner, L"text", nullptr, MB_OK);
  platform::RegisterStringResource(AFX_IDS_APP_TITLE, L"RODEMIR");
  const auto& asked = dialogs.messageBoxes();
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[0].caption, L"RODEMIR");
  EXPECT_EQ(asked[1].caption, L"RODEMIR");
  EXPECT_EQ(asked[2].caption, L"Ошибка");
}

TEST_F(MessageBoxTest, BoxIsModalWhileTimersAndPostedMessagesRun) {
  ScriptedDialogs dialogs;
  SetTimer(owner, 100, 200, nullptr);
  PostMessage(owner, WM_USER + 92, 0, 0);
  bool ownerEnabledMeanwhile = true;
  dialogs.MessageBoxAnswer(IDOK, [&] {
    ownerEnabledMeanwhile = IsWindowEnabled(owner);
    harness.AdvanceTime(1000);
  });
  Log().clear();
  MessageBox(owner, L"text", L"caption", MB_OK);
  EXPECT_FALSE(ownerEnabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(Only(WM_USER + 92).size(), 1u);
  EXPECT_GE(Only(WM_TIMER).size(), 4u);
  KillTimer(owner, 100);
}

}  // namespace

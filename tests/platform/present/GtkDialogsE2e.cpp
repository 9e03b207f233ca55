// Needs a display: registered by tests/e2e/gtkdialogs.cmake and run under Xvfb with the gtk
// presenter. Message boxes are read back from the GTK dialogs shown.
#include <gtest/gtest.h>

#include "platform/win/MessageBox.h"
#include "platform/win/Presenter.h"
#include "platform/win/Resources.h"
#include "platform/win/WinApp.h"
#include "tests/support/GtkDialogReader.h"
#include "tests/support/ScopedUiLanguage.h"

namespace {

using platform::test::GtkDialogReader;
using platform::test::ScopedUiLanguage;

TEST(GtkDialogsE2e, MessageBoxButtonsAndDefaultCaptionSpeakTheUsersLanguage) {
  platform::GetPresenter();
  ASSERT_NE(gdk_display_get_default(), nullptr) << "no display";
  {
    ScopedUiLanguage japanese(1041);
    GtkDialogReader reader(1);
    EXPECT_EQ(MessageBox(nullptr, L"質問", nullptr, MB_YESNO | MB_ICONQUESTION), IDNO);
    ASSERT_EQ(reader.shown().size(), 1u);
    EXPECT_EQ(reader.shown()[0].title, "エラー");  // no application title here
    EXPECT_EQ(reader.shown()[0].text, "質問");
    EXPECT_EQ(reader.shown()[0].buttons, (std::vector<std::string>{"はい(_Y)", "いいえ(_N)"}));
  }
  platform::RegisterStringResource(AFX_IDS_APP_TITLE, L"RODEMIR");
  ScopedUiLanguage russian(1049);
  GtkDialogReader reader(1);
  EXPECT_EQ(AfxMessageBox(L"Сбой", MB_ABORTRETRYIGNORE), IDRETRY);
  ASSERT_EQ(reader.shown().size(), 1u);
  EXPECT_EQ(reader.shown()[0].title, "RODEMIR");
  EXPECT_EQ(reader.shown()[0].buttons, (std::vector<std::string>{"_Прервать", "П_овторить", "Пр_опустить"}));
}

}  // namespace

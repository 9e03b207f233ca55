#include "dialogs/SelectMonthDlg.h"

#include <gtest/gtest.h>

#include "app/LangStringTable.h"
#include "platform/base/UiDispatch.h"
#include "platform/win/Keys.h"
#include "platform/win/Messages.h"
#include "tests/dialogs/ChooserTestSupport.h"
#include "tests/support/WindowHarness.h"

namespace {

CTime Midnight(const CTime& t) { return CTime(t.GetYear(), t.GetMonth(), t.GetDay(), 0, 0, 0); }

class SelectMonthDlgTest : public ::testing::Test {
protected:
  platform::test::WindowHarness harness;
};

TEST_F(SelectMonthDlgTest, OkUntouchedGivesTodayAtMidnightUnderTheLanguagesCaption) {
  chooserstest::LanguageMainWindow mainWindow(LANG_ID_ENGLISH);
  CSelectMonthDlg dlg;
  EXPECT_EQ(dlg.m_time.GetTime(), 0);
  CString caption;
  platform::PostToUiThread([&] {
    dlg.GetWindowText(caption);
    dlg.SendMessage(WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(caption, L"Date Selection");
  EXPECT_EQ(dlg.m_time, Midnight(CTime::GetCurrentTime()));
}

TEST_F(SelectMonthDlgTest, CaptionFollowsTheMainWindowsLanguage) {
  chooserstest::LanguageMainWindow mainWindow(LANG_ID_JAPANESE);
  CSelectMonthDlg dlg;
  CString caption;
  platform::PostToUiThread([&] {
    dlg.GetWindowText(caption);
    dlg.SendMessage(WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(caption, L"日付の選択");
}

TEST_F(SelectMonthDlgTest, PickedDayIsKeptOnOkAndEveryRunStartsAtToday) {
  CSelectMonthDlg dlg;
  platform::PostToUiThread([&] {
    harness.Key(VK_RIGHT);
    dlg.SendMessage(WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  CTime today = Midnight(CTime::GetCurrentTime());
  CTime tomorrow = Midnight(today + CTimeSpan(1, 2, 0, 0));  // past a daylight-saving change too
  EXPECT_EQ(dlg.m_time, tomorrow);

  CTime atStart;
  platform::PostToUiThread([&] {
    atStart = dlg.m_time;
    harness.Key(VK_LEFT);
    harness.Key(VK_ESCAPE);
  });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(atStart, today);
}

}  // namespace

#include "dialogs/SelectDriveDlg.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <utility>

#include "app/LangStringTable.h"
#include "platform/base/UiDispatch.h"
#include "platform/gdi/DC.h"
#include "platform/win/Keys.h"
#include "platform/win/Messages.h"
#include "res/dialogs/ChooserTemplates.h"
#include "tests/dialogs/ChooserTestSupport.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowHarness.h"

namespace {

CString Wide(const std::string& s) { return CString(s.c_str()); }

class SelectDriveDlgTest : public ::testing::Test {
protected:
  void SetUp() override { setenv("RODEMIR_DRIVES", drives.path().c_str(), 1); }
  void TearDown() override { unsetenv("RODEMIR_DRIVES"); }
  void AddDrive(const std::string& name) { ASSERT_EQ(mkdir(drives.File(name).c_str(), 0755), 0); }
  CString Root(const std::string& name) { return Wide(drives.File(name) + "/"); }
  static CString TextOf(CWnd& wnd) {
    CString text;
    wnd.GetWindowText(text);
    return text;
  }

  platform::test::WindowHarness harness;
  testsupport::TempDir drives;
};

TEST_F(SelectDriveDlgTest, ListsRemovableDrivesInOrderWithTextsAndReturnsTheConfirmedEntry) {
  AddDrive("GDISK");
  AddDrive("ECARD");
  chooserstest::LanguageMainWindow mainWindow(LANG_ID_ENGLISH);
  CSelectDriveDlg dlg;
  EXPECT_EQ(dlg.m_strDrive, L"");
  std::vector<CString> entries;
  CString caption, label, prompt;
  platform::PostToUiThread([&] {
    for (int i = 0; i < dlg.m_comboDrive.GetCount(); ++i) {
      CString entry;
      dlg.m_comboDrive.GetLBText(i, entry);
      entries.push_back(entry);
    }
    EXPECT_EQ(dlg.m_comboDrive.GetCurSel(), 0);
    caption = TextOf(dlg);
    label = TextOf(dlg.m_staticDrive);
    prompt = TextOf(dlg.m_staticSelect);
    dlg.SendMessage(WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  // "/" is a fixed drive and is not offered.
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0], Root("ECARD") + L"[ECARD]");
  EXPECT_EQ(entries[1], Root("GDISK") + L"[GDISK]");
  EXPECT_EQ(caption, L"Select Drive");
  EXPECT_EQ(label, L"Drive:");
  EXPECT_EQ(prompt, L"Select a drive with a memory card.");
  EXPECT_EQ(dlg.m_strDrive, Root("ECARD") + L"[ECARD]");
  EXPECT_EQ(DriveRootOfEntry(dlg.m_strDrive), Root("ECARD"));
}

// The template carries the English texts; another language must come from the table.
TEST_F(SelectDriveDlgTest, TextsFollowTheMainWindowsLanguage) {
  AddDrive("CARD");
  chooserstest::LanguageMainWindow mainWindow(LANG_ID_RUSSIAN);
  CSelectDriveDlg dlg;
  CString caption, label, prompt;
  platform::PostToUiThread([&] {
    caption = TextOf(dlg);
    label = TextOf(dlg.m_staticDrive);
    prompt = TextOf(dlg.m_staticSelect);
    dlg.SendMessage(WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(caption, L"Выбор диска");
  EXPECT_EQ(label, L"Диск:");
  EXPECT_EQ(prompt, L"Выберите диск с картой памяти.");
}

// A medium without a volume label is listed under the table's name for a removable disk.
TEST_F(SelectDriveDlgTest, DriveWithoutALabelIsNamedInTheWindowsLanguage) {
  AddDrive("BLANK");
  { std::ofstream create(drives.File("BLANK/.label")); }
  for (auto [langID, name] :
       {std::pair{LANG_ID_ENGLISH, L"Portable Disk"}, std::pair{LANG_ID_RUSSIAN, L"Съёмный диск"}}) {
    chooserstest::LanguageMainWindow mainWindow(langID);
    CSelectDriveDlg dlg;
    CString entry;
    platform::PostToUiThread([&] {
      if (dlg.m_comboDrive.GetCount() == 1) dlg.m_comboDrive.GetLBText(0, entry);
      dlg.SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(entry, Root("BLANK") + L"[" + name + L"]");
    EXPECT_EQ(DriveRootOfEntry(dlg.m_strDrive), Root("BLANK"));
  }
}

// A mount point longer than the box: the open list is as wide as the widest entry, and
// the entry and the root taken from it stay whole.
TEST_F(SelectDriveDlgTest, TheOpenListIsAsWideAsTheLongestMountPoint) {
  const std::string name = "a-card-mounted-under-a-rather-long-name";
  AddDrive(name);
  AddDrive("B");
  CSelectDriveDlg dlg;
  int dropped = 0, widest = 0, box = 0;
  platform::PostToUiThread([&] {
    dropped = dlg.m_comboDrive.GetDroppedWidth();
    CClientDC dc(&dlg.m_comboDrive);
    CSelectObjectScope font(&dc, dlg.m_comboDrive.GetFont());
    for (int i = 0; i < dlg.m_comboDrive.GetCount(); ++i) {
      CString entry;
      dlg.m_comboDrive.GetLBText(i, entry);
      widest = std::max(widest, static_cast<int>(dc.GetTextExtent(entry).cx));
    }
    CRect face;
    dlg.m_comboDrive.GetWindowRect(&face);
    box = face.Width();
    dlg.SendMessage(WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_GT(widest, box);
  EXPECT_GE(dropped, widest + 4);  // the list's frame and the inset of its text
  EXPECT_LE(dropped, widest + 16);
  EXPECT_EQ(dlg.m_strDrive, Root(name) + Wide("[" + name + "]"));
  EXPECT_EQ(DriveRootOfEntry(dlg.m_strDrive), Root(name));
}

TEST_F(SelectDriveDlgTest, OkTakesTheEntryTheUserMovedTo) {
  AddDrive("A");
  AddDrive("B");
  CSelectDriveDlg dlg;
  platform::PostToUiThread([&] {
    harness.Key(VK_DOWN);
    harness.Key(VK_RETURN);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(DriveRootOfEntry(dlg.m_strDrive), Root("B"));
}

TEST_F(SelectDriveDlgTest, ClosesItselfWithCancelWhenThereIsNoRemovableDrive) {
  CSelectDriveDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_strDrive, L"");
  // Drives are looked for anew at every run.
  AddDrive("CARD");
  platform::PostToUiThread([&] { dlg.SendMessage(WM_COMMAND, IDOK, 0); });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(DriveRootOfEntry(dlg.m_strDrive), Root("CARD"));
}

TEST_F(SelectDriveDlgTest, EscAndTheCloseBoxCancel) {
  AddDrive("CARD");
  CSelectDriveDlg dlg;
  platform::PostToUiThread([&] { harness.Key(VK_ESCAPE); });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  platform::PostToUiThread([&] { dlg.SendMessage(WM_CLOSE); });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_strDrive, L"");
}

TEST(DriveRootOfEntryTest, RootIsEverythingUpToTheSlashBeforeTheLabel) {
  EXPECT_EQ(DriveRootOfEntry(L"/media/u/CARD/[CARD]"), L"/media/u/CARD/");
  // A mount point named after a label in brackets.
  EXPECT_EQ(DriveRootOfEntry(L"/media/u/[x]/[[x]]"), L"/media/u/[x]/");
  EXPECT_EQ(DriveRootOfEntry(L"/media/u/CARD/[Portable Disk]"), L"/media/u/CARD/");
  EXPECT_EQ(DriveRootOfEntry(L""), L"");
  EXPECT_EQ(DriveRootOfEntry(L"[CARD]"), L"");
}

}  // namespace

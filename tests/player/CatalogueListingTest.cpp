#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "player/RecordingFolders.h"
#include "tests/player/CatalogueTestSupport.h"

namespace {

using Texts = std::vector<CString>;

// Started with one card in the reader, confirmed in the drive chooser.
class CatalogueListingTest : public cataloguetest::CatalogueFixture {
protected:
  void Prepare() override {
    card = MakeCard("CARD");
    Record(card, "Driving", "20240131_101500_NOR_F2.AVI", 1024);
    Record(card, "Driving", "20240131_090000_NOR_F1.avi", 1024000);
    Record(card, "Event", "20240130_120000_EVT_F2.AVI", 999999);
    Record(card, "Parking", "20240129_235959_mot_F2.AVI");
    ChooseDrive();
  }
  CString Path(const char* folder, const char* name) { return card + CString(folder) + L"/" + CString(name); }
  void ClickCheckGlyph(int row) {
    CRect cell;
    Main().GetSubItemRect(row, 3, LVIR_BOUNDS, cell);
    harness.Click(Main().GetSafeHwnd(), cell.CenterPoint());
    Pump();
  }

  CString card;
};

TEST_F(CatalogueListingTest, TheDriveSearchListsTheCardsThreeFoldersByNameInBothLists) {
  ASSERT_EQ(answered, 1);
  EXPECT_EQ(dlg->m_strCardPath, card);
  EXPECT_EQ(Names(Main()), (Texts{L"20240129_235959_mot_F2.AVI", L"20240130_120000_EVT_F2.AVI",
                                  L"20240131_090000_NOR_F1.avi", L"20240131_101500_NOR_F2.AVI"}));
  EXPECT_EQ(Column(Main(), 2), (Texts{L"4", L"976", L"1,000", L"1"}));
  EXPECT_EQ(Column(Main(), 3), (Texts{L"0", L"0", L"0", L"0"}));
  EXPECT_EQ(Main().GetItemText(1, 4), Path("Event", "20240130_120000_EVT_F2.AVI"));
  for (int column = 0; column < 6; ++column) EXPECT_EQ(Column(Panel(), column), Column(Main(), column)) << column;
  EXPECT_EQ(Main().m_cells.GetCount(), 4);
  EXPECT_EQ(Panel().m_cells.GetCount(), 4);
  EXPECT_TRUE(Checked(IDC_BTN_FILE_ALL));
  EXPECT_TRUE(PanelChecked(dlg->m_dlgFileList.m_btnFileAll));
  EXPECT_TRUE(Enabled(IDC_BTN_CALENDAR));
  EXPECT_EQ(Rect(IDC_LIST_FILES), CRect(695, 126, 695 + 308 + g_cxVScroll, 126 + 508));
}

TEST_F(CatalogueListingTest, EachTypeButtonListsItsFolderAndKeepsBothButtonSetsInStep) {
  Click(IDC_BTN_FILE_EVENT);
  EXPECT_EQ(Names(Main()), (Texts{L"20240130_120000_EVT_F2.AVI"}));
  EXPECT_EQ(Names(Panel()), Names(Main()));
  EXPECT_FALSE(Checked(IDC_BTN_FILE_ALL));
  EXPECT_TRUE(Checked(IDC_BTN_FILE_EVENT));
  EXPECT_TRUE(PanelChecked(dlg->m_dlgFileList.m_btnFileEvent));
  EXPECT_FALSE(PanelChecked(dlg->m_dlgFileList.m_btnFileAll));

  Command(IDC_BTN_FILE_NORMAL);
  EXPECT_EQ(Names(Main()), (Texts{L"20240131_090000_NOR_F1.avi", L"20240131_101500_NOR_F2.AVI"}));
  Command(IDC_BTN_FILE_MOTION);
  EXPECT_EQ(Names(Main()), (Texts{L"20240129_235959_mot_F2.AVI"}));
  // The panel's twin forwards to the same filter.
  dlg->m_dlgFileList.SendMessage(WM_COMMAND, MAKEWPARAM(1084, BN_CLICKED),
                                 reinterpret_cast<LPARAM>(dlg->m_dlgFileList.m_btnFileAll.GetSafeHwnd()));
  Pump();
  EXPECT_EQ(Main().GetItemCount(), 4);
  EXPECT_EQ(Panel().GetItemCount(), 4);
  EXPECT_TRUE(Checked(IDC_BTN_FILE_ALL));
  EXPECT_FALSE(Checked(IDC_BTN_FILE_MOTION));
  EXPECT_EQ(Main().m_cells.GetCount(), 4);
}

TEST_F(CatalogueListingTest, FilesThatAreNoRecordingsAreLeftOut) {
  Record(card, "Driving", "20240131_111111_NOR_F2.AVI", 1023);
  Record(card, "Driving", "20240131_111112_EVT_F2.AVI");  // another folder's code
  Record(card, "Driving", "20240131_NOR.AVI");            // too short for a code
  Record(card, "Driving", "20240131_111113_NOR_F2.mp4");
  MakeFile(Dir(card) + "20240131_111114_NOR_F2.AVI");  // the card root itself
  mkdir((Dir(card) + "Driving/sub").c_str(), 0755);
  Record(card, "Driving/sub", "20240131_111115_NOR_F2.AVI");
  mkdir((Dir(card) + "Driving/20240131_111116_NOR_F2.AVI").c_str(), 0755);
  ASSERT_EQ(symlink("20240131_111117_NOR_F2.AVI", (Dir(card) + "Driving/20240131_111117_NOR_F2.AVI").c_str()), 0);
  ASSERT_EQ(symlink("..", (Dir(card) + "Driving/20240131_111118_NOR_F2.AVI").c_str()), 0);
  ASSERT_EQ(symlink("20240131_101500_NOR_F2.AVI", (Dir(card) + "Driving/20240131_111119_NOR_F2.AVI").c_str()), 0);
  mkdir((Dir(card) + "Locked").c_str(), 0755);
  chmod((Dir(card) + "Event").c_str(), 0);
  Command(IDC_BTN_FILE_ALL);
  chmod((Dir(card) + "Event").c_str(), 0755);
  // A link to a recording is a recording; links that loop or lead to folders are not.
  Texts expected{L"20240131_090000_NOR_F1.avi", L"20240131_101500_NOR_F2.AVI", L"20240131_111119_NOR_F2.AVI"};
  if (geteuid() == 0) expected.insert(expected.begin(), L"20240130_120000_EVT_F2.AVI");  // root reads anything
  expected.insert(expected.begin(), L"20240129_235959_mot_F2.AVI");
  EXPECT_EQ(Names(Main()), expected);
  EXPECT_TRUE(scripted.messageBoxes().empty());
}

// A card written by another system: its drive's name and some recordings' names hold
// bytes that are not UTF-8 (0xE9, "é" in Latin-1).
class CatalogueOfAForeignCardTest : public cataloguetest::CatalogueFixture {
protected:
  void Prepare() override {
    card = MakeCard("KARTE\xE9");
    Record(card, "Driving",
           "20240131_1015\xE9"
           "0_NOR_F2.AVI");
    Record(card, "Driving", "20240131_101400_NOR_F2.AVI");
    Record(card, "Event", "20240131_101600_EVT_caf\xE9_2.AVI", 3072);
    ChooseDrive();
  }
  CString card;
};

TEST_F(CatalogueOfAForeignCardTest, ItsRecordingsAreListedAndLeadBackToTheirFiles) {
  ASSERT_EQ(answered, 1);
  EXPECT_EQ(WideToFileSystem(dlg->m_strCardPath.str()), Dir(card));
  const CString foreign = FileSystemToWide("20240131_1015\xE9"
                                           "0_NOR_F2.AVI");
  EXPECT_EQ(Names(Main()),
            (Texts{L"20240131_101400_NOR_F2.AVI", foreign, FileSystemToWide("20240131_101600_EVT_caf\xE9_2.AVI")}));
  EXPECT_EQ(Column(Main(), 2), (Texts{L"4", L"4", L"3"}));
  EXPECT_EQ(WideToFileSystem(Main().GetItemText(1, 4).str()), Dir(card) + "Driving/20240131_1015\xE9"
                                                                          "0_NOR_F2.AVI");
  EXPECT_EQ(WideToFileSystem(Main().GetItemText(2, 4).str()), Dir(card) + "Event/20240131_101600_EVT_caf\xE9_2.AVI");
  for (int column = 0; column < 6; ++column) EXPECT_EQ(Column(Panel(), column), Column(Main(), column)) << column;
  Command(IDC_BTN_FILE_NORMAL);
  EXPECT_EQ(Names(Main()), (Texts{L"20240131_101400_NOR_F2.AVI", foreign}));
}

TEST_F(CatalogueOfAForeignCardTest, ABrowsedFolderNamedSoIsListed) {
  const std::string copies = temp.File("Kopien-\xE9");
  mkdir(copies.c_str(), 0755);
  MakeFile(copies + "/20240131_1015\xE9"
                    "0_EVT_F2.AVI");
  scripted.FolderAnswer(FileSystemToWide(copies));
  Click(IDC_BTN_FOLDER);
  EXPECT_EQ(dlg->m_bFolderMode, 1);
  EXPECT_EQ(Names(Main()), (Texts{FileSystemToWide("20240131_1015\xE9"
                                                   "0_EVT_F2.AVI")}));
  EXPECT_EQ(WideToFileSystem(Main().GetItemText(0, 4).str()), copies + "/20240131_1015\xE9"
                                                                       "0_EVT_F2.AVI");
}

TEST_F(CatalogueOfAForeignCardTest, RemovingTheCardResetsTheWindow) {
  ASSERT_EQ(Main().GetItemCount(), 3);
  DriveRemoved(card);
  EXPECT_TRUE(dlg->m_strCardPath.IsEmpty());
  EXPECT_EQ(Main().GetItemCount(), 0);
}

TEST_F(CatalogueListingTest, CheckAllTicksEveryRowOfBothListsAndATypeClickTurnsItOff) {
  Click(IDC_BTN_CHECKALL);
  EXPECT_EQ(Column(Main(), 3), (Texts{L"1", L"1", L"1", L"1"}));
  EXPECT_EQ(Column(Panel(), 3), Column(Main(), 3));
  EXPECT_TRUE(PanelChecked(dlg->m_dlgFileList.m_btnCheckAll));
  Click(IDC_BTN_CHECKALL);
  EXPECT_EQ(Column(Panel(), 3), (Texts{L"0", L"0", L"0", L"0"}));
  EXPECT_FALSE(PanelChecked(dlg->m_dlgFileList.m_btnCheckAll));

  Click(IDC_BTN_CHECKALL);
  Click(IDC_BTN_FILE_NORMAL);
  EXPECT_FALSE(Checked(IDC_BTN_CHECKALL));
  EXPECT_FALSE(PanelChecked(dlg->m_dlgFileList.m_btnCheckAll));
  EXPECT_EQ(Column(Main(), 3), (Texts{L"0", L"0"}));
}

TEST_F(CatalogueListingTest, AClickedRowTakesItsTwinAlongAndAClickBelowTheRowsDeselectsTheTwin) {
  ClickCheckGlyph(2);
  EXPECT_EQ(Main().GetItemText(2, 3), L"1");
  EXPECT_EQ(Panel().GetItemText(2, 3), L"1");
  EXPECT_EQ(Selected(Panel()), std::vector<int>{2});
  CCellCtrl* cell = nullptr;
  ASSERT_TRUE(Panel().m_cells.Lookup(CConfigListCtrl::CellKey(2, 3), cell));
  EXPECT_EQ(cell->m_strText, L"1");

  CRect last;
  Main().GetItemRect(3, last, LVIR_BOUNDS);
  harness.Click(Main().GetSafeHwnd(), CPoint(20, last.bottom + 30));
  Pump();
  EXPECT_TRUE(Selected(Panel()).empty());
  EXPECT_EQ(Panel().GetItemText(2, 3), L"1");
}

TEST_F(CatalogueListingTest, TheDayFilterListsTheChosenDaysRecordingsOnly) {
  const CString today = CTime::GetCurrentTime().Format(L"%Y%m%d");
  Record(card, "Driving", (today + L"_080000_NOR_F2.AVI").ToUtf8());
  Record(card, "Parking", (today + L"_080000_MOT_F2.AVI").ToUtf8());
  ClickAnswering(IDC_BTN_CALENDAR, IDOK);
  EXPECT_EQ(Names(Main()), (Texts{today + L"_080000_MOT_F2.AVI", today + L"_080000_NOR_F2.AVI"}));
  EXPECT_TRUE(Checked(IDC_BTN_CALENDAR));
  EXPECT_TRUE(PanelChecked(dlg->m_dlgFileList.m_btnCalendar));
  // A type click keeps the day.
  Click(IDC_BTN_FILE_NORMAL);
  EXPECT_EQ(Names(Main()), (Texts{today + L"_080000_NOR_F2.AVI"}));

  Click(IDC_BTN_CALENDAR);
  EXPECT_EQ(Main().GetItemCount(), 3);
  EXPECT_FALSE(Checked(IDC_BTN_CALENDAR));
  EXPECT_FALSE(PanelChecked(dlg->m_dlgFileList.m_btnCalendar));

  // Cancelled: both off, the lists untouched.
  ClickAnswering(IDC_BTN_CALENDAR, IDCANCEL);
  EXPECT_EQ(answered, 3);
  EXPECT_FALSE(Checked(IDC_BTN_CALENDAR));
  EXPECT_EQ(Main().GetItemCount(), 3);
}

// Started with no card.
class CatalogueWithoutCardTest : public cataloguetest::CatalogueFixture {};

TEST_F(CatalogueWithoutCardTest, NoRemovableDriveNoChooserAndATypeClickWithoutCardListsNothing) {
  AnswerDialog(IDOK, nullptr, 50);
  Pump();
  EXPECT_EQ(answered, 0);
  EXPECT_FALSE(Enabled(IDC_BTN_CALENDAR));

  // The chooser closes itself: no card, no rows, but the clicked button stays on.
  ClickAnswering(IDC_BTN_FILE_EVENT, IDOK);
  EXPECT_EQ(answered, 0);
  EXPECT_TRUE(Checked(IDC_BTN_FILE_EVENT));
  EXPECT_EQ(Main().GetItemCount(), 0);
  EXPECT_TRUE(dlg->m_strCardPath.IsEmpty());
}

TEST_F(CatalogueWithoutCardTest, WithoutACardTheDayFilterNeverSearchesTheWorkingFolder) {
  MakeCard("CARD");
  ClickAnswering(IDC_BTN_FILE_ALL, IDCANCEL);
  ASSERT_EQ(answered, 1);
  ASSERT_TRUE(dlg->m_strCardPath.IsEmpty());

  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  mkdir(temp.File("cwd").c_str(), 0755);
  mkdir(temp.File("cwd/Driving").c_str(), 0755);
  const CString today = CTime::GetCurrentTime().Format(L"%Y%m%d");
  MakeFile(temp.File("cwd/Driving/") + (today + L"_080000_NOR_F2.AVI").ToUtf8());
  ASSERT_EQ(chdir(temp.File("cwd").c_str()), 0);
  AnswerDialog(IDOK);
  dlg->m_btnCalendar.SetCheck(BST_CHECKED);
  Command(IDC_BTN_CALENDAR);
  EXPECT_EQ(answered, 2);
  EXPECT_EQ(Main().GetItemCount(), 0);
  dlg->m_btnCalendar.SetCheck(BST_UNCHECKED);
  Command(IDC_BTN_CALENDAR);
  EXPECT_EQ(Main().GetItemCount(), 0);
  ASSERT_EQ(chdir(previous), 0);
}

}  // namespace

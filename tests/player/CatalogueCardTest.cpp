#include <gtest/gtest.h>

#include <atomic>

#include "dialogs/InformationDlg.h"
#include "platform/base/System.h"
#include "tests/player/CatalogueTestSupport.h"

namespace {

using Texts = std::vector<CString>;

// A card listed at the start; a second card and a folder of copied recordings beside it.
class CatalogueCardTest : public cataloguetest::CatalogueFixture {
protected:
  void Prepare() override {
    card = MakeCard("CARD");
    Record(card, "Driving", "20240131_101500_NOR_F2.AVI");
    Record(card, "Driving", "20240131_103000_NOR_F2.AVI");
    Record(card, "Event", "20240131_102000_EVT_F2.AVI");
    other = MakeCard("OTHER");
    Record(other, "Parking", "20240201_000000_MOT_F2.AVI");
    copies = temp.File("copies");
    mkdir(copies.c_str(), 0755);
    for (const char* name : {"20240105_000000_NOR_F2.AVI", "20240104_000000_EVT_F2.AVI", "20240103_000000_MOT_F2.AVI",
                             "20240102_000000_XYZ_F2.AVI"})
      MakeFile(copies + "/" + name);
    ChooseDrive();
  }

  // Opens the row's recording in the player as playback does, and runs it.
  void Play(int row) {
    ASSERT_EQ(dlg->m_player.Open(Main().GetItemText(row, 4)), 1);
    dlg->m_player.Play();
    dlg->m_nCurItem = row;
    dlg->SetTimer(IDT_PLAY_POSITION, 200, nullptr);
    dlg->EnableControls(2);
  }
  int SliderPos(int id) { return static_cast<int>(::SendMessage(Item(id), TBM_GETPOS, 0, 0)); }
  CString TextOf(int id) {
    CString text;
    dlg->GetDlgItem(id)->GetWindowText(text);
    return text;
  }
  void ChooseFolder(const std::string& folder) {
    scripted.FolderAnswer(CString(folder.c_str()).GetString());
    Click(IDC_BTN_FOLDER);
  }

  CString card;
  CString other;
  std::string copies;
};

TEST_F(CatalogueCardTest, OnlyTheRemovalOfTheCardsOwnDriveResetsTheWindow) {
  DriveRemoved(other);
  DriveRemoved(card, SHCNE_DRIVEADD);
  DriveRemoved(card.Left(card.GetLength() - 1));
  EXPECT_EQ(Main().GetItemCount(), 3);
  EXPECT_EQ(dlg->m_strCardPath, card);
  EXPECT_EQ(answered, 1);  // an added drive never asks for the card

  DriveRemoved(card);
  EXPECT_TRUE(dlg->m_strCardPath.IsEmpty());
  EXPECT_EQ(Main().GetItemCount(), 0);
  EXPECT_EQ(Panel().GetItemCount(), 0);
  EXPECT_EQ(Main().m_cells.GetCount(), 0);
  for (int id : {IDC_BTN_FILE_ALL, IDC_BTN_FILE_NORMAL, IDC_BTN_FILE_EVENT, IDC_BTN_FILE_MOTION})
    EXPECT_FALSE(Checked(id)) << id;
  EXPECT_FALSE(PanelChecked(dlg->m_dlgFileList.m_btnFileAll));
  EXPECT_FALSE(Enabled(IDC_BTN_CALENDAR));
}

TEST_F(CatalogueCardTest, RemovingTheCardWhilePlayingStopsEverythingAndKeepsDayFolderModeAndVolume) {
  Click(IDC_BTN_CHECKALL);
  Play(1);
  dlg->m_nMapMode = MAP_MODE_SMALL;
  dlg->m_bFlipV = 1;
  dlg->m_btnRotate.SetCheck(BST_CHECKED);
  dlg->m_dlgControlTop.m_btnRotate.SetCheck(BST_CHECKED);
  ::SendMessage(Item(IDC_SLIDER_SPEED), TBM_SETPOS, TRUE, 8);
  ::SendMessage(Item(IDC_SLIDER_VOLUME), TBM_SETPOS, TRUE, 30);
  dlg->m_lblElapsed.SetWindowText(L"00:00:07");
  dlg->m_lblFileName.SetWindowText(L"20240131_102000_EVT_F2.AVI");
  const CTime day(2024, 1, 31, 0, 0, 0);
  dlg->m_timeFilterDay = day;
  dlg->m_btnCalendar.SetCheck(BST_CHECKED);
  dlg->m_dlgFileList.m_btnCalendar.SetCheck(BST_CHECKED);
  dlg->m_bFolderMode = 1;
  dlg->m_btnFolder.SetCheck(BST_CHECKED);
  dlg->m_dlgFileList.m_btnFolder.SetCheck(BST_CHECKED);

  DriveRemoved(card);
  EXPECT_EQ(dlg->m_player.m_pGraph, nullptr);
  EXPECT_EQ(dlg->m_nCurItem, -1);
  EXPECT_EQ(dlg->m_nViewChannel, 0);
  EXPECT_EQ(dlg->m_nMapMode, MAP_MODE_NONE);
  EXPECT_EQ(dlg->m_bFlipV, 0);
  EXPECT_FALSE(Checked(IDC_BTN_ROTATE));
  EXPECT_FALSE(PanelChecked(dlg->m_dlgControlTop.m_btnRotate));
  EXPECT_EQ(TextOf(IDC_LBL_ELAPSED), L"00:00:00");
  EXPECT_EQ(TextOf(IDC_LBL_DURATION), L"00:00:00");
  EXPECT_EQ(TextOf(IDC_LBL_FILENAME), L"");
  EXPECT_EQ(SliderPos(IDC_SLIDER_SEEK), 0);
  EXPECT_EQ(SliderPos(IDC_SLIDER_SPEED), 5);
  EXPECT_EQ(SliderPos(IDC_SLIDER_BRIGHTNESS), 0);
  EXPECT_EQ(SliderPos(IDC_SLIDER_VOLUME), 30);
  EXPECT_FALSE(Enabled(IDC_BTN_PLAY));
  EXPECT_EQ(Rect(IDC_LIST_FILES).Height(), 508);
  // The timer is gone: a tick after the reset finds nothing to move.
  harness.AdvanceTime(1000);
  EXPECT_EQ(SliderPos(IDC_SLIDER_SEEK), 0);
  EXPECT_TRUE(Checked(IDC_BTN_CHECKALL));
  EXPECT_EQ(dlg->m_timeFilterDay.GetTime(), day.GetTime());
  EXPECT_TRUE(Checked(IDC_BTN_CALENDAR));
  EXPECT_TRUE(PanelChecked(dlg->m_dlgFileList.m_btnCalendar));
  EXPECT_EQ(dlg->m_bFolderMode, 1);
  EXPECT_TRUE(Checked(IDC_BTN_FOLDER));
  EXPECT_TRUE(PanelChecked(dlg->m_dlgFileList.m_btnFolder));
  EXPECT_TRUE(scripted.messageBoxes().empty());
}

// As when the full window is left by its button: no bar or panel stays over the normal
// window, and the control bar's file-list button is released.
TEST_F(CatalogueCardTest, RemovingTheCardInTheFullWindowTakesTheFileListPanelAway) {
  Play(0);
  dlg->OnBnClickedExtend();
  CRect client;
  dlg->GetClientRect(&client);
  harness.MoveTo(Hwnd(), CPoint(client.Width() / 2, client.bottom - 5));
  Pump();
  CButton& fileListButton = dlg->m_dlgControlPanel.m_btnFileList;
  CRect face;
  fileListButton.GetClientRect(&face);
  harness.Click(fileListButton.m_hWnd, face.CenterPoint());
  Pump();
  ASSERT_TRUE(dlg->m_dlgFileList.IsWindowVisible());

  DriveRemoved(card);
  EXPECT_EQ(dlg->m_nWindowMode, 1);
  EXPECT_FALSE(dlg->m_dlgFileList.IsWindowVisible());
  EXPECT_FALSE(dlg->m_dlgControlPanel.IsWindowVisible());
  EXPECT_FALSE(dlg->m_dlgControlTop.IsWindowVisible());
  EXPECT_EQ(fileListButton.GetCheck(), BST_UNCHECKED);
}

TEST_F(CatalogueCardTest, RemovingTheCardHidesTheInformationWindowWithItsFiguresAtZero) {
  dlg->OpenInformationDlg();
  CInformationDlg* info = dlg->m_pInfoDlg.get();
  ASSERT_NE(info, nullptr);
  COktStaticTrans* values[] = {&info->m_staticTotal, &info->m_staticFree, &info->m_staticNormal, &info->m_staticEvent,
                               &info->m_staticMotion};
  auto text = [](CWnd* wnd) {
    CString value;
    wnd->GetWindowText(value);
    return value;
  };
  ASSERT_NE(text(values[0]), L"0.0 GB");
  DriveRemoved(other);
  EXPECT_TRUE(info->IsWindowVisible());
  EXPECT_NE(text(values[0]), L"0.0 GB");

  DriveRemoved(card);
  ASSERT_EQ(dlg->m_pInfoDlg.get(), info);
  ASSERT_TRUE(::IsWindow(info->GetSafeHwnd()));
  EXPECT_FALSE(info->IsWindowVisible());
  for (COktStaticTrans* value : values) EXPECT_EQ(text(value), L"0.0 GB") << value->GetDlgCtrlID();
}

TEST_F(CatalogueCardTest, TheResetCompletesWhenTheLoaderIsSlowToEnd) {
  static std::atomic<bool> release{false};
  release = false;
  CWinThread* loader = AfxBeginThread(
      [](LPVOID) -> UINT {
        for (int i = 0; i < 300 && !release; ++i) Sleep(10);
        return 0;
      },
      nullptr, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  loader->m_bAutoDelete = FALSE;
  loader->ResumeThread();
  Play(0);
  dlg->m_pLoaderThread.reset(loader);
  DriveRemoved(card);
  EXPECT_EQ(dlg->m_player.m_pGraph, nullptr);
  EXPECT_EQ(dlg->m_nCurItem, -1);
  EXPECT_EQ(Main().GetItemCount(), 0);
  EXPECT_EQ(dlg->m_bStopLoader, 1);
  release = true;
}

TEST_F(CatalogueCardTest, ReListingWhilePlayingFindsThePlayingRecordingAgainByItsPath) {
  Play(2);  // 20240131_103000_NOR_F2.AVI after the Event row
  const CString playing = Main().GetItemText(2, 4);
  Click(IDC_BTN_FILE_NORMAL);
  EXPECT_EQ(dlg->m_nCurItem, 1);
  EXPECT_EQ(Main().GetItemText(dlg->m_nCurItem, 4), playing);
  ASSERT_NE(dlg->m_player.m_pGraph, nullptr);
  EXPECT_EQ(dlg->m_player.m_pGraph->PlayState, 0);
  Click(IDC_BTN_FILE_EVENT);
  EXPECT_EQ(dlg->m_nCurItem, -1);
  Click(IDC_BTN_FILE_ALL);
  EXPECT_EQ(dlg->m_nCurItem, 2);
  // Nothing open, nothing found.
  dlg->m_player.Close();
  Click(IDC_BTN_FILE_NORMAL);
  EXPECT_EQ(dlg->m_nCurItem, -1);
}

TEST_F(CatalogueCardTest, FolderModeListsEachCopyOnceUnderItsOwnCode) {
  Click(IDC_BTN_FILE_EVENT);
  ChooseFolder(copies);
  ASSERT_EQ(scripted.folderRequests().size(), 1u);
  EXPECT_EQ(scripted.folderRequests()[0].prompt, L"Select Folder");
  EXPECT_EQ(scripted.folderRequests()[0].owner, Hwnd());
  EXPECT_EQ(dlg->m_strCardPath, CString(copies.c_str()));
  EXPECT_EQ(dlg->m_bFolderMode, 1);
  EXPECT_EQ(Names(Main()), (Texts{L"20240104_000000_EVT_F2.AVI"}));
  Click(IDC_BTN_FILE_ALL);
  EXPECT_EQ(Names(Main()),
            (Texts{L"20240103_000000_MOT_F2.AVI", L"20240104_000000_EVT_F2.AVI", L"20240105_000000_NOR_F2.AVI"}));
  EXPECT_EQ(Main().GetItemText(0, 4), CString((copies + "/20240103_000000_MOT_F2.AVI").c_str()));
  EXPECT_TRUE(Checked(IDC_BTN_FOLDER));
  EXPECT_TRUE(PanelChecked(dlg->m_dlgFileList.m_btnFolder));
  EXPECT_EQ(Names(Panel()), Names(Main()));

  // Off: folder mode ends, the path and the lists stay.
  Click(IDC_BTN_FOLDER);
  EXPECT_EQ(dlg->m_bFolderMode, 0);
  EXPECT_FALSE(PanelChecked(dlg->m_dlgFileList.m_btnFolder));
  EXPECT_EQ(Main().GetItemCount(), 3);
  // Removing the drive that held the folder's parent is no removal of the card.
  DriveRemoved(card);
  EXPECT_EQ(Main().GetItemCount(), 3);
}

TEST_F(CatalogueCardTest, ACancelledBrowserEndsFolderModeAndChangesNothingElse) {
  Click(IDC_BTN_FILE_NORMAL);
  scripted.FolderCancel();
  Click(IDC_BTN_FOLDER);
  EXPECT_EQ(dlg->m_bFolderMode, 0);
  EXPECT_FALSE(Checked(IDC_BTN_FOLDER));
  EXPECT_EQ(dlg->m_strCardPath, card);
  EXPECT_EQ(Main().GetItemCount(), 2);
}

TEST_F(CatalogueCardTest, ANewDriveOrFolderKeepsTheMainListAboveTheSmallMapAndThePlayingControls) {
  Play(0);
  dlg->m_nMapMode = MAP_MODE_SMALL;
  ChooseFolder(copies);
  EXPECT_EQ(Rect(IDC_LIST_FILES).Height(), 310);
  EXPECT_EQ(RectOf(Panel().GetSafeHwnd()).Height(), 508);  // no map under the panel's list
  EXPECT_TRUE(Enabled(IDC_SLIDER_SEEK));
  EXPECT_TRUE(Enabled(IDC_BTN_PLAY));

  // A new card while paused: both folder buttons go off with folder mode.
  dlg->m_player.m_pGraph->Pause();
  dlg->m_nMapMode = MAP_MODE_NONE;
  ChooseDrive(1);
  EXPECT_TRUE(dlg->SelectDrive());
  EXPECT_EQ(dlg->m_strCardPath, other);
  EXPECT_EQ(dlg->m_bFolderMode, 0);
  EXPECT_FALSE(Checked(IDC_BTN_FOLDER));
  EXPECT_FALSE(PanelChecked(dlg->m_dlgFileList.m_btnFolder));
  EXPECT_EQ(Rect(IDC_LIST_FILES).Height(), 508);
  EXPECT_TRUE(Enabled(IDC_SLIDER_SEEK));
  EXPECT_EQ(Names(Main()), (Texts{L"20240201_000000_MOT_F2.AVI"}));

  // Stopped: a new choice leaves the list-loaded state.
  dlg->m_player.Close();
  dlg->m_strCardPath.Empty();
  ChooseDrive(0);
  EXPECT_TRUE(dlg->SelectDrive());
  EXPECT_FALSE(Enabled(IDC_SLIDER_SEEK));
  EXPECT_TRUE(Enabled(IDC_BTN_CALENDAR));
}

}  // namespace

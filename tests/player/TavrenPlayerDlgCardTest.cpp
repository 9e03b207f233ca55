#include <gtest/gtest.h>

#include "card/RecordingRow.h"
#include "dialogs/InformationDlg.h"
#include "platform/base/UiDispatch.h"
#include "platform/win/ListView.h"
#include "res/dialogs/CardTemplates.h"
#include "tests/dialogs/CardTestSupport.h"
#include "tests/player/PlayerDlgFixture.h"

namespace {

using playertest::PlayerDlgFixture;

class InformationCommandTest : public PlayerDlgFixture {
protected:
  static CString TextOf(CWnd& wnd) {
    CString text;
    wnd.GetWindowText(text);
    return text;
  }
};

TEST_F(InformationCommandTest, WithoutARemovableDriveOnlyTheMessageShows) {
  ASSERT_TRUE(created);
  dlg->m_strCardPath = CString(temp.File("documents").c_str());  // a browsed folder
  scripted.MessageBoxAnswer(IDOK);
  Command(IDC_BTN_INFORMATION);
  ASSERT_EQ(scripted.messageBoxes().size(), 1u);
  EXPECT_EQ(scripted.messageBoxes()[0].text, L"Can't find the memory card.");
  EXPECT_EQ(scripted.messageBoxes()[0].caption, L"RODEMIR");
  EXPECT_EQ(dlg->m_pInfoDlg, nullptr);
}

TEST_F(InformationCommandTest, ACardOpensTheWindowOverTheMainWindowAndEachClickMakesAFreshOne) {
  ASSERT_TRUE(created);
  CString root = AddCard("CARD");
  cardtest::SparseFile(temp.File("drives/CARD/Event/20240101_120000_EVT2.AVI"), 1536ull << 20);
  dlg->m_strCardPath = root;
  Command(IDC_BTN_INFORMATION);
  ASSERT_NE(dlg->m_pInfoDlg, nullptr);
  CInformationDlg* first = dlg->m_pInfoDlg.get();
  EXPECT_TRUE(first->IsWindowVisible());
  EXPECT_EQ(TextOf(first->m_staticEvent), L"1.5 GB");
  EXPECT_EQ(first->GetOwner(), dlg.get());
  HWND firstWindow = first->m_hWnd;

  // The figures are read again by the next window, not by the open one.
  cardtest::SparseFile(temp.File("drives/CARD/Event/20240101_130000_EVT2.AVI"), 1024ull << 20);
  EXPECT_EQ(TextOf(first->m_staticEvent), L"1.5 GB");
  Command(IDC_BTN_INFORMATION);
  EXPECT_FALSE(::IsWindow(firstWindow));
  ASSERT_NE(dlg->m_pInfoDlg, nullptr);
  EXPECT_EQ(TextOf(dlg->m_pInfoDlg->m_staticEvent), L"2.5 GB");
  EXPECT_TRUE(dlg->m_pInfoDlg->IsWindowVisible());
}

TEST_F(InformationCommandTest, AFolderOnAFixedDiskAsksForTheCardFirst) {
  ASSERT_TRUE(created);
  AddCard("CARD");
  CString folder(temp.File("documents").c_str());
  dlg->m_strCardPath = folder;
  dlg->m_btnFolder.SetCheck(1);
  platform::PostToUiThread([] {
    if (CWnd* chooser = CWnd::GetActiveWindow()) chooser->SendMessage(WM_COMMAND, IDCANCEL, 0);
  });
  Command(IDC_BTN_INFORMATION);
  // Chooser cancelled: nothing opens and the folder stays the card path.
  EXPECT_EQ(dlg->m_pInfoDlg, nullptr);
  EXPECT_EQ(dlg->m_strCardPath, folder);
  EXPECT_EQ(dlg->m_btnFolder.GetCheck(), 1);
}

TEST_F(InformationCommandTest, AFolderOnAFixedDiskWithTheCardChosenShowsTheCardAndEndsFolderMode) {
  ASSERT_TRUE(created);
  CString root = AddCard("CARD");
  cardtest::SparseFile(temp.File("drives/CARD/Event/20240101_120000_EVT2.AVI"), 1536ull << 20);
  cardtest::SparseFile(temp.File("documents/Event/20240101_120000_EVT2.AVI"), 512ull << 20);
  dlg->m_strCardPath = CString(temp.File("documents").c_str()) + L"/";
  dlg->m_bFolderMode = 1;
  dlg->m_btnFolder.SetCheck(1);
  dlg->m_dlgFileList.m_btnFolder.SetCheck(1);
  platform::PostToUiThread([] {
    if (CWnd* chooser = CWnd::GetActiveWindow()) chooser->SendMessage(WM_COMMAND, IDOK, 0);
  });
  Command(IDC_BTN_INFORMATION);
  ASSERT_NE(dlg->m_pInfoDlg, nullptr);
  EXPECT_TRUE(dlg->m_pInfoDlg->IsWindowVisible());
  EXPECT_EQ(TextOf(dlg->m_pInfoDlg->m_staticEvent), L"1.5 GB");
  EXPECT_EQ(dlg->m_strCardPath, root);
  EXPECT_FALSE(dlg->m_bFolderMode);
  EXPECT_EQ(dlg->m_btnFolder.GetCheck(), 0);
  EXPECT_EQ(dlg->m_dlgFileList.m_btnFolder.GetCheck(), 0);
}

}  // namespace

namespace {

constexpr LONGLONG kMs = 10000;  // 100-ns units per ms

class SplitCommandTest : public PlayerDlgFixture {
protected:
  void SetUp() override {
    PlayerDlgFixture::SetUp();
    ASSERT_TRUE(created);
    dlg->m_strCardPath = L"/card/";
    fakegraph::TheWorld().duration = 60000 * kMs;
  }
  void AddRow(const CString& name, bool checked) {
    int row = dlg->m_listFiles.GetItemCount();
    dlg->m_listFiles.InsertItem(row, name);
    dlg->m_listFiles.SetItemText(row, COL_CHECK, checked ? L"1" : L"0");
    dlg->m_listFiles.SetItemText(row, COL_PATH, L"/card/" + name);
  }
  // The file-list panel's list, in the panel's client coordinates.
  CRect PanelListRect() const {
    CRect rect;
    dlg->m_dlgFileList.m_listFiles.GetWindowRect(&rect);
    dlg->m_dlgFileList.ScreenToClient(&rect);
    return rect;
  }
  // Runs the split command; while its dialog is up, notes the playback state and the
  // recording it shows, then closes it.
  void Split() {
    shown.Empty();
    stateWhileOpen = -2;
    platform::PostToUiThread([this] {
      CWnd* active = CWnd::GetActiveWindow();
      CString title;
      if (active) active->GetWindowText(title);
      if (title != L"Split") return;
      active->GetDlgItemText(IDC_SPLIT_FILENAME, shown);
      stateWhileOpen = State();
      active->SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
    Command(IDC_BTN_SPLIT);
  }

  CString shown;
  int stateWhileOpen = -2;
};

TEST_F(SplitCommandTest, OnlyAFirstCheckedTwoCameraRecordingOpensTheDialog) {
  AddRow(L"20240101_110000_NOR2.AVI", false);
  AddRow(L"20240101_120000_NOR1.AVI", true);
  AddRow(L"20240101_130000_NOR2.AVI", true);
  Split();
  EXPECT_EQ(shown, L"");
  dlg->m_listFiles.SetItemText(1, COL_CHECK, L"0");
  Split();
  EXPECT_EQ(shown, L"20240101_130000_NOR2.AVI");
}

TEST_F(SplitCommandTest, PlaybackPausesForTheDialogAndGoesOnAfterwards) {
  AddRow(L"20240101_120000_NOR2.AVI", true);
  DoubleClick(0);
  ASSERT_EQ(State(), 0);
  Split();
  EXPECT_EQ(stateWhileOpen, 1);
  EXPECT_EQ(State(), 0);

  Command(IDC_BTN_PLAY);  // paused by the user: it stays paused
  ASSERT_EQ(State(), 1);
  Split();
  EXPECT_EQ(stateWhileOpen, 1);
  EXPECT_EQ(State(), 1);
}

TEST_F(SplitCommandTest, OnlyTheMainListStopsAboveTheSmallMapAfterwards) {
  AddRow(L"20240101_120000_NOR2.AVI", true);
  const CRect fullPanelList(CPoint(2, 79), CSize(308 + g_cxVScroll, 508));
  dlg->m_nMapMode = MAP_MODE_SMALL;
  Split();
  EXPECT_EQ(Rect(IDC_LIST_FILES), CRect(CPoint(695, 126), CSize(308 + g_cxVScroll, 310)));
  EXPECT_EQ(PanelListRect(), fullPanelList);
  dlg->m_nMapMode = MAP_MODE_NONE;
  Split();
  EXPECT_EQ(Rect(IDC_LIST_FILES), CRect(CPoint(695, 126), CSize(308 + g_cxVScroll, 508)));
  EXPECT_EQ(PanelListRect(), fullPanelList);
}

}  // namespace

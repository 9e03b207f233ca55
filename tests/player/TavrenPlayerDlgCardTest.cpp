#include <gtest/gtest.h>

#include "dialogs/InformationDlg.h"
#include "platform/base/UiDispatch.h"
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
  EXPECT_EQ(dlg->m_pInfoDlg, nullptr);
}

TEST_F(InformationCommandTest, ACardOpensTheWindowOverTheMainWindowAndEachClickMakesAFreshOne) {
  ASSERT_TRUE(created);
  CString root = AddCard("CARD");
  cardtest::SparseFile(temp.File("drives/CARD/Event/20240101_120000_EVT2.AVI"), 1536ull << 20);
  dlg->m_strCardPath = root;
  Command(IDC_BTN_INFORMATION);
  ASSERT_NE(dlg->m_pInfoDlg, nullptr);
  CInformationDlg* first = dlg->m_pInfoDlg;
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

}  // namespace

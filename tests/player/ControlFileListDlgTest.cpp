// The file-list panel over the main dialog: its list and the main list hold the same rows;
// a click copies the check to the main row and selects it there, a double-click opens the
// main row's recording, and the check-type buttons hand their state to the main twins
// before the main handlers run.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "platform/base/System.h"
#include "platform/base/UiDispatch.h"
#include "skin/CellCheckBox.h"
#include "tests/player/PlayerDlgFixture.h"

namespace {

using fakegraph::TheWorld;
using playertest::PlayerDlgFixture;

constexpr int kRows = 6;
constexpr int kCheckLeft = 163 + 51 + 54;  // the Check column's left edge

std::atomic<bool> g_releaseLoader{false};

// A sensor loader that ignores the stop flag until the test lets it go.
UINT StubbornLoader(LPVOID) {
  while (!g_releaseLoader) Sleep(2);
  return 0;
}

class ControlFileListDlgTest : public PlayerDlgFixture {
protected:
  void SetUp() override {
    PlayerDlgFixture::SetUp();
    ASSERT_TRUE(created);
    for (CConfigListCtrl* list : {&dlg->m_listFiles, &Panel().m_listFiles}) Fill(*list);
    Panel().SetWindowPos(&CWnd::wndTop, 1594, 449, 326, 587, SWP_SHOWWINDOW);
    Pump();
  }

  void TearDown() override {
    g_releaseLoader = true;
    PlayerDlgFixture::TearDown();
    g_releaseLoader = false;
  }

  CControlFileListDlg& Panel() { return dlg->m_dlgFileList; }

  // Rows as the catalogue lists them: name, path in column 4, an unchecked box in column 3.
  void Fill(CConfigListCtrl& list) {
    for (int r = 0; r < kRows; ++r) {
      list.InsertItem(r, (L"rec" + std::to_wstring(r)).c_str());
      list.SetItemText(r, 4, (L"/card/rec" + std::to_wstring(r) + L".avi").c_str());
      list.SetItemText(r, 3, L"0");
      auto* box = new CCellCheckBox;
      box->m_strText = L"0";
      list.SetCellCtrl(r, box);
    }
  }

  // A click in the panel's list, at the check glyph of a row (or below the rows).
  void ClickRow(int row) {
    harness.Click(Panel().m_listFiles.m_hWnd, CPoint(kCheckLeft + 20, row * 21 + 13));
    Pump();
  }

  void DoubleClickRow(int row) {
    NMITEMACTIVATE notice;
    notice.hdr = {Panel().m_listFiles.m_hWnd, IDC_FILELIST_LIST, NM_DBLCLK};
    notice.iItem = row;
    EXPECT_EQ(Panel().SendMessage(WM_NOTIFY, IDC_FILELIST_LIST, reinterpret_cast<LPARAM>(&notice)), 0);
    Pump();
  }

  std::wstring MainCheck(int row) {
    CCellCtrl* cell = nullptr;
    dlg->m_listFiles.m_cells.Lookup(CConfigListCtrl::CellKey(row, CHECK_COLUMN), cell);
    EXPECT_NE(cell, nullptr);
    EXPECT_EQ(dlg->m_listFiles.GetItemText(row, CHECK_COLUMN), cell ? cell->m_strText : CString());
    return cell ? cell->m_strText.GetString() : L"";
  }
};

TEST_F(ControlFileListDlgTest, ClickCopiesTheCheckToTheMainRowAndSelectsItThere) {
  ClickRow(2);
  EXPECT_EQ(Panel().m_listFiles.GetItemText(2, CHECK_COLUMN), L"1");
  EXPECT_EQ(MainCheck(2), L"1");
  EXPECT_EQ(dlg->m_listFiles.GetFirstSelectedItem(), 2);
  EXPECT_EQ(dlg->m_listFiles.GetSelectedCount(), 1u);

  ClickRow(4);
  ClickRow(2);
  EXPECT_EQ(MainCheck(2), L"0");
  EXPECT_EQ(MainCheck(4), L"1");
  EXPECT_EQ(dlg->m_listFiles.GetFirstSelectedItem(), 2);

  // Below the rows: no row is selected and no check changes.
  ClickRow(kRows + 3);
  EXPECT_EQ(dlg->m_listFiles.GetSelectedCount(), 0u);
  EXPECT_EQ(MainCheck(4), L"1");
  EXPECT_EQ(MainCheck(2), L"0");
}

TEST_F(ControlFileListDlgTest, DoubleClickOpensTheMainRowsRecordingAndPlaysIt) {
  DoubleClickRow(3);
  EXPECT_EQ(dlg->m_nCurItem, 3);
  EXPECT_EQ(dlg->m_listFiles.GetFirstSelectedItem(), 3);
  ASSERT_NE(dlg->m_player.m_pGraph, nullptr);
  EXPECT_EQ(dlg->m_player.m_pGraph->PlayState, 0);

  // An empty path or a place below the rows opens nothing.
  dlg->m_listFiles.SetItemText(1, 4, L"");
  DoubleClickRow(1);
  DoubleClickRow(-1);
  EXPECT_EQ(dlg->m_nCurItem, 3);
  EXPECT_EQ(dlg->m_listFiles.GetFirstSelectedItem(), 3);
}

// Each list's double-click selects the opened row in the other list; a failed open selects
// nothing and leaves no row current.
TEST_F(ControlFileListDlgTest, DoubleClickInEitherListSelectsTheRowInTheOther) {
  DoubleClick(2);
  EXPECT_EQ(dlg->m_nCurItem, 2);
  EXPECT_EQ(Panel().m_listFiles.GetFirstSelectedItem(), 2);
  EXPECT_EQ(Panel().m_listFiles.GetSelectedCount(), 1u);

  DoubleClickRow(4);
  EXPECT_EQ(dlg->m_nCurItem, 4);
  EXPECT_EQ(dlg->m_listFiles.GetFirstSelectedItem(), 4);
  EXPECT_EQ(dlg->m_listFiles.GetSelectedCount(), 1u);

  TheWorld().missingClasses = {"decoder"};
  DoubleClickRow(1);
  EXPECT_EQ(dlg->m_nCurItem, -1);
  EXPECT_EQ(dlg->m_listFiles.GetFirstSelectedItem(), 4);
  DoubleClick(5);
  EXPECT_EQ(dlg->m_nCurItem, -1);
  EXPECT_EQ(Panel().m_listFiles.GetFirstSelectedItem(), 2);
}

TEST_F(ControlFileListDlgTest, DoubleClickOpensNothingWhileTheLoaderWillNotEnd) {
  CWinThread* loader = AfxBeginThread(StubbornLoader, nullptr);
  loader->m_bAutoDelete = FALSE;
  dlg->m_pLoaderThread.reset(loader);
  dlg->m_nCurItem = 1;
  DoubleClickRow(3);
  EXPECT_EQ(dlg->m_bStopLoader, 1);
  EXPECT_EQ(dlg->m_nCurItem, 1);
  ASSERT_NE(dlg->m_player.m_pGraph, nullptr);
  EXPECT_EQ(dlg->m_player.m_pGraph->PlayState, 3);  // nothing built
  EXPECT_EQ(dlg->m_listFiles.GetSelectedCount(), 0u);
  EXPECT_EQ(dlg->m_pLoaderThread.get(), loader);
}

}  // namespace

// The file-list panel over the main dialog: its list and the main list hold the same rows;
// a click copies the check to the main row and selects it there.
#include <gtest/gtest.h>

#include <string>

#include "skin/CellCheckBox.h"
#include "tests/player/PlayerDlgFixture.h"

namespace {

using playertest::PlayerDlgFixture;

constexpr int kRows = 6;
constexpr int kCheckLeft = 163 + 51 + 54;  // the Check column's left edge

class ControlFileListDlgTest : public PlayerDlgFixture {
protected:
  void SetUp() override {
    PlayerDlgFixture::SetUp();
    ASSERT_TRUE(created);
    for (CConfigListCtrl* list : {&dlg->m_listFiles, &Panel().m_listFiles}) Fill(*list);
    Panel().SetWindowPos(&CWnd::wndTop, 1594, 449, 326, 587, SWP_SHOWWINDOW);
    Pump();
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

}  // namespace

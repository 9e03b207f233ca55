#include <gtest/gtest.h>

#include "tests/player/PlayerDlgFixture.h"

namespace {

using playertest::PlayerDlgFixture;

class TavrenPlayerDlgTest : public PlayerDlgFixture {};

TEST_F(TavrenPlayerDlgTest, OpensAsACaptionlessWindowOfFixedSizeWithItsTitle) {
  ASSERT_TRUE(created);
  CRect window;
  dlg->GetWindowRect(&window);
  EXPECT_EQ(window, CRect(0, 0, 1022, 682));
  CString title;
  dlg->GetWindowText(title);
  EXPECT_EQ(title, L"RODEMIR");
  EXPECT_EQ(dlg->GetStyle() & WS_CAPTION, 0u);
  EXPECT_NE(dlg->GetExStyle() & WS_EX_APPWINDOW, 0u);
  EXPECT_EQ(dlg->m_nWindowMode, 1);
  for (int id : {IDC_BTN_MINIMIZE, IDC_LIST_FILES, IDC_MAP, IDC_LBL_FILENAME, IDC_BTN_SPLIT})
    EXPECT_NE(Item(id), nullptr) << id;
}

}  // namespace

#include <gtest/gtest.h>

#include "player/PlayerLayout.h"
#include "tests/player/PlayerDlgFixture.h"

namespace {

using playertest::PlayerDlgFixture;
using playertest::ScopedEnv;

CRect At(int x, int y, int cx, int cy) { return CRect(x, y, x + cx, y + cy); }

const int kFullWindowShown[] = {1002, 1008, 1013, 1014, 1015, 1016, 1017, 1020, 1022};

class TavrenPlayerDlgLayoutTest : public PlayerDlgFixture {
protected:
  CRect WindowRect() const {
    CRect rect;
    dlg->GetWindowRect(&rect);
    return rect;
  }
  int VisibleCount() const {
    int count = 0;
    for (const ControlPlace& place : NormalLayout(0)) count += Visible(place.id) ? 1 : 0;
    return count;
  }
};

TEST_F(TavrenPlayerDlgLayoutTest, NormalWindowPlacesEveryControlAndTheMapButtonsFollowTheSmallMap) {
  ASSERT_TRUE(created);
  EXPECT_EQ(Rect(1008), At(647, 53, 36, 22));
  EXPECT_EQ(Rect(1020), At(30, 474, 391, 20));
  EXPECT_EQ(Rect(1069), At(121, 57, 290, 15));
  EXPECT_EQ(Rect(1018), At(937, 639, 36, 22));
  EXPECT_EQ(Rect(1019), At(973, 639, 37, 22));
  EXPECT_EQ(Rect(IDC_LIST_FILES).TopLeft(), CPoint(695, 126));
  EXPECT_TRUE(Rect(IDC_MAP).IsRectEmpty());
  EXPECT_EQ(VisibleCount(), 37);

  dlg->m_nMapMode = MAP_MODE_SMALL;
  dlg->SetLayoutMode(WINDOW_MODE_NORMAL);
  EXPECT_EQ(Rect(1018).top, 441);
  EXPECT_EQ(Rect(1019).top, 441);
  // Offline the page cannot load, so the small map stays out of sight.
  EXPECT_EQ(Rect(IDC_MAP), At(676, 71, 0, 0));
  {
    ScopedEnv online("RODEMIR_ONLINE", "1");
    dlg->SetLayoutMode(WINDOW_MODE_NORMAL);
    EXPECT_EQ(Rect(IDC_MAP), At(695, 466, 324, 197));
  }
}

TEST_F(TavrenPlayerDlgLayoutTest, LargeMapIsALayoutOfTheNormalWindowAndTheNormalLayoutUndoesIt) {
  ASSERT_TRUE(created);
  EXPECT_EQ(dlg->SetLayoutMode(LAYOUT_LARGE_MAP), 0);
  EXPECT_EQ(dlg->m_nWindowMode, WINDOW_MODE_NORMAL);
  EXPECT_EQ(Rect(1018), At(897, 12, 37, 28));
  EXPECT_TRUE(Visible(1018));
  EXPECT_EQ(Rect(1002), At(150, 12, 37, 28));
  EXPECT_EQ(Rect(IDC_MAP), At(2, 48, 1017, 615));
  for (int id : {1008, 1013, 1020, 1022, 1069, 1019, IDC_LIST_FILES}) EXPECT_FALSE(Visible(id)) << id;
  EXPECT_FALSE(dlg->m_wndVideo1.IsWindowVisible());

  dlg->SetLayoutMode(WINDOW_MODE_NORMAL);
  EXPECT_EQ(Rect(1018), At(937, 639, 36, 22));
  EXPECT_EQ(Rect(1002), At(901, 12, 37, 28));
  EXPECT_EQ(VisibleCount(), 37);
  EXPECT_TRUE(Visible(IDC_LIST_FILES));
}

TEST_F(TavrenPlayerDlgLayoutTest, UnknownLayoutOrStateChangesNothing) {
  ASSERT_TRUE(created);
  EXPECT_EQ(dlg->SetLayoutMode(7), 0);
  EXPECT_EQ(dlg->m_nWindowMode, WINDOW_MODE_NORMAL);
  EXPECT_EQ(VisibleCount(), 37);
  dlg->EnableControls(1);
  dlg->EnableControls(3);
  dlg->EnableControls(-1);
  EXPECT_TRUE(Enabled(1003));
  EXPECT_FALSE(Enabled(1015));
}

TEST_F(TavrenPlayerDlgLayoutTest, FullWindowCoversTheScreenAndTheRoundTripRestoresTheNormalWindow) {
  ASSERT_TRUE(created);
  dlg->MoveWindow(100, 50, 1022, 682, TRUE);
  Command(IDC_BTN_EXTEND);
  EXPECT_EQ(dlg->m_nWindowMode, WINDOW_MODE_FULL);
  EXPECT_EQ(WindowRect(), CRect(0, 0, 1920, 1080));
  EXPECT_EQ(Rect(1002), At(1826, 1044, 37, 28));
  EXPECT_EQ(Rect(1008), At(1864, 7, 36, 22));
  EXPECT_EQ(Rect(1013).left, 1370);
  EXPECT_EQ(Rect(1014).left, 1406);
  EXPECT_EQ(Rect(1015).left, 1455);
  EXPECT_EQ(Rect(1016).left, 1504);
  EXPECT_EQ(Rect(1017).left, 1540);
  EXPECT_EQ(Rect(1017).top, 1044);
  EXPECT_EQ(Rect(1020), At(20, 1041, 1321, 20));
  EXPECT_EQ(Rect(1022), At(1629, 1049, 181, 15));
  for (int id : kFullWindowShown) EXPECT_TRUE(Visible(id)) << id;
  for (int id : {1000, 1001, 1003, 1009, 1021, 1023, 1069, IDC_LIST_FILES}) EXPECT_FALSE(Visible(id)) << id;
  EXPECT_TRUE(Rect(IDC_MAP).IsRectEmpty());

  Command(IDC_BTN_EXTEND);
  EXPECT_EQ(dlg->m_nWindowMode, WINDOW_MODE_NORMAL);
  EXPECT_EQ(WindowRect(), At(100, 50, 1022, 682));
  EXPECT_EQ(Rect(1002), At(901, 12, 37, 28));
  EXPECT_EQ(Rect(1020), At(30, 474, 391, 20));
  EXPECT_EQ(VisibleCount(), 37);
}

TEST_F(TavrenPlayerDlgLayoutTest, PointerStripsActOnlyInTheFullWindowAndOnlyWhenTheActionChanges) {
  ASSERT_TRUE(created);
  // Normal window: nothing the pointer does hides or shows anything.
  dlg->OnMouseMove(0, CPoint(500, 10));
  dlg->OnMouseMove(0, CPoint(500, 300));
  EXPECT_EQ(dlg->m_nStripAction, 0);
  EXPECT_EQ(VisibleCount(), 37);

  Command(IDC_BTN_EXTEND);
  dlg->OnMouseMove(0, CPoint(500, 39));
  EXPECT_EQ(dlg->m_nStripAction, STRIP_SHOW_PANELS);
  EXPECT_TRUE(Visible(1008));
  for (int id : {1002, 1013, 1015, 1020, 1022}) EXPECT_FALSE(Visible(id)) << id;
  // y = 40 belongs to neither strip; y = H - 44 is the bottom strip's first row.
  dlg->OnMouseMove(0, CPoint(500, 40));
  EXPECT_EQ(dlg->m_nStripAction, STRIP_HIDE_PANELS);
  EXPECT_FALSE(Visible(1008));
  dlg->m_btnExtend.ShowWindow(SW_SHOWNORMAL);
  dlg->OnMouseMove(0, CPoint(500, 1035));
  EXPECT_TRUE(Visible(1008)) << "a second move in the middle does nothing";
  dlg->OnMouseMove(0, CPoint(500, 1036));
  EXPECT_EQ(dlg->m_nStripAction, STRIP_SHOW_PANELS);
}

TEST_F(TavrenPlayerDlgLayoutTest, ControlSetUpGivesRangesVolumeAndColumns) {
  ASSERT_TRUE(created);
  EXPECT_EQ(dlg->m_sliderSpeed.GetRangeMin(), 1);
  EXPECT_EQ(dlg->m_sliderSpeed.GetRangeMax(), 9);
  EXPECT_EQ(dlg->m_sliderSpeed.GetPos(), 5);
  EXPECT_EQ(dlg->m_sliderBrightness.GetRangeMin(), -150);
  EXPECT_EQ(dlg->m_sliderBrightness.GetPos(), 0);
  EXPECT_EQ(dlg->m_sliderVolume.GetRangeMax(), 99);
  EXPECT_EQ(dlg->m_sliderVolume.GetPos(), 50);
  EXPECT_FALSE(Checked(1026));
  EXPECT_EQ(dlg->m_listFiles.GetExtendedStyle(), LVS_EX_FULLROWSELECT);
  const int kWidths[] = {163, 51, 54, 40, 0, 0};
  for (int column = 0; column < 6; ++column) EXPECT_EQ(dlg->m_listFiles.GetColumnWidth(column), kWidths[column]);
  CString caption;
  dlg->m_btnPlay.GetWindowText(caption);
  EXPECT_EQ(caption, L"");
  // Nothing is open, so neither pane shows.
  EXPECT_FALSE(dlg->m_wndVideo1.IsWindowVisible());
  EXPECT_FALSE(dlg->m_wndVideo2.IsWindowVisible());
  EXPECT_EQ(dlg->m_player.m_hWndVideo1, dlg->m_wndVideo1.GetSafeHwnd());
  EXPECT_EQ(dlg->m_player.m_hWndVideo2, dlg->m_wndVideo2.GetSafeHwnd());
}

}  // namespace

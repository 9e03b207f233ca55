// The control-enable states 0 (nothing listed), 1 (a list) and 2 (a recording open) of the
// main window and of its three panels, the one-camera rule, and the rule for a machine
// without sound output.
#include <gtest/gtest.h>

#include <array>

#include "res/dialogs/PanelTemplates.h"
#include "tests/player/PlayerDlgFixture.h"

namespace {

using playertest::PlayerDlgFixture;
using playertest::ScopedEnv;

enum class Panel { Bar, Top, FileList };

struct Switched {
  Panel panel;
  int id;
  std::array<bool, 3> on;  // in states 0, 1 and 2
};

const Switched kSwitched[] = {
    {Panel::Top, IDC_TOP_FRONT, {false, false, true}},
    {Panel::Top, IDC_TOP_REAR, {false, false, true}},
    {Panel::Top, IDC_TOP_ALL, {false, false, true}},
    {Panel::Top, IDC_TOP_ROTATE, {false, false, true}},
    {Panel::Top, IDC_TOP_REVERSE, {false, false, true}},
    {Panel::Bar, IDC_PANEL_SLIDER_SEEK, {false, false, true}},
    {Panel::Bar, IDC_PANEL_REWIND, {false, false, true}},
    {Panel::Bar, IDC_PANEL_FORWARD, {false, false, true}},
    {Panel::Bar, IDC_PANEL_PLAY, {false, false, true}},
    {Panel::Bar, IDC_PANEL_PREV, {false, false, true}},
    {Panel::Bar, IDC_PANEL_NEXT, {false, false, true}},
    {Panel::FileList, IDC_FILELIST_FOLDER, {true, true, true}},
    {Panel::FileList, IDC_FILELIST_CALENDAR, {false, true, true}},
    {Panel::FileList, IDC_FILELIST_SAVE, {false, true, true}},
    {Panel::FileList, IDC_FILELIST_DELETE, {false, true, true}},
};

// Controls of the panels that no state touches.
const std::pair<Panel, int> kLeftAlone[] = {
    {Panel::Bar, IDC_PANEL_MUTE},           {Panel::Bar, IDC_PANEL_SLIDER_VOLUME},
    {Panel::Bar, IDC_PANEL_INFORMATION},    {Panel::Bar, IDC_PANEL_FILELIST},
    {Panel::Top, IDC_TOP_REDUCE},           {Panel::FileList, IDC_FILELIST_ALL},
    {Panel::FileList, IDC_FILELIST_NORMAL}, {Panel::FileList, IDC_FILELIST_EVENT},
    {Panel::FileList, IDC_FILELIST_MOTION}, {Panel::FileList, IDC_FILELIST_CHECKALL},
    {Panel::FileList, IDC_FILELIST_LIST},
};

const int kOffUntilOpen[] = {1020, 1028, 1030, 1031, 1006, 1027, 1007, 1013, 1014, 1015, 1016, 1017, 1018, 1019};
const int kAlwaysOn[] = {1021, 1023, 1008, 1034, 1092, IDC_SLIDER_VOLUME, IDC_BTN_MUTE};
const int kOnOnceListed[] = {1003, 1004, 1005};

class TavrenPlayerDlgEnableTest : public PlayerDlgFixture {
protected:
  HWND PanelItem(Panel panel, int id) const {
    CWnd* wnd = panel == Panel::Bar   ? static_cast<CWnd*>(&dlg->m_dlgControlPanel)
                : panel == Panel::Top ? static_cast<CWnd*>(&dlg->m_dlgControlTop)
                                      : static_cast<CWnd*>(&dlg->m_dlgFileList);
    return ::GetDlgItem(wnd->GetSafeHwnd(), id);
  }
  bool PanelEnabled(Panel panel, int id) const { return ::IsWindowEnabled(PanelItem(panel, id)) != FALSE; }
  void SetStreams(int count) {
    ASSERT_NE(dlg->m_player.m_pGraph, nullptr);
    dlg->m_player.m_pGraph->m_nVideoStreams = count;
  }
};

TEST_F(TavrenPlayerDlgEnableTest, MainWindowStatesDifferWhereTheyShould) {
  ASSERT_TRUE(created);
  for (int id : kOffUntilOpen) EXPECT_FALSE(Enabled(id)) << id;
  for (int id : kAlwaysOn) EXPECT_TRUE(Enabled(id)) << id;
  for (int id : kOnOnceListed) EXPECT_FALSE(Enabled(id)) << id;

  dlg->EnableControls(1);
  for (int id : kOnOnceListed) EXPECT_TRUE(Enabled(id)) << id;
  for (int id : kOffUntilOpen) EXPECT_FALSE(Enabled(id)) << id;

  dlg->EnableControls(2);
  for (int id : kOffUntilOpen) EXPECT_TRUE(Enabled(id)) << id;
  for (int id : kAlwaysOn) EXPECT_TRUE(Enabled(id)) << id;

  dlg->EnableControls(0);
  for (int id : kOffUntilOpen) EXPECT_FALSE(Enabled(id)) << id;
  for (int id : kOnOnceListed) EXPECT_FALSE(Enabled(id)) << id;
  for (int id : kAlwaysOn) EXPECT_TRUE(Enabled(id)) << id;

  // Closing the recording hides both panes.
  dlg->m_wndVideo1.ShowWindow(SW_SHOWNORMAL);
  dlg->EnableControls(1);
  EXPECT_FALSE(dlg->m_wndVideo1.IsWindowVisible());
}

TEST_F(TavrenPlayerDlgEnableTest, PanelsFollowEachState) {
  ASSERT_TRUE(created);
  for (int state : {2, 0, 1, 2, 1, 0}) {
    dlg->EnableControls(state);
    for (const Switched& control : kSwitched)
      EXPECT_EQ(PanelEnabled(control.panel, control.id), control.on[state]) << "state " << state << ", " << control.id;
  }
}

TEST_F(TavrenPlayerDlgEnableTest, NoStateTouchesThePanelsOtherControls) {
  ASSERT_TRUE(created);
  for (BOOL enabled : {FALSE, TRUE}) {
    for (auto [panel, id] : kLeftAlone) ::EnableWindow(PanelItem(panel, id), enabled);
    for (int state : {0, 1, 2}) {
      dlg->EnableControls(state);
      for (auto [panel, id] : kLeftAlone)
        EXPECT_EQ(PanelEnabled(panel, id), enabled != FALSE) << "state " << state << ", " << id;
    }
  }
}

TEST_F(TavrenPlayerDlgEnableTest, OneCameraLeavesOnlyTheFrontViewOnInTheWindowAndTheTopBar) {
  ASSERT_TRUE(created);
  SetStreams(1);
  dlg->EnableControls(2);
  EXPECT_TRUE(Enabled(1028));
  EXPECT_TRUE(PanelEnabled(Panel::Top, IDC_TOP_FRONT));
  for (int id : {1030, 1031, 1006, 1027}) EXPECT_FALSE(Enabled(id)) << id;
  for (int id : {IDC_TOP_REAR, IDC_TOP_ALL, IDC_TOP_ROTATE, IDC_TOP_REVERSE})
    EXPECT_FALSE(PanelEnabled(Panel::Top, id)) << id;

  SetStreams(2);
  dlg->EnableControls(2);
  for (int id : {1028, 1030, 1031, 1006, 1027}) EXPECT_TRUE(Enabled(id)) << id;
  for (int id : {IDC_TOP_FRONT, IDC_TOP_REAR, IDC_TOP_ALL, IDC_TOP_ROTATE, IDC_TOP_REVERSE})
    EXPECT_TRUE(PanelEnabled(Panel::Top, id)) << id;
}

// RODEMIR_AUDIO_SINK set but empty: the machine has no sound output.
class NoSoundOutputTest : public PlayerDlgFixture {
protected:
  void ExpectVolumeAtZeroAndMuted() {
    EXPECT_EQ(dlg->m_sliderVolume.GetPos(), 0);
    EXPECT_FALSE(Enabled(IDC_SLIDER_VOLUME));
    EXPECT_TRUE(Checked(IDC_BTN_MUTE));
    EXPECT_FALSE(Enabled(IDC_BTN_MUTE));
  }

  ScopedEnv noSound{"RODEMIR_AUDIO_SINK", ""};
};

TEST_F(NoSoundOutputTest, VolumeStandsAtZeroAndMuteCheckedBothOffFromTheStartAndInEveryState) {
  ASSERT_TRUE(created);
  ExpectVolumeAtZeroAndMuted();
  for (int state : {1, 2, 0}) {
    SCOPED_TRACE(state);
    dlg->m_sliderVolume.EnableWindow(TRUE);
    dlg->m_sliderVolume.SetPos(40);
    dlg->m_btnMute.EnableWindow(TRUE);
    dlg->m_btnMute.SetCheck(BST_UNCHECKED);
    dlg->EnableControls(state);
    ExpectVolumeAtZeroAndMuted();
  }
}

}  // namespace

// The full window's control bar and top bar over the main dialog: where they and their
// controls stand on screens of several sizes, where the file-list panel opens, and how the
// bar's sliders and mute button keep the main dialog and the program volume in step.
#include <gtest/gtest.h>

#include "platform/present/HeadlessPresenter.h"
#include "platform/shell/SoundVolume.h"
#include "tests/player/PlayerDlgFixture.h"

namespace {

using fakegraph::TheWorld;
using playertest::PlayerDlgFixture;

class SizedScreen : public platform::HeadlessPresenter {
public:
  explicit SizedScreen(CSize size) : m_size(size) {}
  CRect ScreenRect() const override { return CRect(CPoint(0, 0), m_size); }

private:
  CSize m_size;
};

DWORD ProgramVolume() {
  DWORD volume = 0;
  waveOutGetVolume(nullptr, &volume);
  return volume;
}

CRect ScreenRectOf(const CWnd& wnd) {
  CRect rect;
  wnd.GetWindowRect(&rect);
  return rect;
}

// A control's rectangle in its panel's client coordinates.
CRect RectIn(const CWnd& panel, const CWnd& control) {
  CRect rect = ScreenRectOf(control);
  panel.ScreenToClient(&rect);
  return rect;
}

class ControlBarsTest : public PlayerDlgFixture {
protected:
  CControlPanelDlg& Bar() { return dlg->m_dlgControlPanel; }
  CControlTopDlg& Top() { return dlg->m_dlgControlTop; }
  CControlFileListDlg& FileList() { return dlg->m_dlgFileList; }

  // The full window with both bars shown, as a move into the bottom strip shows them.
  void ShowBars() {
    dlg->OnBnClickedExtend();
    Pump();
    CRect client;
    dlg->GetClientRect(&client);
    harness.MoveTo(Hwnd(), CPoint(client.Width() / 2, client.bottom - 5));
    Pump();
  }

  // The bar alone along the bottom of the screen, placed as the full window places it.
  void ShowBarOnly() {
    Bar().SetWindowPos(&CWnd::wndTop, 0, 1036, 1920, 44, SWP_SHOWWINDOW);
    Bar().RepositionControls();
    Pump();
  }

  void ClickOn(CWnd& control) {
    CRect rect;
    control.GetClientRect(&rect);
    harness.Click(control.m_hWnd, rect.CenterPoint());
    Pump();
  }

  void Scroll(COktImageSlider& slider, UINT code, int pos) {
    slider.SetPos(pos);
    Bar().SendMessage(WM_HSCROLL, MAKEWPARAM(code, pos), reinterpret_cast<LPARAM>(slider.m_hWnd));
    Pump();
  }

  bool BothMuted() { return Bar().m_btnMute.GetCheck() == BST_CHECKED && dlg->m_btnMute.GetCheck() == BST_CHECKED; }
  bool NeitherMuted() {
    return Bar().m_btnMute.GetCheck() == BST_UNCHECKED && dlg->m_btnMute.GetCheck() == BST_UNCHECKED;
  }
};

class BarsOnScreenTest : public ControlBarsTest, public ::testing::WithParamInterface<CSize> {
protected:
  void Prepare() override { platform::SetPresenter(std::make_unique<SizedScreen>(GetParam())); }
};

TEST_P(BarsOnScreenTest, BarsControlsAndFileListFollowTheScreen) {
  const int W = GetParam().cx, H = GetParam().cy;
  ShowBars();
  ASSERT_TRUE(Bar().IsWindowVisible() && Top().IsWindowVisible());
  EXPECT_EQ(ScreenRectOf(Bar()), CRect(0, H - 44, W, H));
  EXPECT_EQ(ScreenRectOf(Top()), CRect(0, 0, W, 40));

  EXPECT_EQ(RectIn(Bar(), Bar().m_btnRewind), CRect(CPoint(W - 550, 8), CSize(36, 28)));
  EXPECT_EQ(RectIn(Bar(), Bar().m_btnNext), CRect(CPoint(W - 380, 8), CSize(37, 28)));
  EXPECT_EQ(RectIn(Bar(), Bar().m_btnMute), CRect(CPoint(W - 319, 12), CSize(22, 16)));
  EXPECT_EQ(RectIn(Bar(), Bar().m_btnFileList), CRect(CPoint(W - 57, 8), CSize(37, 28)));
  EXPECT_EQ(RectIn(Bar(), Bar().m_sliderSeek), CRect(CPoint(20, 5), CSize(W - 599, 20)));
  EXPECT_EQ(RectIn(Bar(), Bar().m_sliderVolume), CRect(CPoint(W - 291, 13), CSize(181, 15)));
  EXPECT_EQ(RectIn(Bar(), Bar().m_lblElapsed), CRect(CPoint(20, 25), CSize(50, 15)));
  EXPECT_EQ(RectIn(Bar(), Bar().m_lblDuration), CRect(CPoint(W - 628, 25), CSize(50, 15)));
  EXPECT_EQ(RectIn(Top(), Top().m_btnFront), CRect(CPoint(W - 268, 7), CSize(40, 28)));
  EXPECT_EQ(RectIn(Top(), Top().m_btnReverse), CRect(CPoint(W - 99, 7), CSize(37, 28)));
  EXPECT_EQ(RectIn(Top(), Top().m_btnReduce), CRect(CPoint(W - 56, 7), CSize(37, 28)));
  EXPECT_EQ(RectIn(Top(), Top().m_lblFileName), CRect(CPoint(28, 11), CSize(300, 15)));

  // The file-list panel stands on the bar's top edge at its right end; a second click hides it.
  ClickOn(Bar().m_btnFileList);
  EXPECT_TRUE(FileList().IsWindowVisible());
  EXPECT_EQ(Bar().m_btnFileList.GetCheck(), BST_CHECKED);
  EXPECT_EQ(ScreenRectOf(FileList()), CRect(W - 326, H - 44 - 587, W, H - 44));
  ClickOn(Bar().m_btnFileList);
  EXPECT_FALSE(FileList().IsWindowVisible());
  EXPECT_EQ(Bar().m_btnFileList.GetCheck(), BST_UNCHECKED);
}

INSTANTIATE_TEST_SUITE_P(Screens, BarsOnScreenTest,
                         ::testing::Values(CSize(1920, 1080), CSize(1280, 720), CSize(1024, 768), CSize(2560, 1440)),
                         [](const auto& info) {
                           return std::to_string(info.param.cx) + "x" + std::to_string(info.param.cy);
                         });

TEST_F(ControlBarsTest, EnterInAPanelDoesNothingAndEscLeavesTheFullWindow) {
  ShowBars();
  ClickOn(Bar().m_btnFileList);
  for (CWnd* focus : {static_cast<CWnd*>(&Top().m_btnFront), static_cast<CWnd*>(&Bar().m_sliderVolume),
                      static_cast<CWnd*>(&FileList().m_listFiles)}) {
    focus->SetFocus();
    harness.Key(VK_RETURN);
    Pump();
    EXPECT_EQ(dlg->m_nWindowMode, 2);
    EXPECT_TRUE(Bar().IsWindowVisible() && Top().IsWindowVisible() && FileList().IsWindowVisible());
  }
  harness.Key(VK_ESCAPE);
  Pump();
  EXPECT_EQ(dlg->m_nWindowMode, 1);
}

// Space plays and pauses, Left and Right step back and on, whatever a panel has focused
// (the focus the bars took when they came, a button, a slider, the list): the focused control
// is neither pressed nor moved, and the full window and its panels stay.
TEST_F(ControlBarsTest, SpaceLeftAndRightInAPanelWorkThePlaybackAndKeepTheFullWindow) {
  ASSERT_EQ(dlg->m_player.Open(L"/card/rec.avi"), 1);
  ASSERT_TRUE(dlg->m_player.Play());
  ShowBars();
  ClickOn(Bar().m_btnFileList);
  ASSERT_TRUE(FileList().IsWindowVisible());
  const CDShowGraph* graph = dlg->m_player.m_pGraph.get();
  ASSERT_EQ(graph->PlayState, 0);
  for (CWnd* focus :
       {static_cast<CWnd*>(nullptr), static_cast<CWnd*>(&Top().m_btnReduce), static_cast<CWnd*>(&Top().m_btnRear),
        static_cast<CWnd*>(&Bar().m_btnFileList), static_cast<CWnd*>(&Bar().m_sliderSeek),
        static_cast<CWnd*>(&FileList().m_btnFolder), static_cast<CWnd*>(&FileList().m_listFiles)}) {
    if (focus) focus->SetFocus();
    const int state = graph->PlayState;
    harness.Key(VK_SPACE);
    Pump();
    EXPECT_EQ(graph->PlayState, 1 - state);
    TheWorld().position = 20000000;
    harness.Key(VK_RIGHT);
    Pump();
    EXPECT_EQ(TheWorld().position, 30000000);
    harness.Key(VK_LEFT);
    Pump();
    EXPECT_EQ(TheWorld().position, 20000000);
    EXPECT_EQ(dlg->m_nWindowMode, 2);
    EXPECT_TRUE(Bar().IsWindowVisible() && Top().IsWindowVisible() && FileList().IsWindowVisible());
    EXPECT_EQ(Bar().m_btnFileList.GetCheck(), BST_CHECKED);
    EXPECT_EQ(Top().m_btnRear.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(FileList().m_btnFolder.GetCheck(), BST_UNCHECKED);
  }
  EXPECT_TRUE(scripted.messageBoxes().empty());
}

TEST_F(ControlBarsTest, PlacingTheBarAppliesTheMainDialogsVolumeAndMute) {
  dlg->m_sliderVolume.SetPos(40);
  dlg->m_btnMute.SetCheck(BST_CHECKED);
  Bar().RepositionControls();
  EXPECT_EQ(Bar().m_sliderVolume.GetPos(), 40);
  EXPECT_EQ(Bar().m_btnMute.GetCheck(), BST_CHECKED);
  EXPECT_EQ(ProgramVolume(), 0u);

  dlg->m_btnMute.SetCheck(BST_UNCHECKED);
  Bar().RepositionControls();
  EXPECT_EQ(Bar().m_btnMute.GetCheck(), BST_UNCHECKED);
  EXPECT_EQ(ProgramVolume(), 0x66666666u);  // 40 x 655.35 = 26214 on both channels
}

TEST_F(ControlBarsTest, VolumeSliderDrivesBothMuteButtonsAndTheProgramVolume) {
  Scroll(Bar().m_sliderVolume, TB_THUMBTRACK, 0);
  EXPECT_TRUE(BothMuted());
  EXPECT_EQ(ProgramVolume(), 0u);
  EXPECT_EQ(dlg->m_sliderVolume.GetPos(), 0);

  Scroll(Bar().m_sliderVolume, TB_PAGEDOWN, 50);
  EXPECT_TRUE(NeitherMuted());
  EXPECT_EQ(ProgramVolume(), 0x7FFF7FFFu);
  EXPECT_EQ(dlg->m_sliderVolume.GetPos(), 50);

  // Only the bar reaches 100; the main slider stops at its own end.
  Scroll(Bar().m_sliderVolume, TB_THUMBPOSITION, 100);
  EXPECT_EQ(ProgramVolume(), 0xFFFFFFFFu);
  EXPECT_EQ(dlg->m_sliderVolume.GetPos(), 99);

  // The end of a track is not a move.
  Scroll(Bar().m_sliderVolume, TB_ENDTRACK, 0);
  EXPECT_TRUE(NeitherMuted());
  EXPECT_EQ(ProgramVolume(), 0xFFFFFFFFu);
}

TEST_F(ControlBarsTest, UnmutingOnTheBarRestoresTheBarsOwnLevel) {
  ShowBarOnly();
  Bar().m_sliderVolume.SetPos(70);
  ClickOn(Bar().m_btnMute);
  EXPECT_TRUE(BothMuted());
  EXPECT_EQ(ProgramVolume(), 0u);
  ClickOn(Bar().m_btnMute);
  EXPECT_TRUE(NeitherMuted());
  EXPECT_EQ(ProgramVolume(), 0xB332B332u);  // 70 x 655.35 = 45874
  EXPECT_EQ(dlg->m_sliderVolume.GetPos(), 70);
}

TEST_F(ControlBarsTest, SeekSliderSeeksWhileMovedButNotAtTheDrop) {
  ASSERT_EQ(dlg->m_player.Open(L"/card/rec.avi"), 1);
  dlg->m_sliderSeek.SetRange(0, 5000);
  Bar().m_sliderSeek.SetRange(0, 5000);
  Scroll(Bar().m_sliderSeek, TB_THUMBTRACK, 1200);
  EXPECT_TRUE(TheWorld().Logged("SetPositions 12000000 1 0"));
  EXPECT_EQ(dlg->m_sliderSeek.GetPos(), 1200);
  Scroll(Bar().m_sliderSeek, TB_PAGEDOWN, 2200);
  EXPECT_EQ(dlg->m_sliderSeek.GetPos(), 2200);

  const int seeks = TheWorld().Count("SetPositions");
  Scroll(Bar().m_sliderSeek, TB_THUMBPOSITION, 3000);
  Scroll(Bar().m_sliderSeek, TB_ENDTRACK, 3000);
  EXPECT_EQ(TheWorld().Count("SetPositions"), seeks);
  EXPECT_EQ(dlg->m_sliderSeek.GetPos(), 2200);
}

}  // namespace

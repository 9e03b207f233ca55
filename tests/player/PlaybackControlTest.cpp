// The transport of the main window over the scripted graph: what reaches the graph and
// the decoders, and what the controls show.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "platform/shell/SoundVolume.h"
#include "platform/win/ListView.h"
#include "platform/win/SliderCtrl.h"
#include "tests/player/PlayerDlgFixture.h"

namespace {

using fakegraph::TheWorld;

constexpr LONGLONG kMs = 10000;  // 100-ns units per ms

std::atomic<bool> g_releaseLoader{false};

UINT StuckLoader(LPVOID) {
  while (!g_releaseLoader) Sleep(5);
  return 0;
}

class PlaybackControlTest : public playertest::PlayerDlgFixture {
protected:
  void SetUp() override {
    PlayerDlgFixture::SetUp();
    ASSERT_TRUE(created);
    dlg->m_strCardPath = L"/card/";
    TheWorld().duration = 120000 * kMs;
  }

  void TearDown() override {
    g_releaseLoader = true;
    PlayerDlgFixture::TearDown();
    g_releaseLoader = false;
  }

  // A slider moved to `pos`, then the message it posts with `code`.
  void Slide(COktImageSlider& slider, int pos, UINT code) {
    slider.SetPos(pos);
    dlg->PostMessage(WM_HSCROLL, MAKEWPARAM(code, pos & 0xFFFF), reinterpret_cast<LPARAM>(slider.GetSafeHwnd()));
    Pump();
  }

  void Tick() {
    harness.AdvanceTime(200);
    Pump();
  }

  CString Text(CWnd& wnd) {
    CString s;
    wnd.GetWindowText(s);
    return s;
  }

  // What the window shows of the control, row by row.
  std::vector<COLORREF> Pixels(CWnd& wnd) {
    CRect rect;
    wnd.GetClientRect(&rect);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < rect.Height(); ++y)
      for (int x = 0; x < rect.Width(); ++x) pixels.push_back(harness.Pixel(wnd.GetSafeHwnd(), CPoint(x, y)));
    return pixels;
  }

  CRect PaneRect(CWnd& pane) { return RectOf(pane.GetSafeHwnd()); }

  // Starts a loader that runs until released, as the window's own.
  void StartStuckLoader() {
    CWinThread* thread = AfxBeginThread(StuckLoader, nullptr, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    thread->m_bAutoDelete = FALSE;
    thread->ResumeThread();
    dlg->m_pLoaderThread.reset(thread);
  }

  void ExpectNothingOpen() {
    EXPECT_EQ(dlg->m_player.m_pGraph, nullptr);
    EXPECT_EQ(Text(dlg->m_lblElapsed), L"00:00:00");
    EXPECT_EQ(Text(dlg->m_lblDuration), L"00:00:00");
    EXPECT_EQ(Text(dlg->m_lblFileName), L"");
    EXPECT_EQ(dlg->m_sliderSeek.GetPos(), 0);
    EXPECT_FALSE(Enabled(IDC_BTN_REWIND));
    EXPECT_FALSE(::IsWindowVisible(dlg->m_wndVideo1.GetSafeHwnd()));
    // No timer keeps ticking: a later position shows nowhere.
    TheWorld().position = 5000 * kMs;
    Tick();
    EXPECT_EQ(Text(dlg->m_lblElapsed), L"00:00:00");
  }
};

TEST_F(PlaybackControlTest, DoubleClickOpensRunsAndShowsTheRecording) {
  AddRows(3);
  dlg->m_sliderBrightness.SetPos(40);
  DoubleClick(1);
  EXPECT_EQ(dlg->m_nCurItem, 1);
  EXPECT_EQ(State(), 0);
  EXPECT_EQ(Text(dlg->m_lblFileName), L"REC_1.avi");
  EXPECT_EQ(dlg->m_sliderSeek.GetRangeMax(), 120000);
  EXPECT_EQ(dlg->m_nViewChannel, 1);
  EXPECT_TRUE(Checked(IDC_BTN_FRONT));
  EXPECT_TRUE(Enabled(IDC_BTN_REWIND));
  for (const char* decoder : {"FFDShow Decoder1", "FFDShow Decoder2"}) {
    EXPECT_TRUE(TheWorld().Logged(std::string("put ") + decoder + " 205 1")) << decoder;
    EXPECT_TRUE(TheWorld().Logged(std::string("put ") + decoder + " 202 40")) << decoder;
  }
  ASSERT_NE(dlg->m_pLoaderThread, nullptr);
  EXPECT_FALSE(dlg->m_pLoaderThread->m_bAutoDelete);

  dlg->OnBnClickedPlay();
  EXPECT_EQ(State(), 1);
  dlg->OnBnClickedPlay();
  EXPECT_EQ(State(), 0);
}

TEST_F(PlaybackControlTest, TickShowsThePositionAndRewritesLabelsOnlyOnChange) {
  AddRows(2);
  DoubleClick(0);
  TheWorld().position = 62000 * kMs;
  Tick();
  EXPECT_EQ(dlg->m_sliderSeek.GetPos(), 62000);
  EXPECT_EQ(Text(dlg->m_lblElapsed), L"00:01:02");
  EXPECT_EQ(Text(dlg->m_lblDuration), L"00:02:00");
  // A label whose text changed behind the tick's back stays as it is while the time holds.
  dlg->m_lblDuration.SetWindowText(L"x");
  TheWorld().position = 62400 * kMs;
  Tick();
  EXPECT_EQ(Text(dlg->m_lblElapsed), L"00:01:02");
  EXPECT_EQ(Text(dlg->m_lblDuration), L"00:02:00");

  // Paused: the graph is paused again on each tick and the slider follows.
  dlg->OnBnClickedPlay();
  int pauses = TheWorld().Count("Pause");
  TheWorld().position = 70000 * kMs;
  Tick();
  EXPECT_GT(TheWorld().Count("Pause"), pauses);
  EXPECT_EQ(dlg->m_sliderSeek.GetPos(), 70000);
}

// The tick draws nothing itself; what it changed shows after the next paint pass.
TEST_F(PlaybackControlTest, TickAndNextShowTheirChangesOnTheScreen) {
  AddRows(2);
  DoubleClick(0);
  auto slider = Pixels(dlg->m_sliderSeek), elapsed = Pixels(dlg->m_lblElapsed), name = Pixels(dlg->m_lblFileName);
  TheWorld().position = 62000 * kMs;
  Tick();
  EXPECT_TRUE(Pixels(dlg->m_sliderSeek) != slider) << "the thumb did not move";
  EXPECT_TRUE(Pixels(dlg->m_lblElapsed) != elapsed) << "the elapsed time did not change";
  EXPECT_TRUE(Pixels(dlg->m_lblFileName) == name) << "the name changed";

  dlg->SendMessage(WM_COMMAND, ID_ACCEL_NEXTFILE, 0);
  Pump();
  EXPECT_EQ(Text(dlg->m_lblFileName), L"REC_1.avi");
  EXPECT_TRUE(::IsWindowVisible(dlg->m_lblFileName.GetSafeHwnd()));
  EXPECT_TRUE(Pixels(dlg->m_lblFileName) != name) << "the name did not change";
}

TEST_F(PlaybackControlTest, EndOfRecordingMovesOnThenStopsAfterTheLastRow) {
  AddRows(2);
  DoubleClick(0);
  TheWorld().position = 120000 * kMs;
  Tick();
  EXPECT_EQ(dlg->m_nCurItem, 1);
  EXPECT_EQ(State(), 0);
  EXPECT_EQ(dlg->m_listFiles.GetFirstSelectedItem(), 1);
  EXPECT_EQ(Text(dlg->m_lblFileName), L"REC_1.avi");

  TheWorld().position = 120000 * kMs;
  Tick();
  EXPECT_EQ(dlg->m_nCurItem, -1);
  ExpectNothingOpen();
  EXPECT_TRUE(Enabled(IDC_BTN_FOLDER));
}

TEST_F(PlaybackControlTest, DurationOfZeroMovesOnAtTheFirstTick) {
  AddRows(2);
  TheWorld().duration = 0;
  DoubleClick(0);
  Tick();
  EXPECT_EQ(dlg->m_nCurItem, 1);
}

TEST_F(PlaybackControlTest, DraggingTheSeekSliderHoldsItAndTheEndWhileRunningOnly) {
  AddRows(2);
  DoubleClick(0);
  dlg->m_sliderSeek.SetPos(1000);
  dlg->m_sliderSeek.SetCapture();
  TheWorld().position = 50000 * kMs;
  Tick();
  EXPECT_EQ(dlg->m_sliderSeek.GetPos(), 1000);
  EXPECT_EQ(Text(dlg->m_lblElapsed), L"00:00:50");
  TheWorld().position = 120000 * kMs;
  Tick();
  EXPECT_EQ(dlg->m_nCurItem, 0);

  dlg->OnBnClickedPlay();  // paused: the slider follows even while held
  TheWorld().position = 30000 * kMs;
  Tick();
  EXPECT_EQ(dlg->m_sliderSeek.GetPos(), 30000);
  ::ReleaseCapture();
}

TEST_F(PlaybackControlTest, PrevAndNextWalkTheRowsAndLeaveTheLoaderAloneWhenIdle) {
  AddRows(3, /*emptyAt=*/2);
  dlg->OnBnClickedPrev();
  EXPECT_EQ(dlg->m_nCurItem, -1);
  EXPECT_EQ(dlg->m_bStopLoader, 0);
  DoubleClick(-1);
  EXPECT_EQ(dlg->m_nCurItem, -1);
  EXPECT_EQ(dlg->m_bStopLoader, 0);

  dlg->SendMessage(WM_COMMAND, ID_ACCEL_NEXTFILE, 0);  // Page Down with nothing open
  Pump();
  EXPECT_EQ(dlg->m_nCurItem, 0);
  EXPECT_EQ(State(), 0);
  dlg->OnBnClickedNext();
  EXPECT_EQ(dlg->m_nCurItem, 1);
  EXPECT_EQ(Text(dlg->m_lblFileName), L"REC_1.avi");
  EXPECT_EQ(dlg->m_dlgFileList.m_listFiles.GetFirstSelectedItem(), -1);  // the panel holds no rows here

  // A row without a path becomes current, opens nothing and stops no loader.
  dlg->m_bStopLoader = 0;
  dlg->OnBnClickedNext();
  EXPECT_EQ(dlg->m_nCurItem, 2);
  EXPECT_EQ(dlg->m_bStopLoader, 0);
  EXPECT_EQ(Text(dlg->m_lblFileName), L"REC_1.avi");

  dlg->OnBnClickedPrev();
  EXPECT_EQ(dlg->m_nCurItem, 1);
  EXPECT_EQ(State(), 0);
}

// Nothing open, first with the graph object the window starts with (nothing built in it),
// then with none after a stop: no command builds, runs or seeks a graph, reaches a decoder
// or starts the timer, and the window goes on showing nothing open.
TEST_F(PlaybackControlTest, StopAndNextWithNothingOpenDoNotTouchAMissingGraph) {
  ASSERT_NE(dlg->m_player.m_pGraph, nullptr);
  ASSERT_EQ(State(), 3);
  TheWorld().log.clear();
  auto commands = [&] {
    dlg->OnBnClickedPlay();
    dlg->OnBnClickedRewind();
    dlg->OnBnClickedForward();
    dlg->OnBnClickedPrev();
    Slide(dlg->m_sliderBrightness, -20, TB_THUMBTRACK);
    Slide(dlg->m_sliderSpeed, 7, TB_THUMBTRACK);
    Slide(dlg->m_sliderSeek, 10, TB_THUMBTRACK);
    dlg->m_btnRotate.SetCheck(BST_CHECKED);
    dlg->OnBnClickedRotate();
    dlg->SendMessage(WM_TIMER, IDT_PLAY_POSITION, 0);  // a tick that was already queued
    Pump();
    EXPECT_EQ(dlg->m_sliderSeek.GetPos(), 10) << "the tick moved the slider";
  };
  auto expectNothingStarted = [&] {
    EXPECT_TRUE(TheWorld().log.empty()) << "first call: " << TheWorld().log.front();
    EXPECT_FALSE(::KillTimer(Hwnd(), IDT_PLAY_POSITION)) << "the timer runs";
    EXPECT_EQ(dlg->m_nCurItem, -1);
    EXPECT_EQ(Text(dlg->m_lblElapsed), L"00:00:00");
    EXPECT_EQ(Text(dlg->m_lblFileName), L"");
    EXPECT_FALSE(Enabled(IDC_BTN_PLAY));
    EXPECT_FALSE(Checked(IDC_BTN_ROTATE));
    EXPECT_EQ(dlg->m_bFlipV, 0);
    EXPECT_TRUE(scripted.messageBoxes().empty());
  };

  commands();
  ASSERT_NE(dlg->m_player.m_pGraph, nullptr);
  EXPECT_EQ(State(), 3);
  EXPECT_EQ(dlg->m_player.m_pGraph->m_pGraphBuilder.get(), nullptr);
  expectNothingStarted();

  dlg->StopPlayback();
  dlg->StopPlayback();
  dlg->OnBnClickedNext();
  commands();
  EXPECT_EQ(dlg->m_player.m_pGraph, nullptr);
  expectNothingStarted();
}

TEST_F(PlaybackControlTest, FailedOpenLeavesNothingOpenAndPlayTriesTheRowAgain) {
  AddRows(3);
  DoubleClick(0);
  TheWorld().position = 5000 * kMs;
  Tick();
  TheWorld().missingClasses = {"decoder"};
  dlg->OnBnClickedNext();
  EXPECT_EQ(dlg->m_nCurItem, 1);
  ExpectNothingOpen();

  TheWorld().missingClasses.clear();
  dlg->OnBnClickedPlay();  // the row is still selected; with no graph it is opened again
  EXPECT_EQ(State(), 0);
  EXPECT_EQ(Text(dlg->m_lblFileName), L"REC_1.avi");

  TheWorld().missingClasses = {"decoder"};
  DoubleClick(2);
  EXPECT_EQ(dlg->m_nCurItem, -1);
  ExpectNothingOpen();
}

TEST_F(PlaybackControlTest, LoaderThatWillNotEndBlocksNoMoreThanASecondAndChangesNothing) {
  AddRows(3);
  DoubleClick(0);
  StartStuckLoader();
  dlg->OnBnClickedNext();
  EXPECT_EQ(dlg->m_nCurItem, 0);
  DoubleClick(2);
  EXPECT_EQ(dlg->m_nCurItem, 0);
  dlg->StopPlayback();
  EXPECT_EQ(State(), 0);
  // The open itself refuses, whoever asks for it.
  EXPECT_FALSE(dlg->OpenVideoFile(L"/card/REC_2.avi"));
  EXPECT_EQ(Text(dlg->m_lblFileName), L"REC_0.avi");
  EXPECT_EQ(State(), 0);

  g_releaseLoader = true;
  dlg->OnBnClickedNext();
  EXPECT_EQ(dlg->m_nCurItem, 1);
  EXPECT_EQ(State(), 0);
}

TEST_F(PlaybackControlTest, SlidersApplyTheirOwnPositionForEveryMovingCode) {
  AddRows(1);
  DoubleClick(0);
  Slide(dlg->m_sliderSeek, 90000, TB_THUMBTRACK);  // past what 16 bits hold
  EXPECT_TRUE(TheWorld().Logged("SetPositions 900000000 1 0"));
  Slide(dlg->m_sliderSeek, 30000, TB_THUMBPOSITION);
  EXPECT_FALSE(TheWorld().Logged("SetPositions 300000000 1 0"));
  Slide(dlg->m_sliderSeek, 0, TB_TOP);
  EXPECT_TRUE(TheWorld().Logged("SetPositions 0 1 0"));

  Slide(dlg->m_sliderBrightness, -150, TB_BOTTOM);
  EXPECT_TRUE(TheWorld().Logged("put FFDShow Decoder1 202 -150"));
  EXPECT_TRUE(TheWorld().Logged("put FFDShow Decoder2 202 -150"));

  Slide(dlg->m_sliderSpeed, 7, TB_LINEDOWN);
  EXPECT_TRUE(TheWorld().Logged("SetRate 1.50"));
  dlg->OnBnClickedPlay();  // paused: the speed waits for the next resume
  TheWorld().log.clear();
  Slide(dlg->m_sliderSpeed, 9, TB_PAGEDOWN);
  EXPECT_EQ(TheWorld().Count("SetRate"), 0);
  dlg->OnBnClickedPlay();
  EXPECT_TRUE(TheWorld().Logged("SetRate 2.00"));
}

TEST_F(PlaybackControlTest, VolumeSliderAndMuteSetTheProgramVolume) {
  DWORD volume = 1;
  Slide(dlg->m_sliderVolume, 0, TB_THUMBTRACK);
  EXPECT_TRUE(Checked(IDC_BTN_MUTE));
  waveOutGetVolume(nullptr, &volume);
  EXPECT_EQ(volume, 0u);
  Slide(dlg->m_sliderVolume, 30, TB_LINEDOWN);
  EXPECT_FALSE(Checked(IDC_BTN_MUTE));
  waveOutGetVolume(nullptr, &volume);
  EXPECT_EQ(volume, 0x4CCC4CCCu);

  Click(IDC_BTN_MUTE);
  EXPECT_TRUE(Checked(IDC_BTN_MUTE));
  waveOutGetVolume(nullptr, &volume);
  EXPECT_EQ(volume, 0u);
  Click(IDC_BTN_MUTE);
  EXPECT_FALSE(Checked(IDC_BTN_MUTE));
  waveOutGetVolume(nullptr, &volume);
  EXPECT_EQ(volume, 0x4CCC4CCCu);
}

TEST_F(PlaybackControlTest, ViewsPlaceThePanesAndNeedARearCamera) {
  AddRows(2);
  DoubleClick(0);
  Click(IDC_BTN_ALL);
  EXPECT_EQ(dlg->m_nViewChannel, 4);
  EXPECT_EQ(PaneRect(dlg->m_wndVideo1), CRect(3, 175, 347, 369));
  EXPECT_EQ(PaneRect(dlg->m_wndVideo2), CRect(347, 175, 691, 369));
  EXPECT_TRUE(Checked(IDC_BTN_ALL));
  EXPECT_FALSE(Checked(IDC_BTN_FRONT));
  Click(IDC_BTN_REAR);
  EXPECT_FALSE(::IsWindowVisible(dlg->m_wndVideo1.GetSafeHwnd()));
  EXPECT_EQ(PaneRect(dlg->m_wndVideo2), CRect(3, 78, 691, 465));

  // The large map covers the panes of the normal window.
  dlg->m_nMapMode = MAP_MODE_LARGE;
  dlg->OnBnClickedAll();
  EXPECT_FALSE(::IsWindowVisible(dlg->m_wndVideo1.GetSafeHwnd()));
  EXPECT_FALSE(::IsWindowVisible(dlg->m_wndVideo2.GetSafeHwnd()));
  dlg->m_nMapMode = MAP_MODE_NONE;

  // The rear flip is remembered and sent again to the next two-camera recording.
  Click(IDC_BTN_ROTATE);
  EXPECT_EQ(dlg->m_bFlipV, 1);
  EXPECT_TRUE(TheWorld().Logged("put FFDShow Decoder2 1112 1"));
  TheWorld().log.clear();
  DoubleClick(1);
  EXPECT_TRUE(TheWorld().Logged("put FFDShow Decoder2 1101 1"));
  EXPECT_TRUE(TheWorld().Logged("put FFDShow Decoder2 1112 1"));
  EXPECT_EQ(dlg->m_nViewChannel, 4);

  // One camera: the front view, the flips cleared; Rear only unchecks itself.
  TheWorld().splitterPins = {MEDIATYPE_Video, MEDIATYPE_Audio};
  DoubleClick(0);
  EXPECT_EQ(dlg->m_nViewChannel, 1);
  EXPECT_EQ(dlg->m_bFlipV, 0);
  EXPECT_FALSE(Checked(IDC_BTN_ROTATE));
  dlg->m_btnRear.SetCheck(BST_CHECKED);
  dlg->OnBnClickedRear();
  EXPECT_FALSE(Checked(IDC_BTN_REAR));
  EXPECT_EQ(dlg->m_nViewChannel, 1);
  EXPECT_TRUE(::IsWindowVisible(dlg->m_wndVideo1.GetSafeHwnd()));
}

TEST_F(PlaybackControlTest, FlipsWhileStoppedUncheckAndReachNoDecoder) {
  dlg->m_btnRotate.SetCheck(BST_CHECKED);
  dlg->OnBnClickedRotate();
  dlg->m_btnReverse.SetCheck(BST_CHECKED);
  dlg->OnBnClickedReverse();
  EXPECT_FALSE(Checked(IDC_BTN_ROTATE));
  EXPECT_FALSE(Checked(IDC_BTN_REVERSE));
  EXPECT_EQ(TheWorld().Count("put"), 0);
  EXPECT_EQ(dlg->m_bFlipV + dlg->m_bFlipH, 0);
}

TEST_F(PlaybackControlTest, FullWindowPanesFollowTheClientArea) {
  AddRows(1);
  DoubleClick(0);
  dlg->m_nWindowMode = WINDOW_MODE_FULL;
  dlg->OnBnClickedAll();
  CRect client;
  dlg->GetClientRect(&client);
  int unit = std::min(client.Width() / 16, client.Height() / 9);
  int height = unit * 9 / 2;
  EXPECT_EQ(PaneRect(dlg->m_wndVideo1).Height(), height);
  EXPECT_EQ(PaneRect(dlg->m_wndVideo2).left, client.Width() / 2);
  dlg->m_nWindowMode = WINDOW_MODE_NORMAL;
}

TEST_F(PlaybackControlTest, StopHidesTheMapWithoutAsking) {
  AddRows(1);
  DoubleClick(0);
  dlg->m_nMapMode = MAP_MODE_SMALL;
  dlg->m_wndMap.MoveWindow(695, 466, 324, 197, TRUE);
  dlg->StopPlayback();
  EXPECT_EQ(dlg->m_nMapMode, MAP_MODE_NONE);
  EXPECT_TRUE(scripted.messageBoxes().empty());
  EXPECT_EQ(Rect(IDC_MAP).Width(), 0);
  EXPECT_EQ(Rect(IDC_LIST_FILES).Height(), 508);
  EXPECT_EQ(Rect(IDC_BTN_SHOWMAP).top, 639);
}

}  // namespace

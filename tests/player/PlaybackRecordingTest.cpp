// The transport of the main window on real pipelines and generated recordings: what the
// panes show, where playback stands, and how damaged or unusual recordings end.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "platform/base/UiDispatch.h"
#include "platform/win/ListView.h"
#include "platform/win/SliderCtrl.h"
#include "platform/win/VideoOverlay.h"
#include "tests/player/PlayerDlgFixture.h"
#include "tests/support/recording/PlayableAvi.h"

namespace {

struct Rgb {
  int r, g, b;
};

class PlaybackRecordingTest : public playertest::PlayerDlgFixture {
protected:
  // The real media classes, not the scripted ones.
  void Prepare() override { platform::RestoreAllMediaClasses(); }

  void SetUp() override {
    PlayerDlgFixture::SetUp();
    ASSERT_TRUE(created);
    dlg->m_strCardPath = CString(temp.path().c_str()) + L"/";
  }

  // A copy of a generated recording under the card, as row `row` of the list.
  std::string AddRow(int row, const testrec::PlayableSpec& spec) {
    std::string source = testrec::CachedPlayableAvi(spec);
    EXPECT_FALSE(source.empty());
    std::string path = temp.File("REC_" + std::to_string(row) + ".avi");
    std::filesystem::copy_file(source, path, std::filesystem::copy_options::overwrite_existing);
    AddPath(row, path);
    return path;
  }

  void AddPath(int row, const std::string& path) {
    CString wide = FileSystemToWide(path);
    dlg->m_listFiles.InsertItem(row, wide.Mid(wide.ReverseFind(L'/') + 1));
    dlg->m_listFiles.SetItemText(row, 4, wide);
  }

  static testrec::PlayableSpec Spec(int streams = 2, int seconds = 3, bool audio = true) {
    testrec::PlayableSpec spec;
    spec.videoStreams = streams;
    spec.seconds = seconds;
    spec.audio = audio;
    return spec;
  }


  // Runs the loop in real time (the streaming threads post their pictures to it).
  bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      platform::PumpUiThread(5);
      Pump();
    }
    return true;
  }

  void Tick() { harness.AdvanceTime(200); }

  // The centre of what the pane shows, once it shows anything.
  bool Shown(CWnd& pane, Rgb* colour = nullptr) {
    auto frame = platform::GetVideoOverlay(pane.GetSafeHwnd());
    if (!frame || frame->pixels.empty() || !::IsWindowVisible(pane.GetSafeHwnd())) return false;
    if (colour) {
      uint32_t p = frame->pixels[static_cast<size_t>(frame->height / 4) * frame->width + frame->width / 4];
      *colour = {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
    }
    return true;
  }

  ULONGLONG Position() { return dlg->m_player.GetPosition(); }
  CString Text(CWnd& wnd) {
    CString s;
    wnd.GetWindowText(s);
    return s;
  }
};

TEST_F(PlaybackRecordingTest, OpensPlaysAndShowsEachCameraInItsPane) {
  AddRow(0, Spec());
  DoubleClick(0);
  ASSERT_EQ(State(), 0);
  Rgb front{};
  ASSERT_TRUE(PumpUntil([&] { return Shown(dlg->m_wndVideo1, &front); }));
  EXPECT_NEAR(front.g, 128, 8);  // the front stream is mid-grey
  EXPECT_FALSE(::IsWindowVisible(dlg->m_wndVideo2.GetSafeHwnd()));
  EXPECT_TRUE(PumpUntil([&] { return Position() > 300; }));

  Click(IDC_BTN_REAR);
  Rgb rear{};
  ASSERT_TRUE(PumpUntil([&] { return Shown(dlg->m_wndVideo2, &rear); }));
  EXPECT_GT(rear.g, 100);  // the rear stream's top left is green
  EXPECT_LT(rear.r, 80);
  EXPECT_FALSE(::IsWindowVisible(dlg->m_wndVideo1.GetSafeHwnd()));

  Click(IDC_BTN_ALL);
  EXPECT_TRUE(PumpUntil([&] { return Shown(dlg->m_wndVideo1) && Shown(dlg->m_wndVideo2); }));
  CRect pane;
  platform::GetVideoOverlay(dlg->m_wndVideo2.GetSafeHwnd(), &pane);
  EXPECT_EQ(pane.Width(), 344);
}

TEST_F(PlaybackRecordingTest, ARecordingNamedInBytesThatAreNotUtf8PlaysWithItsSensorSamples) {
  const std::string path = temp.File("20240131_1015\xE9"
                                     "0_EVT_C2.AVI");
  std::filesystem::copy_file(testrec::CachedPlayableAvi(Spec()), path);
  AddPath(0, path);
  DoubleClick(0);
  ASSERT_EQ(State(), 0);
  EXPECT_TRUE(PumpUntil([&] { return Shown(dlg->m_wndVideo1); }));
  EXPECT_TRUE(PumpUntil([&] {
    CSingleLock lock(&dlg->m_csData, TRUE);
    return dlg->m_textData.m_arrGPS.GetSize() > 0;
  }));
}

TEST_F(PlaybackRecordingTest, SeekAndStepsMoveThePausedPicture) {
  AddRow(0, Spec());
  DoubleClick(0);
  dlg->OnBnClickedPlay();
  ASSERT_EQ(State(), 1);
  dlg->m_sliderSeek.SetPos(2000);
  dlg->PostMessage(WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 2000),
                   reinterpret_cast<LPARAM>(dlg->m_sliderSeek.GetSafeHwnd()));
  Pump();
  EXPECT_TRUE(PumpUntil([&] { return Position() == 2000; }));
  Tick();
  EXPECT_EQ(Text(dlg->m_lblElapsed), L"00:00:02");
  EXPECT_EQ(Text(dlg->m_lblDuration), L"00:00:03");

  dlg->OnBnClickedRewind();
  EXPECT_EQ(Position(), 1000u);
  EXPECT_EQ(dlg->m_sliderSeek.GetPos(), 1000);
  dlg->OnBnClickedForward();
  dlg->OnBnClickedForward();
  EXPECT_NEAR(static_cast<double>(Position()), static_cast<double>(dlg->m_player.GetDuration()), 100.0);
  EXPECT_EQ(State(), 1);  // paused at the end: no move to another row
}

TEST_F(PlaybackRecordingTest, EndOfEachRecordingPlaysTheNextThenStops) {
  AddRow(0, Spec(2, 1));
  AddRow(1, Spec(1, 1, false));  // one camera, no sound
  DoubleClick(0);
  ASSERT_TRUE(PumpUntil(
      [&] {
        Tick();
        return dlg->m_nCurItem == 1;
      },
      8000));
  EXPECT_EQ(State(), 0);
  EXPECT_EQ(dlg->m_nViewChannel, 1);
  EXPECT_FALSE(Enabled(IDC_BTN_REAR));
  EXPECT_TRUE(PumpUntil([&] { return Shown(dlg->m_wndVideo1); }));
  ASSERT_TRUE(PumpUntil(
      [&] {
        Tick();
        return dlg->m_nCurItem == -1;
      },
      8000));
  EXPECT_EQ(dlg->m_player.m_pGraph, nullptr);
  EXPECT_EQ(Text(dlg->m_lblFileName), L"");
}

TEST_F(PlaybackRecordingTest, DamagedRecordingsEndInAUsableState) {
  std::string notVideo = temp.File("REC_0.avi");
  FILE* f = fopen(notVideo.c_str(), "wb");
  fputs("RIFF....AVI not a recording", f);
  fclose(f);
  AddPath(0, notVideo);
  std::string cut = AddRow(1, Spec(2, 3));
  std::filesystem::resize_file(cut, std::filesystem::file_size(cut) / 2);
  AddRow(2, Spec(2, 1));

  DoubleClick(0);
  EXPECT_EQ(dlg->m_nCurItem, -1);
  EXPECT_EQ(dlg->m_player.m_pGraph, nullptr);
  EXPECT_FALSE(Enabled(IDC_BTN_PLAY));

  // Cut off in the middle: plays what is there, then the next row.
  DoubleClick(1);
  ASSERT_EQ(State(), 0);
  ASSERT_TRUE(PumpUntil(
      [&] {
        Tick();
        return dlg->m_nCurItem == 2;
      },
      8000));
  EXPECT_EQ(State(), 0);
}

TEST_F(PlaybackRecordingTest, CardPulledWhilePlayingResetsTheWindow) {
  std::string path = AddRow(0, Spec(2, 3));
  DoubleClick(0);
  ASSERT_TRUE(PumpUntil([&] { return Position() > 200; }));
  std::filesystem::resize_file(path, 0);
  std::filesystem::remove(path);
  for (int i = 0; i < 5; ++i) {
    Tick();
    PumpUntil([] { return false; }, 100);
  }
  // The shell tells the window that the card's drive went.
  auto t0 = std::chrono::steady_clock::now();
  DriveRemoved(dlg->m_strCardPath);
  EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(2));
  EXPECT_EQ(dlg->m_player.m_pGraph, nullptr);
  EXPECT_EQ(dlg->m_nCurItem, -1);
  EXPECT_EQ(Text(dlg->m_lblElapsed), L"00:00:00");
  EXPECT_TRUE(dlg->m_strCardPath.IsEmpty());
  EXPECT_EQ(dlg->m_listFiles.GetItemCount(), 0);
  EXPECT_FALSE(Enabled(IDC_BTN_PLAY));
  EXPECT_FALSE(::IsWindowVisible(dlg->m_wndVideo1.GetSafeHwnd()));
}

}  // namespace

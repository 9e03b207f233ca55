// The playback graph and the facade on real pipelines, with generated recordings and a
// fake sound sink.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "media/AviTextReader.h"
#include "media/DShowPlayer.h"
#include "platform/base/UiDispatch.h"
#include "platform/media/MediaDiagnostics.h"
#include "platform/media/Volume.h"
#include "platform/win/Window.h"
#include "platform/win/VideoOverlay.h"
#include "tests/support/recording/PlayableAvi.h"

namespace {


bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    platform::PumpUiThread(5);
  }
  return true;
}

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

struct Pixel {
  int r, g, b;
};

// A captured still: its size and its top-down B, G, R, x rows.
struct Still {
  int width = 0;
  int height = 0;
  std::vector<BYTE> bits;
  Pixel At(int x, int y) const {
    const BYTE* p = bits.data() + (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 4;
    return {p[2], p[1], p[0]};
  }
};

Still PixelsOf(CBitmap& bitmap) {
  BITMAP info;
  Still still;
  if (!bitmap.GetSafeHandle() || !bitmap.GetBitmap(&info)) return still;
  still.width = info.bmWidth;
  still.height = info.bmHeight;
  still.bits.resize(static_cast<size_t>(info.bmWidthBytes) * static_cast<size_t>(info.bmHeight));
  bitmap.GetBitmapBits(static_cast<DWORD>(still.bits.size()), still.bits.data());
  return still;
}

class DShowPlaybackTest : public ::testing::Test {
protected:
  void SetUp() override {
    m_front = CreateWindowEx(0, L"VideoPane", L"Video window1", WS_POPUP | WS_VISIBLE, 0, 0, 344, 194, nullptr, nullptr,
                             nullptr);
    m_rear = CreateWindowEx(0, L"VideoPane", L"Video window2", WS_POPUP | WS_VISIBLE, 344, 0, 344, 194, nullptr,
                            nullptr, nullptr);
    m_player.Init(m_front, m_rear);
  }
  void TearDown() override {
    m_player.Close();
    platform::PumpUiThread(0);
    DestroyWindow(m_front);
    DestroyWindow(m_rear);
  }

  static std::string Recording(int videoStreams, bool audio = true) {
    testrec::PlayableSpec spec;
    spec.videoStreams = videoStreams;
    spec.audio = audio;
    return testrec::CachedPlayableAvi(spec);
  }

  bool Open(const std::string& path) { return m_player.Open(Wide(path).c_str()) == 1; }

  // The picture of a pane once the first frame has arrived.
  Still Capture(int index) {
    Still still;
    PumpUntil([&] {
      CBitmap bitmap;
      if (m_player.CaptureImage(index, bitmap) != 1) return false;
      still = PixelsOf(bitmap);
      return true;
    });
    return still;
  }

  HWND m_front = nullptr;
  HWND m_rear = nullptr;
  CDShowPlayer m_player;
};

TEST_F(DShowPlaybackTest, OpensTwoStreamRecordingWithSensorStream) {
  std::string path = Recording(2);
  ASSERT_FALSE(path.empty());
  ASSERT_TRUE(Open(path));
  CDShowGraph* graph = m_player.m_pGraph.get();
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(graph->m_nVideoStreams, 2);
  EXPECT_EQ(graph->PlayState, 2);
  EXPECT_NE(graph->m_pAudioRenderer.get(), nullptr);
  EXPECT_NEAR(static_cast<double>(m_player.GetDuration()), 3000.0, 50.0);

  Still front = Capture(0);
  ASSERT_EQ(front.width, 320);
  ASSERT_EQ(front.height, 240);
  Pixel grey = front.At(160, 120);
  EXPECT_NEAR(grey.r, 128, 6);
  EXPECT_NEAR(grey.g, 128, 6);
  Still rear = Capture(1);
  Pixel topLeft = rear.At(10, 10);
  EXPECT_GT(topLeft.g, 100);
  EXPECT_LT(topLeft.r, 60);
  EXPECT_GT(rear.At(10, 230).b, 150);

  // The sensor chunks written beside the video stay readable.
  CTextData data;
  std::atomic<BYTE> stop{0};
  CCriticalSection cs;
  CAviTextReader reader(&data, 0, &stop, &cs);
  EXPECT_EQ(reader.ReadTextData(CString(Wide(path).c_str())), 0);
  ASSERT_GT(data.m_arrGPS.GetSize(), 0);
  EXPECT_EQ(data.m_arrGPS[data.m_arrGPS.GetSize() - 1].m_dSpeed, 43.0);  // the fourth second's sample
}

// The panes show 344 x 194; a still is the recording's own 320 x 240 once the panes have
// painted, paused and playing, and when playing on after a seek has flushed the renderer.
TEST_F(DShowPlaybackTest, StillsKeepTheRecordingsSizeWhateverThePaneShows) {
  ASSERT_TRUE(Open(Recording(2)));
  ASSERT_TRUE(PumpUntil([&] { return platform::GetVideoOverlay(m_front) && platform::GetVideoOverlay(m_rear); }));
  auto expectNative = [&](const char* when) {
    for (int index : {0, 1}) {
      Still still = Capture(index);
      EXPECT_EQ(still.width, 320) << when << ", pane " << index;
      EXPECT_EQ(still.height, 240) << when << ", pane " << index;
    }
    EXPECT_EQ(platform::GetVideoOverlay(m_front)->width, 344) << when;
  };
  m_player.m_pGraph->Pause();
  expectNative("paused");
  ASSERT_EQ(m_player.Play(), 1);
  std::uint64_t shown = platform::RenderedFrameCount(m_player.m_pGraph->m_pRenderer1.get());
  ASSERT_TRUE(
      PumpUntil([&] { return platform::RenderedFrameCount(m_player.m_pGraph->m_pRenderer1.get()) > shown + 3; }));
  expectNative("playing");
  m_player.m_pGraph->Pause();
  m_player.Seek(1200);
  ASSERT_EQ(m_player.Play(), 1);
  shown = platform::RenderedFrameCount(m_player.m_pGraph->m_pRenderer1.get());
  ASSERT_TRUE(
      PumpUntil([&] { return platform::RenderedFrameCount(m_player.m_pGraph->m_pRenderer1.get()) > shown + 3; }));
  expectNative("after a seek");
}

TEST_F(DShowPlaybackTest, OneStreamRecordingHasNoRearPicture) {
  ASSERT_TRUE(Open(Recording(1)));
  EXPECT_EQ(m_player.m_pGraph->m_nVideoStreams, 1);
  Capture(0);
  CBitmap rear;
  EXPECT_EQ(m_player.CaptureImage(1, rear), 0);
  EXPECT_EQ(rear.GetSafeHandle(), nullptr);
}

TEST_F(DShowPlaybackTest, RunsToTheEndAndRestartsFromZero) {
  ASSERT_TRUE(Open(Recording(2)));
  CDShowGraph* graph = m_player.m_pGraph.get();
  ASSERT_EQ(graph->Pause(), S_OK);
  m_player.Seek(2500);
  EXPECT_EQ(m_player.GetPosition(), 2500u);
  ASSERT_EQ(m_player.Play(), 1);
  // At the end of the stream the position reads as exactly the duration (in 100-ns units;
  // the last frames may still be running when the millisecond figures first meet).
  LONGLONG position = 0, duration = 0;
  ASSERT_TRUE(PumpUntil([&] {
    graph->GetCurrentPosition(&position);
    graph->GetDuration(&duration);
    return position == duration;
  }));
  graph->Pause();
  ASSERT_EQ(graph->Run(), S_OK);
  EXPECT_LT(m_player.GetPosition(), 500u);
}

TEST_F(DShowPlaybackTest, SeeksAndStepsWhilePaused) {
  ASSERT_TRUE(Open(Recording(2)));
  CDShowGraph* graph = m_player.m_pGraph.get();
  EXPECT_EQ(m_player.StepForward(1.0), 0);  // stopped: refused
  graph->Pause();
  EXPECT_EQ(m_player.Seek(1500), 1);
  EXPECT_EQ(m_player.GetPosition(), 1500u);
  EXPECT_EQ(m_player.StepForward(1.0), 1);
  EXPECT_EQ(m_player.GetPosition(), 2500u);
  EXPECT_EQ(m_player.StepForward(1.0), 1);
  EXPECT_EQ(m_player.GetPosition(), m_player.GetDuration());
  EXPECT_EQ(m_player.StepBackward(10.0), 1);
  EXPECT_EQ(m_player.GetPosition(), 0u);
}

TEST_F(DShowPlaybackTest, RateChangesHowFastMediaTimeRuns) {
  for (float rate : {2.0f, 0.5f}) {
    ASSERT_TRUE(Open(Recording(2)));
    m_player.m_pGraph->Pause();
    m_player.m_pGraph->m_fRate = rate;
    ASSERT_EQ(m_player.Play(), 1);
    // Measured from the first moment media time runs, however long a busy machine takes to start.
    ASSERT_TRUE(PumpUntil([&] { return m_player.GetPosition() > 0; }, 60000)) << "rate " << rate;
    ULONGLONG start = m_player.GetPosition();
    auto t0 = std::chrono::steady_clock::now();
    PumpUntil([] { return false; }, 1000);
    double wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    double mediaMs = static_cast<double>(m_player.GetPosition() - start);
    // Loose bounds: a busy machine stretches wall time, never the rate's direction.
    if (rate > 1.0f) EXPECT_GT(mediaMs / wallMs, 1.2) << "rate " << rate;
    else EXPECT_LT(mediaMs / wallMs, 0.8) << "rate " << rate;
    EXPECT_GT(mediaMs, 0.0);
  }
}

// The rear picture: green top left, red top right, blue bottom half. Each flip on its own
// moves the corners its own way, and both together turn the picture round.
TEST_F(DShowPlaybackTest, BrightnessAndFlipsShowInTheNextPictures) {
  auto put = [](IBaseFilter* decoder, int id, int value) {
    IDecoderParameters* params = nullptr;
    ASSERT_EQ(decoder->QueryInterface(IID_IDecoderParameters, reinterpret_cast<void**>(&params)), S_OK);
    params->put(id, value);
    params->Release();
  };
  struct Case {
    int vertical, horizontal;
    bool greenAt[4];  // top left, top right, bottom left, bottom right
    bool blueOnTop;
  };
  const Case cases[] = {{1, 0, {false, false, true, false}, true},
                        {0, 1, {false, true, false, false}, false},
                        {1, 1, {false, false, false, true}, true}};
  for (const Case& c : cases) {
    ASSERT_TRUE(Open(Recording(2)));
    CDShowGraph* graph = m_player.m_pGraph.get();
    put(graph->m_pDecoder1.get(), DECODER_BRIGHTNESS_ON, 1);
    put(graph->m_pDecoder1.get(), DECODER_BRIGHTNESS, 50);
    put(graph->m_pDecoder2.get(), DECODER_FLIP_ON, 1);
    put(graph->m_pDecoder2.get(), DECODER_FLIP_VERTICAL, c.vertical);
    put(graph->m_pDecoder2.get(), DECODER_FLIP_HORIZONTAL, c.horizontal);
    graph->Pause();
    auto frames = [&] {
      return std::min(platform::RenderedFrameCount(graph->m_pRenderer1.get()),
                      platform::RenderedFrameCount(graph->m_pRenderer2.get()));
    };
    PumpUntil([&] { return frames() > 0; });
    std::uint64_t before = frames();
    m_player.Seek(1000);  // pictures decoded after the change
    ASSERT_TRUE(PumpUntil([&] { return frames() > before; }));
    EXPECT_GT(Capture(0).At(160, 120).g, 170);
    Still rear = Capture(1);
    const int xs[4] = {10, 310, 10, 310}, ys[4] = {10, 10, 230, 230};
    for (int i = 0; i < 4; ++i) {
      Pixel p = rear.At(xs[i], ys[i]);
      if (c.greenAt[i]) EXPECT_GT(p.g, 100) << "flips " << c.vertical << c.horizontal << " corner " << i;
      else EXPECT_LT(p.g, 100) << "flips " << c.vertical << c.horizontal << " corner " << i;
    }
    EXPECT_EQ(rear.At(160, 10).b > 150, c.blueOnTop) << "flips " << c.vertical << c.horizontal;
  }
}

TEST_F(DShowPlaybackTest, FramesReachThePaneOverlay) {
  ASSERT_TRUE(Open(Recording(2)));
  ASSERT_TRUE(PumpUntil([&] { return platform::GetVideoOverlay(m_front) && platform::GetVideoOverlay(m_rear); }));
  CRect dest;
  auto frame = platform::GetVideoOverlay(m_front, &dest);
  EXPECT_EQ(dest, CRect(0, 0, 344, 194));
  EXPECT_EQ(frame->width, 344);  // converted at the size it is shown
  EXPECT_EQ(frame->height, 194);
  m_player.Close();
  EXPECT_EQ(platform::GetVideoOverlay(m_front), nullptr);

  // A resized pane gets pictures of its new size after UpdateVideoWindows.
  ASSERT_TRUE(Open(Recording(2)));
  MoveWindow(m_front, 0, 0, 172, 97, FALSE);
  m_player.m_pGraph->UpdateVideoWindows();
  ASSERT_TRUE(PumpUntil([&] {
    auto f = platform::GetVideoOverlay(m_front, &dest);
    return f && f->width == 172;
  }));
  EXPECT_EQ(dest, CRect(0, 0, 172, 97));
}

TEST_F(DShowPlaybackTest, ClosingWhilePlayingLeavesNoPipeline) {
  int before = platform::LiveMediaPipelines();
  ASSERT_TRUE(Open(Recording(2)));
  m_player.m_pGraph->Pause();
  m_player.Play();
  platform::PumpUiThread(150);
  ASSERT_TRUE(Open(Recording(1)));  // the running graph goes first
  EXPECT_EQ(platform::LiveMediaPipelines(), before + 1);
  m_player.Close();
  EXPECT_EQ(platform::LiveMediaPipelines(), before);
}

// The level that reaches the sound output: -301 is half the power, 0 from the player is
// silence, and the program's own volume multiplies whatever the graph asks.
TEST_F(DShowPlaybackTest, VolumeReachesTheSoundOutput) {
  ASSERT_TRUE(Open(Recording(2)));
  IBaseFilter* audio = m_player.m_pGraph->m_pAudioRenderer.get();
  ASSERT_NE(audio, nullptr);
  EXPECT_EQ(m_player.SetDefaultVolume(), 1);
  EXPECT_NEAR(platform::SoundOutputLevel(audio), 0.7063, 0.001);
  platform::SetProgramVolume(0.5);
  EXPECT_NEAR(platform::SoundOutputLevel(audio), 0.3532, 0.001);
  platform::SetProgramVolume(1.0);
  EXPECT_EQ(m_player.m_pGraph->SetVolume(0), S_OK);
  EXPECT_EQ(platform::SoundOutputLevel(audio), 0.0);
  EXPECT_EQ(m_player.Play(), 1);
  EXPECT_EQ(platform::SoundOutputLevel(audio), 0.0);
}

}  // namespace

// Recordings that cannot be played, or only in part: the open fails or plays what it can,
// and never hangs or crashes.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <cstring>

#include "media/DShowPlayer.h"
#include "platform/base/UiDispatch.h"
#include "tests/support/TempDir.h"
#include "tests/support/recording/PlayableAvi.h"
#include "tests/support/recording/RiffWriter.h"

namespace {

// A hang, not a speed: each wait of an open is bounded at a few seconds, so an open still
// running after this long is stuck, whatever the machine's load.
constexpr double kHungOpenMs = 60000.0;

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class DShowBadInputTest : public ::testing::Test {
protected:
  void SetUp() override { m_player.Init(reinterpret_cast<HWND>(0x2001), reinterpret_cast<HWND>(0x2002)); }
  void TearDown() override { platform::PumpUiThread(0); }

  int OpenTimed(const std::string& path, double* ms) {
    auto t0 = std::chrono::steady_clock::now();
    int r = m_player.Open(Wide(path).c_str());
    *ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    return r;
  }

  std::string TwoStreams() {
    testrec::PlayableSpec spec;
    return testrec::CachedPlayableAvi(spec);
  }

  testsupport::TempDir m_dir;
  CDShowPlayer m_player;
};

TEST_F(DShowBadInputTest, FilesThatAreNotRecordingsFailTheOpen) {
  double ms = 0;
  EXPECT_EQ(OpenTimed(m_dir.File("missing.avi"), &ms), 0);
  EXPECT_EQ(m_player.m_pGraph, nullptr);

  std::string text = m_dir.File("text.avi");
  testrec::WriteBytes(text, std::string(4096, 'x'));
  EXPECT_EQ(OpenTimed(text, &ms), 0);
  EXPECT_EQ(m_player.m_pGraph, nullptr);

  EXPECT_EQ(OpenTimed(m_dir.path(), &ms), 0);  // a folder

  // After a failed open every call answers as without a graph.
  EXPECT_EQ(m_player.Play(), 1);
  EXPECT_EQ(m_player.Seek(1000), 1);
  EXPECT_EQ(m_player.SetRate(2.0f), 0);
  EXPECT_EQ(m_player.StepForward(1.0), 0);
  EXPECT_EQ(m_player.GetPosition(), 0u);
  CBitmap image;
  EXPECT_EQ(m_player.CaptureImage(0, image), 0);
}

TEST_F(DShowBadInputTest, RecordingWithoutVideoFailsTheOpen) {
  testrec::PlayableSpec spec;
  spec.videoStreams = 0;
  std::string path = testrec::CachedPlayableAvi(spec);
  ASSERT_FALSE(path.empty());
  double ms = 0;
  EXPECT_EQ(OpenTimed(path, &ms), 0);
  EXPECT_EQ(m_player.m_pGraph, nullptr);
}

TEST_F(DShowBadInputTest, RecordingWithoutSoundPlaysSilently) {
  testrec::PlayableSpec spec;
  spec.audio = false;
  double ms = 0;
  ASSERT_EQ(OpenTimed(testrec::CachedPlayableAvi(spec), &ms), 1);
  EXPECT_EQ(m_player.m_pGraph->m_nVideoStreams, 2);
  m_player.m_pGraph->Pause();
  EXPECT_EQ(m_player.Play(), 1);
}

TEST_F(DShowBadInputTest, CutOffRecordingPlaysWhatItHas) {
  std::string whole = ReadAll(TwoStreams());
  std::string cut = m_dir.File("cut.avi");
  testrec::WriteBytes(cut, whole.substr(0, whole.size() / 2));
  double ms = 0;
  int opened = OpenTimed(cut, &ms);
  EXPECT_LT(ms, kHungOpenMs);
  if (opened) {
    m_player.m_pGraph->Pause();
    EXPECT_EQ(m_player.Play(), 1);
    platform::PumpUiThread(300);
    m_player.Seek(2900);
    m_player.GetPosition();
  }
  m_player.Close();
}

TEST_F(DShowBadInputTest, CorruptVideoDataDoesNotHang) {
  std::string bytes = ReadAll(TwoStreams());
  for (size_t at = bytes.size() / 3; at < bytes.size() * 2 / 3; at += 97) bytes[at] = static_cast<char>(at * 31);
  std::string corrupt = m_dir.File("corrupt.avi");
  testrec::WriteBytes(corrupt, bytes);
  double ms = 0;
  int opened = OpenTimed(corrupt, &ms);
  EXPECT_LT(ms, kHungOpenMs);
  if (opened) {
    m_player.m_pGraph->Pause();
    m_player.Play();
    platform::PumpUiThread(300);
    m_player.StepForward(1.0);
  }
  m_player.Close();
}

// A picture width of 0 in the video format: the streams are found, but the graph never
// gets ready. The open fails and leaves no graph, rather than opening one that plays nothing.
TEST_F(DShowBadInputTest, GraphThatNeverGetsReadyFailsTheOpen) {
  std::string bytes = ReadAll(TwoStreams());
  size_t format = bytes.find("strf");
  ASSERT_NE(format, std::string::npos);
  const uint32_t zero = 0;
  std::memcpy(&bytes[format + 8 + 4], &zero, 4);
  std::string damaged = m_dir.File("width-zero.avi");
  testrec::WriteBytes(damaged, bytes);
  double ms = 0;
  EXPECT_EQ(OpenTimed(damaged, &ms), 0);
  EXPECT_EQ(m_player.m_pGraph, nullptr);

  // The graph on its own: the build fails, and a seek the pipeline refuses is a failure.
  CDShowGraph graph(2, reinterpret_cast<HWND>(0x2001), reinterpret_cast<HWND>(0x2002));
  graph.ResetState(0);
  EXPECT_LT(graph.OpenFile(Wide(damaged).c_str()), 0);
  ASSERT_NE(graph.m_pGraphBuilder.get(), nullptr);
  EXPECT_LT(graph.SetPosition(10000000), 0);
  graph.TearDown();
}

TEST_F(DShowBadInputTest, LongPathIsNotTruncated) {
  std::string folder = m_dir.path();
  for (int i = 0; i < 6; ++i) folder += "/" + std::string(60, static_cast<char>('a' + i));
  std::filesystem::create_directories(folder);
  std::string path = folder + "/recording.avi";
  std::filesystem::copy_file(TwoStreams(), path);
  ASSERT_GT(path.size(), 300u);
  double ms = 0;
  ASSERT_EQ(OpenTimed(path, &ms), 1);
  EXPECT_EQ(m_player.m_pGraph->m_szFileName, CString(Wide(path).c_str()));
}

}  // namespace

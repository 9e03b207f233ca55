// The splitter with the distribution's converter over generated two-camera recordings.
#include <gtest/gtest.h>
#include <signal.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <atomic>
#include <thread>

#include "platform/shell/Process.h"
#include "tests/dialogs/SplitTestSupport.h"
#include "tests/support/recording/PlayableAvi.h"

namespace {

using namespace splittest;

const char kName[] = "20240101_120000_NOR2.AVI";
const char kStem[] = "20240101_120000_NOR2";

std::string Run(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  pclose(pipe);
  return out;
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// "video,audio," for a file with one video and one sound stream.
std::string StreamKinds(const std::string& path) {
  std::string out = Run("ffprobe -v error -show_entries stream=codec_type -of csv=p=0 " + Quoted(path));
  for (char& c : out)
    if (c == '\n') c = ',';
  return out;
}

double Duration(const std::string& path) {
  return std::atof(Run("ffprobe -v error -show_entries format=duration -of csv=p=0 " + Quoted(path)).c_str());
}

// A digest of one stream's packets, to tell which camera a file holds.
std::string StreamDigest(const std::string& path, const char* stream) {
  return Run("ffmpeg -nostdin -v error -i " + Quoted(path) + " -map " + stream + " -c copy -f md5 -");
}

class SplitDlgConverterTest : public SplitDlgTest {
protected:
  void SetUp() override {
    SplitDlgTest::SetUp();
    source = card.File(kName);
  }
  void Make(const testrec::PlayableSpec& spec) {
    std::string made = testrec::CachedPlayableAvi(spec);
    ASSERT_FALSE(made.empty());
    std::filesystem::copy_file(made, source);
  }
  // Writes the recording, lists it checked and starts both conversions.
  void SplitBoth(const testrec::PlayableSpec& spec, CSplitDlg& dlg) {
    Make(spec);
    AddRow(kName, source, true);
    before = ReadAll(source);
    Start(dlg, {IDC_SPLIT_FRONT, IDC_SPLIT_REAR});
  }
  std::string source;
  std::string before;  // the recording's bytes before the split
};

TEST_F(SplitDlgConverterTest, BothCamerasComeOutWithTheSoundAndTheSourcesLength) {
  testrec::PlayableSpec spec;
  spec.seconds = 4;
  CSplitDlg dlg(list);
  SplitBoth(spec, dlg);
  ASSERT_TRUE(dlg.m_hFront && dlg.m_hRear);
  ASSERT_TRUE(PollUntil([&] { return dlg.m_nState == CSplitDlg::STATE_FINISHED; }));

  std::string front = Output(kStem, "Front"), rear = Output(kStem, "Rear");
  EXPECT_EQ(StreamKinds(front), "video,audio,");
  EXPECT_EQ(StreamKinds(rear), "video,audio,");
  double length = Duration(source);
  ASSERT_GT(length, 3.5);
  EXPECT_NEAR(Duration(front), length, 0.25);
  EXPECT_NEAR(Duration(rear), length, 0.25);
  std::string frontVideo = StreamDigest(source, "0:0"), rearVideo = StreamDigest(source, "0:1");
  ASSERT_NE(frontVideo, rearVideo);
  EXPECT_EQ(StreamDigest(front, "0:v"), frontVideo);
  EXPECT_EQ(StreamDigest(rear, "0:v"), rearVideo);
  EXPECT_EQ(StreamDigest(front, "0:a"), StreamDigest(source, "0:2"));
  EXPECT_TRUE(ReadAll(source) == before);
}

// A rear camera unplugged: a one-camera recording whose name says two. Both conversions
// fail; the user is told about both cameras and nothing is left in the output folder.
TEST_F(SplitDlgConverterTest, AOneCameraRecordingNamedAsTwoCameraIsToldAndLeavesNothing) {
  testrec::PlayableSpec spec;
  spec.videoStreams = 1;
  CSplitDlg dlg(list);
  SplitBoth(spec, dlg);
  ASSERT_TRUE(dlg.m_hFront && dlg.m_hRear);
  dialogs.MessageBoxAnswer(IDOK);
  ASSERT_TRUE(PollUntil([&] { return !dialogs.messageBoxes().empty(); }));
  EXPECT_EQ(OnlyMessage(), L"Can't split the front video.\nCan't split the rear video.");
  EXPECT_EQ(dlg.m_nState, CSplitDlg::STATE_IDLE);
  EXPECT_FALSE(dlg.m_progress.IsWindowVisible());
  EXPECT_TRUE(std::filesystem::is_empty(documents.File("RODEMIR")));
  EXPECT_TRUE(ReadAll(source) == before);
  Press(dlg, IDCANCEL);
  EXPECT_FALSE(dlg.IsWindowVisible());
}

// The recording reaches the converter through a pipe, a little at a time, so the
// conversion is still running, its output begun, when Cancel comes.
TEST_F(SplitDlgConverterTest, CancelInTheMiddleLeavesNoOutputAndTheRecordingAsItWas) {
  // Past the 5 MB the converter reads before it starts to write.
  const size_t kProbeBytes = 5000000;
  testrec::PlayableSpec spec;
  spec.seconds = 15;
  spec.width = 640;
  spec.height = 480;
  spec.flat = false;
  Make(spec);
  std::string pipe = card.File("slow_NOR2.AVI");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  AddRow("slow_NOR2.AVI", pipe, true);
  before = ReadAll(source);
  auto oldPipeSignal = signal(SIGPIPE, SIG_IGN);
  std::atomic<size_t> fed{0};
  std::atomic<bool> stop{false};
  // Quickly up to where the converter starts to write, slowly after.
  std::thread feeder([&] {
    int fd = open(pipe.c_str(), O_WRONLY);
    while (fd >= 0 && !stop && fed < before.size()) {
      bool probing = fed < kProbeBytes;
      size_t chunk = std::min<size_t>(probing ? 64 * 1024 : 16 * 1024, before.size() - fed);
      ssize_t n = write(fd, before.data() + fed, chunk);
      if (n <= 0) break;
      fed += static_cast<size_t>(n);
      usleep(probing ? 10000 : 100000);
    }
    if (fd >= 0) close(fd);
  });

  CSplitDlg dlg(list);
  Start(dlg, {IDC_SPLIT_FRONT});
  ASSERT_NE(dlg.m_hFront, nullptr);
  DWORD pid = GetProcessId(dlg.m_hFront);
  std::string output = Output("slow_NOR2", "Front");
  struct stat written {};
  EXPECT_TRUE(PollUntil([&] { return stat(output.c_str(), &written) == 0 && written.st_size > 0; }, 20));
  DWORD code = 0;
  GetExitCodeProcess(dlg.m_hFront, &code);
  EXPECT_EQ(code, STILL_ACTIVE);
  EXPECT_LT(fed.load(), before.size());
  EXPECT_EQ(dlg.m_nState, CSplitDlg::STATE_RUNNING);
  Press(dlg, IDCANCEL);
  EXPECT_TRUE(Ended(pid));
  EXPECT_FALSE(Exists(output));
  EXPECT_EQ(dlg.m_nState, CSplitDlg::STATE_IDLE);
  stop = true;
  feeder.join();
  signal(SIGPIPE, oldPipeSignal);
  EXPECT_TRUE(ReadAll(source) == before);
}

}  // namespace

// Plays a generated 30 s two-stream 1920x1080 recording into the renderers and prints
// open-to-first-frame latency, seek latency, frames delivered and CPU time, beside a
// gst-launch-1.0 pipeline that only decodes the same two streams.
//   playback_bench [recording.avi]   (made there when missing, else in a temporary folder)
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "media/DShowPlayer.h"
#include "platform/base/UiDispatch.h"
#include "platform/media/MediaDiagnostics.h"
#include "platform/win/Window.h"
#include "tests/support/recording/PlayableAvi.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

double CpuSeconds(const rusage& r) {
  return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
         static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

double SelfCpu() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return CpuSeconds(r);
}

// Runs the UI thread's work, asking `done` every `everyMs` (the player window asks the
// position five times a second).
bool PumpUntil(const std::function<bool()>& done, int timeoutMs, int everyMs = 1) {
  auto t0 = Clock::now();
  while (!done()) {
    if (MsSince(t0) > timeoutMs) return false;
    platform::PumpUiThread(everyMs);
  }
  return true;
}

// The longest single call the UI thread made into the player, and which one it was.
struct UiWait {
  double worstMs = 0;
  const char* worstCall = "none";
  template <typename F>
  auto operator()(const char* call, F&& f) {
    auto t0 = Clock::now();
    auto result = f();
    double ms = MsSince(t0);
    if (ms > worstMs) {
      worstMs = ms;
      worstCall = call;
    }
    return result;
  }
};

std::uint64_t Frames(CDShowPlayer& p) {
  return platform::RenderedFrameCount(p.m_pGraph->m_pRenderer1) + platform::RenderedFrameCount(p.m_pGraph->m_pRenderer2);
}

// The floor: demux and decode both video streams at rate 1, nothing else.
void Floor(const std::string& path) {
  std::string location = "location=" + path;
  const char* argv[] = {"gst-launch-1.0", "-q", "filesrc", location.c_str(), "!", "avidemux", "name=d",
                        "d.video_0", "!", "queue", "!", "h264parse", "!", "avdec_h264", "!", "fakesink", "sync=true",
                        "d.video_1", "!", "queue", "!", "h264parse", "!", "avdec_h264", "!", "fakesink", "sync=true",
                        nullptr};
  pid_t pid = 0;
  auto t0 = Clock::now();
  if (posix_spawnp(&pid, "gst-launch-1.0", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
    std::printf("floor: gst-launch-1.0 not found\n");
    return;
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  std::printf("floor (gst-launch-1.0 decode only): wall %.1f s, CPU %.2f s\n", MsSince(t0) / 1000.0, CpuSeconds(usage));
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IOLBF, 0);
  setenv("RODEMIR_AUDIO_SINK", "fakesink sync=true", 0);
  testrec::PlayableSpec spec;
  spec.seconds = 30;
  spec.width = 1920;
  spec.height = 1080;
  spec.flat = false;
  std::string path = argc > 1 ? argv[1] : "";
  if (path.empty() || !std::filesystem::exists(path)) {
    std::printf("encoding a 30 s two-stream 1920x1080 recording...\n");
    bool made = path.empty() ? !(path = testrec::CachedPlayableAvi(spec)).empty() : testrec::WritePlayableAvi(path, spec);
    if (!made) {
      std::printf("could not make the recording (is ffmpeg installed?)\n");
      return 1;
    }
  }

  // Panes of a typical size: pictures are converted at the size they are shown.
  setenv("RODEMIR_PRESENTER", "headless", 0);
  HWND front = CreateWindowEx(0, L"VideoPane", L"", WS_POPUP | WS_VISIBLE, 0, 0, 640, 360, nullptr, nullptr, nullptr);
  HWND rear = CreateWindowEx(0, L"VideoPane", L"", WS_POPUP | WS_VISIBLE, 640, 0, 640, 360, nullptr, nullptr, nullptr);
  CDShowPlayer player;
  player.Init(front, rear);
  // The program checks its decoders at start, which loads them; the open comes after.
  std::printf("decoder check: %d\n", player.CheckFilters());
  std::wstring wide(path.begin(), path.end());
  auto t0 = Clock::now();
  if (player.Open(wide.c_str()) != 1) {
    std::printf("open failed\n");
    return 1;
  }
  double openMs = MsSince(t0);
  PumpUntil([&] { return platform::RenderedFrameCount(player.m_pGraph->m_pRenderer1) > 0 &&
                         platform::RenderedFrameCount(player.m_pGraph->m_pRenderer2) > 0; }, 5000);
  double firstFrameMs = MsSince(t0);
  std::printf("open: %.1f ms, open to first frame of both panes: %.1f ms (target < 300)\n", openMs, firstFrameMs);

  std::uint64_t prerolled = Frames(player);
  double cpu0 = SelfCpu();
  auto play0 = Clock::now();
  player.m_pGraph->Pause();
  player.Play();
  PumpUntil([&] { return player.GetPosition() >= player.GetDuration(); }, 40000, 50);
  double playS = MsSince(play0) / 1000.0;
  double cpu = SelfCpu() - cpu0;
  std::uint64_t delivered = Frames(player) - prerolled;
  double expected = 2.0 * 30.0 * static_cast<double>(player.GetDuration()) / 1000.0;
  std::printf("playback at rate 1: wall %.1f s, frames delivered %llu of about %.0f expected, CPU %.2f s\n", playS,
              static_cast<unsigned long long>(delivered), expected, cpu);

  UiWait wait;
  player.m_pGraph->Pause();
  std::mt19937 random(7);
  std::uniform_int_distribution<int> where(0, static_cast<int>(player.GetDuration()) - 1000);
  double total = 0, worst = 0;
  for (int i = 0; i < 10; ++i) {
    std::uint64_t before = Frames(player);
    auto s0 = Clock::now();
    wait("seek", [&] { return player.Seek(where(random)); });
    PumpUntil([&] { return Frames(player) >= before + 2; }, 2000);
    double ms = MsSince(s0);
    total += ms;
    if (ms > worst) worst = ms;
  }
  std::printf("seek to a new picture in both panes (10 random, paused): mean %.1f ms, worst %.1f ms (target < 150)\n",
              total / 10, worst);

  // A slider drag while playing: a seek every 30 ms, the position read every 200 ms as the
  // window's timer does, then steps.
  wait("play", [&] { return player.Play(); });
  auto drag0 = Clock::now();
  double nextRead = 0;
  for (int i = 0; i < 40; ++i) {
    wait("seek while playing", [&] { return player.Seek(where(random)); });
    platform::PumpUiThread(30);
    if (MsSince(drag0) >= nextRead) {
      wait("position", [&] { return player.GetPosition(); });
      nextRead += 200;
    }
  }
  for (int i = 0; i < 10; ++i) {
    wait("step", [&] { return player.StepForward(1.0); });
    platform::PumpUiThread(50);
  }
  std::printf("worst UI-thread wait in one player call (seeks, steps, position, play): %.1f ms (%s)\n",
              wait.worstMs, wait.worstCall);
  player.Close();

  Floor(path);
  return 0;
}

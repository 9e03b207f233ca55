// Plays a generated 30 s two-stream 1920x1080 recording into the renderers and prints
// open-to-first-frame latency, seek latency, frames delivered and CPU time, beside a
// gst-launch-1.0 pipeline that only decodes the same two streams.
//   playback_bench [recording.avi]   (made there when missing, else in a temporary folder)
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "bench/support/Measures.h"
#include "bench/support/TwoCameraRecording.h"
#include "media/DShowPlayer.h"
#include "platform/base/UiDispatch.h"
#include "platform/media/MediaDiagnostics.h"
#include "platform/win/Window.h"

namespace {

using bench::Clock;
using bench::Ms;
using bench::PumpUntil;

// The longest single call the UI thread made into the player, and which one it was.
struct UiWait {
  double worstMs = 0;
  const char* worstCall = "none";
  template <typename F>
  auto operator()(const char* call, F&& f) {
    auto t0 = Clock::now();
    auto result = f();
    double ms = Ms(t0);
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
  double wallMs = 0;
  const double cpu = bench::RunFloor(bench::FloorCommand(path, false), &wallMs);
  if (cpu < 0) std::printf("floor: gst-launch-1.0 not found\n");
  else std::printf("floor (gst-launch-1.0 decode only): wall %.1f s, CPU %.2f s\n", wallMs / 1000.0, cpu);
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IOLBF, 0);
  setenv("RODEMIR_AUDIO_SINK", "fakesink sync=true", 0);
  std::string path = argc > 1 ? argv[1] : "";
  if (!bench::EnsureRecording(path, bench::TwoCameraSpec())) return 1;

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
  double openMs = Ms(t0);
  PumpUntil([&] { return platform::RenderedFrameCount(player.m_pGraph->m_pRenderer1) > 0 &&
                         platform::RenderedFrameCount(player.m_pGraph->m_pRenderer2) > 0; }, 5000);
  double firstFrameMs = Ms(t0);
  std::printf("open: %.1f ms, open to first frame of both panes: %.1f ms (target < 300)\n", openMs, firstFrameMs);

  std::uint64_t prerolled = Frames(player);
  double cpu0 = bench::SelfCpu();
  auto play0 = Clock::now();
  player.m_pGraph->Pause();
  player.Play();
  PumpUntil([&] { return player.GetPosition() >= player.GetDuration(); }, 40000, 50);
  double playS = Ms(play0) / 1000.0;
  double cpu = bench::SelfCpu() - cpu0;
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
    double ms = Ms(s0);
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
    if (Ms(drag0) >= nextRead) {
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

// Plays a generated 30 s two-stream 1920x1080 recording with sound into the renderers of two
// 640x360 panes and prints open-to-first-frame latency, seek latency, the longest wait of
// the UI thread in a player call, frames delivered, and CPU time beside a gst-launch-1.0
// pipeline that only decodes the same recording, three runs of each in turn. The program's
// CPU is that of all its threads from the open to the close after the end, as the floor's
// is from its start to its exit.
//   playback_bench [--smoke] [recording.avi]   (made there when missing, else in a temporary folder)
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "bench/support/Measures.h"
#include "bench/support/Rounds.h"
#include "bench/support/Smoke.h"
#include "bench/support/TwoCameraRecording.h"
#include "media/DShowPlayer.h"
#include "platform/base/UiDispatch.h"
#include "platform/media/MediaDiagnostics.h"
#include "platform/win/Timer.h"
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
  return platform::RenderedFrameCount(p.m_pGraph->m_pRenderer1.get()) +
         platform::RenderedFrameCount(p.m_pGraph->m_pRenderer2.get());
}

struct Amounts {
  int seeks = 10;
  int drag = 40;
  int steps = 10;
  int rounds = 3;
};

// Open, first frame, paused seeks, then a slider drag and steps while playing.
void Latencies(CDShowPlayer& player, const std::wstring& path, const Amounts& amounts) {
  auto t0 = Clock::now();
  if (player.Open(path.c_str()) != 1) {
    std::printf("open failed\n");
    return;
  }
  double openMs = Ms(t0);
  PumpUntil(
      [&] {
        return platform::RenderedFrameCount(player.m_pGraph->m_pRenderer1.get()) > 0 &&
               platform::RenderedFrameCount(player.m_pGraph->m_pRenderer2.get()) > 0;
      },
      5000);
  double firstFrameMs = Ms(t0);
  std::printf("open: %.1f ms, open to first frame of both panes: %.1f ms (target < 300)\n", openMs, firstFrameMs);

  UiWait wait;
  player.m_pGraph->Pause();
  std::mt19937 random(7);
  std::uniform_int_distribution<int> where(0, std::max(0, static_cast<int>(player.GetDuration()) - 1000));
  double total = 0, worst = 0;
  for (int i = 0; i < amounts.seeks; ++i) {
    std::uint64_t before = Frames(player);
    auto s0 = Clock::now();
    wait("seek", [&] { return player.Seek(where(random)); });
    PumpUntil([&] { return Frames(player) >= before + 2; }, 2000);
    double ms = Ms(s0);
    total += ms;
    if (ms > worst) worst = ms;
  }
  std::printf("seek to a new picture in both panes (%d random, paused): mean %.1f ms, worst %.1f ms (target < 150)\n",
              amounts.seeks, total / amounts.seeks, worst);

  // A slider drag while playing: a seek every 30 ms, the position read every 200 ms as the
  // window's timer does, then steps.
  wait("play", [&] { return player.Play(); });
  auto drag0 = Clock::now();
  double nextRead = 0;
  for (int i = 0; i < amounts.drag; ++i) {
    wait("seek while playing", [&] { return player.Seek(where(random)); });
    platform::PumpUiThread(30);
    if (Ms(drag0) >= nextRead) {
      wait("position", [&] { return player.GetPosition(); });
      nextRead += 200;
    }
  }
  for (int i = 0; i < amounts.steps; ++i) {
    wait("step", [&] { return player.StepForward(1.0); });
    platform::PumpUiThread(50);
  }
  std::printf("worst UI-thread wait in one player call (seeks, steps, position, play): %.1f ms (%s)\n", wait.worstMs,
              wait.worstCall);
  player.Close();
}

// From the open to the close after the end at rate 1; the CPU seconds of all threads, or -1
// when it would not open. `delivered` gets the frames the two renderers took.
double PlayThrough(CDShowPlayer& player, const std::wstring& path, std::uint64_t* delivered) {
  double cpu0 = bench::TreeCpuSeconds();
  if (player.Open(path.c_str()) != 1) return -1;
  player.Play();
  auto t0 = Clock::now();
  // The loop waits for work as the program's does; a timer wakes it to ask for the position,
  // as the window's does.
  UINT_PTR timer = SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR, DWORD) {});
  platform::detail::RunLoop([&] { return player.GetPosition() >= player.GetDuration() || Ms(t0) > 40000; });
  KillTimer(nullptr, timer);
  *delivered = Frames(player);
  player.Close();
  return bench::TreeCpuSeconds() - cpu0;
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IOLBF, 0);
  const bool smoke = bench::TakeSmoke(argc, argv);
  setenv("RODEMIR_AUDIO_SINK", "fakesink sync=true", 0);
  std::string path = argc > 1 ? argv[1] : "";
  testrec::PlayableSpec spec = bench::TwoCameraSpec();
  Amounts amounts;
  if (smoke) {
    spec.seconds = 2;
    spec.width = 640;
    spec.height = 360;
    amounts = Amounts{2, 5, 2, 1};
  }
  if (!bench::EnsureRecording(path, spec)) return 1;

  // Panes of a typical size: pictures are converted at the size they are shown.
  setenv("RODEMIR_PRESENTER", "headless", 0);
  HWND front = CreateWindowEx(0, L"VideoPane", L"", WS_POPUP | WS_VISIBLE, 0, 0, 640, 360, nullptr, nullptr, nullptr);
  HWND rear = CreateWindowEx(0, L"VideoPane", L"", WS_POPUP | WS_VISIBLE, 640, 0, 640, 360, nullptr, nullptr, nullptr);
  CDShowPlayer player;
  player.Init(front, rear);
  // The program checks its decoders at start, which loads them; the open comes after.
  std::printf("decoder check: %d\n", player.CheckFilters());
  std::wstring wide(path.begin(), path.end());
  Latencies(player, wide, amounts);

  bench::Rounds cpu;
  std::uint64_t fewest = 0;
  const std::string load = bench::MachineLoad();
  for (int round = 0; round < amounts.rounds; ++round) {
    std::uint64_t delivered = 0;
    cpu.Add("program", PlayThrough(player, wide, &delivered));
    fewest = round == 0 ? delivered : std::min(fewest, delivered);
    cpu.Add("decode floor", bench::RunAndTime(bench::FloorCommand(path, false)));
  }
  double expected = 2.0 * 30.0 * spec.seconds;
  std::printf("playback at rate 1: frames delivered %llu of about %.0f expected in the run that delivered fewest\n",
              static_cast<unsigned long long>(fewest), expected);
  std::printf("CPU from the open to the end, medians of %d runs of each in turn:\n", amounts.rounds);
  std::printf("  program: %s\n", cpu.Figure("program").c_str());
  std::printf("  decode floor (gst-launch-1.0, pictures and sound decoded): %s\n", cpu.Figure("decode floor").c_str());
  cpu.PrintRatio("program", "decode floor");
  std::printf("machine load: %s before, %s after\n", load.c_str(), bench::MachineLoad().c_str());
  return cpu.Has("program") ? 0 : 1;
}

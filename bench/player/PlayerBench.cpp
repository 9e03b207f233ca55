// Playback through the main window, with both cameras shown side by side, of a 30 s
// recording as a car recorder writes it: two 1920x1080 30 fps H.264 streams of 8.2 Mb/s
// with a camera's grain, plus AAC sound. Frames are counted where the panes show them.
//   player_bench [--smoke] [RECORDING]  latencies, tick, frames shown, and CPU beside two
//                                       floors and a peer player, three runs of each in turn
//   player_bench --play RECORDING       only plays it to the end (for an outside timer)
//   player_bench --floors RECORDING     prints the floor and peer command lines
// The program's CPU is that of all its threads and child processes from the double-click to
// the graph closed at the end, as a floor's is from its start to its exit. The recording is
// made at RECORDING when missing (ffmpeg). Run under Xvfb to draw through the desktop
// presenter; without a display the headless one is used. The peer, mpv, runs when installed.
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/support/Measures.h"
#include "bench/support/Rounds.h"
#include "bench/support/Smoke.h"
#include "bench/support/TwoCameraRecording.h"
#include "platform/base/UiDispatch.h"
#include "platform/win/ListView.h"
#include "platform/win/SliderCtrl.h"
#include "platform/win/Timer.h"
#include "platform/win/VideoOverlay.h"
#include "player/TavrenPlayerDlg.h"

namespace {

using bench::Clock;
using bench::Median;
using bench::Ms;
using bench::PumpUntil;

double ThreadCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// A tick's wall time and the UI thread's CPU time in it: a wall time well above the CPU
// time is a wait (another thread's lock, or the thread not scheduled on a loaded machine).
struct TickTime {
  double ms = -1;
  double cpuMs = 0;
  std::string what;
};

testrec::PlayableSpec CarRecorderSpec() {
  testrec::PlayableSpec spec = bench::TwoCameraSpec();
  spec.grain = true;
  spec.videoKbps = 8200;
  return spec;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string s;
  for (const std::string& w : words) s += (s.empty() ? "" : " ") + w;
  return s;
}

// One run from the double-click to the end of the recording.
struct PlayRun {
  double cpu = 0;  // seconds of every thread and child process; -1 when nothing opened
  double wallS = 0;
  std::uint64_t shown[2] = {0, 0};
};

class Bench {
public:
  explicit Bench(const std::string& path) : m_path(path) {
    m_thread.m_pMainWnd = &m_dlg;
    AfxSetUiThread(&m_thread);
    m_dlg.Create(IDD_TAVRENPLAYER_DIALOG, nullptr);
    m_dlg.ShowWindow(SW_SHOWNORMAL);
    m_dlg.m_listFiles.InsertItem(0, L"REC.avi");
    m_dlg.m_listFiles.SetItemText(0, 4, CString(path.c_str()));
    m_dlg.m_nViewChannel = 4;  // both cameras
    PumpUntil([] { return false; }, 300);
  }
  ~Bench() {
    m_dlg.DestroyWindow();
    platform::PumpUiThread(0);
    AfxSetUiThread(nullptr);
  }

  HWND Pane(int i) { return (i == 0 ? m_dlg.m_wndVideo1 : m_dlg.m_wndVideo2).GetSafeHwnd(); }
  std::uint64_t Shown(int i) { return platform::ShownVideoFrameCount(Pane(i)); }
  bool BothShownSince(std::uint64_t a, std::uint64_t b) { return Shown(0) > a && Shown(1) > b; }

  // Double-click on the row to the first picture in both panes, in ms; -1 when none came
  // within `waitMs`.
  double OpenToFirstFrame(int waitMs = 5000) {
    std::uint64_t a = Shown(0), b = Shown(1);
    NMITEMACTIVATE nm;
    nm.hdr.hwndFrom = m_dlg.m_listFiles.GetSafeHwnd();
    nm.hdr.idFrom = IDC_LIST_FILES;
    nm.hdr.code = NM_DBLCLK;
    nm.iItem = 0;
    auto t0 = Clock::now();
    m_dlg.SendMessage(WM_NOTIFY, IDC_LIST_FILES, reinterpret_cast<LPARAM>(&nm));
    bool ok = waitMs > 0 && PumpUntil([&] { return BothShownSince(a, b); }, waitMs);
    return ok ? Ms(t0) : -1;
  }

  // A release of the seek slider at `ms` to the new picture in both panes, paused.
  double SeekToNewFrame(int ms) {
    std::uint64_t a = Shown(0), b = Shown(1);
    HWND slider = m_dlg.m_sliderSeek.GetSafeHwnd();
    auto t0 = Clock::now();
    m_dlg.m_sliderSeek.SetPos(ms);
    m_dlg.PostMessage(WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, ms & 0xFFFF), reinterpret_cast<LPARAM>(slider));
    m_dlg.PostMessage(WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, ms & 0xFFFF), reinterpret_cast<LPARAM>(slider));
    bool ok = PumpUntil([&] { return BothShownSince(a, b); }, 3000);
    return ok ? Ms(t0) : -1;
  }

  // A double-click on the row, then the recording played to its end, which closes the graph.
  // The bench ticks in place of the window's timer, every 200 ms as it does, so that every
  // tick is timed, the last one too.
  PlayRun PlayThrough(bool timeTicks) {
    if (m_dlg.m_player.m_pGraph) m_dlg.StopPlayback();
    m_dlg.m_nViewChannel = 4;  // stopping forgets the view
    std::uint64_t a = Shown(0), b = Shown(1);
    PlayRun run;
    double cpu0 = bench::TreeCpuSeconds();
    auto t0 = Clock::now();
    OpenToFirstFrame(0);
    m_graph = m_dlg.m_player.m_pGraph.get();
    if (!m_graph) {
      run.cpu = -1;
      return run;
    }
    if (timeTicks) {
      m_dlg.KillTimer(IDT_PLAY_POSITION);
      s_ticking = this;
      m_ticker = SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR, DWORD) { s_ticking->TimedTick(); });
    }
    // The window's own loop, waiting for work as the program's does.
    platform::detail::RunLoop([&] { return m_dlg.m_player.m_pGraph.get() != m_graph || Ms(t0) > 45000; });
    run.wallS = Ms(t0) / 1000.0;
    run.cpu = bench::TreeCpuSeconds() - cpu0;
    if (m_ticker) KillTimer(nullptr, m_ticker);
    m_ticker = 0;
    s_ticking = nullptr;
    run.shown[0] = Shown(0) - a;
    run.shown[1] = Shown(1) - b;
    return run;
  }

  // One tick, timed on the clock and on the UI thread's CPU, with what it changed.
  void TimedTick() {
    TickShot before = Snapshot();
    auto s0 = Clock::now();
    double c0 = ThreadCpuMs();
    m_dlg.UpdatePlayPosition();
    TickTime tick{Ms(s0), ThreadCpuMs() - c0, ""};
    if (m_dlg.m_player.m_pGraph.get() != m_graph) {
      tick.what = m_dlg.m_player.m_pGraph ? "opened the next recording" : "stopped after the last row";
      m_end = tick;
      return;
    }
    tick.what = Changes(before, Snapshot());
    m_ticks.push_back(tick);
  }

  struct TickShot {
    CString elapsed, duration;
    int slider;
    int curves;
  };
  TickShot Snapshot() {
    TickShot shot;
    m_dlg.m_lblElapsed.GetWindowText(shot.elapsed);
    m_dlg.m_lblDuration.GetWindowText(shot.duration);
    shot.slider = m_dlg.m_sliderSeek.GetPos();
    shot.curves = m_dlg.m_nDrawnSensorCount;
    return shot;
  }
  static std::string Changes(const TickShot& a, const TickShot& b) {
    std::string what = "position, speed digits, map";
    if (a.slider != b.slider) what += ", seek slider";
    if (a.elapsed != b.elapsed) what += ", elapsed label";
    if (a.duration != b.duration) what += ", duration label";
    if (a.curves != b.curves) what += ", sensor curves";
    return what;
  }

  void Pause() {
    if (m_dlg.m_player.m_pGraph && m_dlg.m_player.m_pGraph->PlayState == 0) m_dlg.OnBnClickedPlay();
  }
  ULONGLONG Duration() { return m_dlg.m_player.GetDuration(); }

  static Bench* s_ticking;  // whose ticks the tick timer times

  std::string m_path;
  CWinThread m_thread;
  CTavrenPlayerDlg m_dlg;
  CDShowGraph* m_graph = nullptr;  // borrowed: the graph of the run under way
  UINT_PTR m_ticker = 0;
  std::vector<TickTime> m_ticks;
  TickTime m_end;
};

Bench* Bench::s_ticking = nullptr;

void PrintTicks(const std::vector<TickTime>& ticks, const TickTime& end) {
  std::vector<double> ms, cpu;
  for (const TickTime& t : ticks) {
    ms.push_back(t.ms);
    cpu.push_back(t.cpuMs);
  }
  auto worst =
      std::max_element(ticks.begin(), ticks.end(), [](const TickTime& a, const TickTime& b) { return a.ms < b.ms; });
  int over = static_cast<int>(std::count_if(ms.begin(), ms.end(), [](double v) { return v >= 1.0; }));
  std::printf("tick: median %.3f ms, worst %.3f ms of %zu, %d at 1 ms or more (target < 1); UI thread CPU: "
              "median %.3f ms, worst %.3f ms\n",
              Median(ms), worst == ticks.end() ? 0.0 : worst->ms, ticks.size(), over, Median(cpu),
              cpu.empty() ? 0.0 : *std::max_element(cpu.begin(), cpu.end()));
  if (worst != ticks.end())
    std::printf("  worst tick: %.3f ms, %.3f ms of it on the CPU; did: %s\n", worst->ms, worst->cpuMs,
                worst->what.c_str());
  auto busiest = std::max_element(ticks.begin(), ticks.end(),
                                  [](const TickTime& a, const TickTime& b) { return a.cpuMs < b.cpuMs; });
  if (busiest != ticks.end() && busiest != worst)
    std::printf("  busiest tick: %.3f ms, %.3f ms of it on the CPU; did: %s\n", busiest->ms, busiest->cpuMs,
                busiest->what.c_str());
  if (end.ms >= 0)
    std::printf("end of the recording, a move on rather than a tick: %.1f ms, %.1f ms of it on the CPU; %s\n", end.ms,
                end.cpuMs, end.what.c_str());
}

// How much each part measures: the full run, or seconds for the smoke run.
struct Amounts {
  int opens = 5;
  int seeks = 10;
  int rounds = 3;
};

void PrintShown(const std::vector<PlayRun>& runs, ULONGLONG duration) {
  // Whole frames of 30 fps, the first one included.
  double expected = std::floor(static_cast<double>(duration) * 30.0 / 1000.0);
  for (int i = 0; i < 2; ++i) {
    std::uint64_t fewest = runs.front().shown[i];
    for (const PlayRun& r : runs) fewest = std::min(fewest, r.shown[i]);
    std::printf("%s pane: %llu frames shown of %.0f in the run that showed fewest, %.0f dropped (target 0)\n",
                i == 0 ? "front" : "rear", static_cast<unsigned long long>(fewest), expected,
                std::max(0.0, expected - static_cast<double>(fewest)));
  }
}

void PrintCpu(const bench::Rounds& cpu, const std::vector<PlayRun>& runs, const std::string& loadBefore) {
  std::vector<double> walls;
  for (const PlayRun& r : runs) walls.push_back(r.wallS);
  std::printf("CPU from the open to the end, medians of %zu runs of each in turn:\n", runs.size());
  std::printf("  program: %s, in %.1f s\n", cpu.Figure("program").c_str(), Median(walls));
  std::printf("  decode floor (pictures and sound decoded): %s\n", cpu.Figure("decode floor").c_str());
  std::printf("  display floor (and each picture scaled to its pane, nearest pixels): %s\n",
              cpu.Figure("display floor").c_str());
  if (cpu.Has("mpv"))
    std::printf("  peer, mpv (both streams scaled to the panes the same way, side by side): %s\n",
                cpu.Figure("mpv").c_str());
  cpu.PrintRatio("display floor", "decode floor");
  cpu.PrintRatio("program", "decode floor");
  cpu.PrintRatio("program", "display floor", " (target <= 1.1)");
  cpu.PrintRatio("program", "mpv", " (target < 1)");
  std::printf("machine load: %s before, %s after\n", loadBefore.c_str(), bench::MachineLoad().c_str());
}

// False, said on stdout, when the program could not play the recording.
bool Measure(const std::string& path, const Amounts& amounts) {
  std::vector<double> opens, seeks;
  std::vector<PlayRun> runs;
  bench::Rounds cpu;
  Bench bench(path);
  for (int i = 0; i < amounts.opens; ++i) opens.push_back(bench.OpenToFirstFrame());
  ULONGLONG duration = bench.Duration();
  bench.Pause();
  std::mt19937 random(7);
  std::uniform_int_distribution<int> where(0, std::max(0, static_cast<int>(duration) - 1000));
  for (int i = 0; i < amounts.seeks; ++i) seeks.push_back(bench.SeekToNewFrame(where(random)));
  const std::string load = bench::MachineLoad();
  for (int round = 0; round < amounts.rounds; ++round) {
    runs.push_back(bench.PlayThrough(true));
    cpu.Add("program", runs.back().cpu);
    cpu.Add("decode floor", bench::RunAndTime(bench::FloorCommand(path, false)));
    cpu.Add("display floor", bench::RunAndTime(bench::FloorCommand(path, true)));
    if (round == 0 || cpu.Has("mpv")) cpu.Add("mpv", bench::RunAndTime(bench::PeerCommand(path)));
  }
  if (!cpu.Has("program")) {
    std::printf("the program did not open the recording\n");
    return false;
  }
  std::printf("double-click to first frame in both panes: median %.1f ms of %zu (target < 300)\n", Median(opens),
              opens.size());
  std::printf("seek slider release to the new frame in both panes (%zu, paused): median %.1f ms, worst %.1f ms "
              "(target < 150)\n",
              seeks.size(), Median(seeks), *std::max_element(seeks.begin(), seeks.end()));
  PrintTicks(bench.m_ticks, bench.m_end);
  PrintShown(runs, duration);
  PrintCpu(cpu, runs, load);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IOLBF, 0);
  const bool smoke = bench::TakeSmoke(argc, argv);
  std::string mode = argc > 1 && argv[1][0] == '-' ? argv[1] : "";
  std::string path = argc > (mode.empty() ? 1 : 2) ? argv[mode.empty() ? 1 : 2] : "";
  if (path.empty())
    path = (std::filesystem::temp_directory_path() / (smoke ? "player-bench-smoke.avi" : "player-bench-30s-1080p.avi"))
               .string();
  if (mode == "--floors") {
    for (bool display : {false, true}) std::printf("%s\n", Joined(bench::FloorCommand(path, display)).c_str());
    std::printf("%s\n", Joined(bench::PeerCommand(path)).c_str());
    return 0;
  }
  testrec::PlayableSpec spec = CarRecorderSpec();
  if (smoke) {
    spec.seconds = 2;
    spec.width = 640;
    spec.height = 360;
    spec.videoKbps = 0;
  }
  if (!bench::EnsureRecording(path, spec)) return 1;
  std::string scratch = (std::filesystem::temp_directory_path() / "player-bench-home").string();
  std::filesystem::create_directories(scratch + "/registry");
  std::filesystem::create_directories(scratch + "/drives");
  setenv("RODEMIR_REGISTRY_DIR", (scratch + "/registry").c_str(), 0);
  setenv("RODEMIR_DOCUMENTS", scratch.c_str(), 0);
  setenv("RODEMIR_DRIVES", (scratch + "/drives").c_str(), 0);
  setenv("RODEMIR_ONLINE", "0", 0);
  setenv("RODEMIR_AUDIO_SINK", "fakesink sync=true", 0);
  setenv("RODEMIR_PRESENTER", std::getenv("DISPLAY") ? "gtk" : "headless", 0);
  if (mode == "--play") {
    Bench bench(path);
    PlayRun run = bench.PlayThrough(false);
    if (run.cpu < 0) return 1;
    std::printf("played %.1f s, frames shown %llu and %llu\n", run.wallS, static_cast<unsigned long long>(run.shown[0]),
                static_cast<unsigned long long>(run.shown[1]));
    return 0;
  }
  std::printf("presenter: %s\n", std::getenv("RODEMIR_PRESENTER"));
  Amounts amounts;
  if (smoke) amounts = Amounts{1, 2, 1};
  return Measure(path, amounts) ? 0 : 1;
}

// Playback through the main window, with both cameras shown side by side, of a 30 s
// recording as a car recorder writes it: two 1920x1080 30 fps H.264 streams of 8.2 Mb/s
// with a camera's grain, plus AAC sound. Frames are counted where the panes show them.
//   player_bench [RECORDING]         latencies, tick, frames shown, CPU beside two floors
//   player_bench --play RECORDING    only plays it to the end (for an outside timer)
//   player_bench --floors RECORDING  prints the two floor command lines
// The recording is made at RECORDING when missing (ffmpeg). Run under Xvfb to draw
// through the desktop presenter; without a display the headless one is used.
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
#include "bench/support/TwoCameraRecording.h"
#include "platform/base/UiDispatch.h"
#include "platform/win/ListView.h"
#include "platform/win/SliderCtrl.h"
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

  // Double-click on the row to the first picture in both panes, in ms; -1 when none came.
  double OpenToFirstFrame() {
    std::uint64_t a = Shown(0), b = Shown(1);
    NMITEMACTIVATE nm;
    nm.hdr.hwndFrom = m_dlg.m_listFiles.GetSafeHwnd();
    nm.hdr.idFrom = IDC_LIST_FILES;
    nm.hdr.code = NM_DBLCLK;
    nm.iItem = 0;
    auto t0 = Clock::now();
    m_dlg.SendMessage(WM_NOTIFY, IDC_LIST_FILES, reinterpret_cast<LPARAM>(&nm));
    bool ok = PumpUntil([&] { return BothShownSince(a, b); }, 5000);
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

  // Plays from the first picture, already shown, to the end. The bench ticks in place of
  // the window's timer, every 200 ms, so that every tick is timed, the last one too.
  void PlayToEnd(bool timeTicks) {
    CDShowGraph* graph = m_dlg.m_player.m_pGraph;
    if (!graph) return;
    Pause();
    SeekToNewFrame(0);
    std::uint64_t a = Shown(0), b = Shown(1);
    m_dlg.OnBnClickedPlay();
    if (timeTicks) m_dlg.KillTimer(IDT_PLAY_POSITION);
    m_cpu0 = bench::SelfCpu();
    auto t0 = Clock::now();
    auto nextTick = t0;
    // The end of the recording moves the window on, which closes the graph.
    while (m_dlg.m_player.m_pGraph == graph && Ms(t0) < 45000) {
      platform::PumpUiThread(1);
      if (timeTicks && Clock::now() >= nextTick) {
        nextTick += std::chrono::milliseconds(200);
        TimedTick(graph);
      }
      m_shown[0] = Shown(0) - a;
      m_shown[1] = Shown(1) - b;
    }
    m_playSeconds = Ms(t0) / 1000.0;
    m_cpu = bench::SelfCpu() - m_cpu0;
  }

  // One tick, timed on the clock and on the UI thread's CPU, with what it changed.
  void TimedTick(CDShowGraph* graph) {
    TickShot before = Snapshot();
    auto s0 = Clock::now();
    double c0 = ThreadCpuMs();
    m_dlg.UpdatePlayPosition();
    TickTime tick{Ms(s0), ThreadCpuMs() - c0, ""};
    if (m_dlg.m_player.m_pGraph != graph) {
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

  std::string m_path;
  CWinThread m_thread;
  CTavrenPlayerDlg m_dlg;
  std::vector<TickTime> m_ticks;
  TickTime m_end;
  std::uint64_t m_shown[2] = {0, 0};
  double m_playSeconds = 0;
  double m_cpu0 = 0;
  double m_cpu = 0;
};

void PrintTicks(const std::vector<TickTime>& ticks, const TickTime& end) {
  std::vector<double> ms, cpu;
  for (const TickTime& t : ticks) {
    ms.push_back(t.ms);
    cpu.push_back(t.cpuMs);
  }
  auto worst = std::max_element(ticks.begin(), ticks.end(),
                                [](const TickTime& a, const TickTime& b) { return a.ms < b.ms; });
  int over = static_cast<int>(std::count_if(ms.begin(), ms.end(), [](double v) { return v >= 1.0; }));
  std::printf("tick: median %.3f ms, worst %.3f ms of %zu, %d at 1 ms or more (target < 1); UI thread CPU: "
              "median %.3f ms, worst %.3f ms\n", Median(ms), worst == ticks.end() ? 0.0 : worst->ms, ticks.size(),
              over, Median(cpu), cpu.empty() ? 0.0 : *std::max_element(cpu.begin(), cpu.end()));
  if (worst != ticks.end())
    std::printf("  worst tick: %.3f ms, %.3f ms of it on the CPU; did: %s\n", worst->ms, worst->cpuMs,
                worst->what.c_str());
  auto busiest = std::max_element(ticks.begin(), ticks.end(),
                                  [](const TickTime& a, const TickTime& b) { return a.cpuMs < b.cpuMs; });
  if (busiest != ticks.end() && busiest != worst)
    std::printf("  busiest tick: %.3f ms, %.3f ms of it on the CPU; did: %s\n", busiest->ms, busiest->cpuMs,
                busiest->what.c_str());
  if (end.ms >= 0)
    std::printf("end of the recording, a move on rather than a tick: %.1f ms, %.1f ms of it on the CPU; %s\n",
                end.ms, end.cpuMs, end.what.c_str());
}

void Measure(const std::string& path) {
  double openMs = 0;
  std::vector<double> opens, seeks;
  std::vector<TickTime> ticks;
  TickTime end;
  std::uint64_t shown[2] = {0, 0};
  double playS = 0, cpu = 0;
  ULONGLONG duration = 0;
  {
    Bench bench(path);
    for (int i = 0; i < 5; ++i) opens.push_back(bench.OpenToFirstFrame());
    openMs = Median(opens);
    duration = bench.Duration();
    bench.Pause();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> where(0, static_cast<int>(duration) - 1000);
    for (int i = 0; i < 10; ++i) seeks.push_back(bench.SeekToNewFrame(where(random)));
    bench.PlayToEnd(true);
    ticks = bench.m_ticks;
    end = bench.m_end;
    shown[0] = bench.m_shown[0];
    shown[1] = bench.m_shown[1];
    playS = bench.m_playSeconds;
    cpu = bench.m_cpu;
  }
  double worstSeek = *std::max_element(seeks.begin(), seeks.end());
  // Whole frames of 30 fps, less the first one, shown before playing.
  double expected = std::floor(static_cast<double>(duration) * 30.0 / 1000.0) - 1.0;
  std::printf("double-click to first frame in both panes: median %.1f ms of 5 (target < 300)\n", openMs);
  std::printf("seek slider release to the new frame in both panes (10, paused): median %.1f ms, worst %.1f ms "
              "(target < 150)\n", Median(seeks), worstSeek);
  PrintTicks(ticks, end);
  for (int i = 0; i < 2; ++i)
    std::printf("%s pane: %llu frames shown of %.0f, %.0f dropped (target 0)\n", i == 0 ? "front" : "rear",
                static_cast<unsigned long long>(shown[i]), expected,
                std::max(0.0, expected - static_cast<double>(shown[i])));
  double decode = bench::RunFloor(bench::FloorCommand(path, false));
  double display = bench::RunFloor(bench::FloorCommand(path, true));
  std::printf("CPU over the whole recording: program %.2f s in %.1f s, decode floor %.2f s, display floor %.2f s\n",
              cpu, playS, decode, display);
  if (decode > 0 && display > 0)
    std::printf("ratios: display floor / decode floor %.2f; program / decode floor %.2f; program / display floor "
                "%.2f (target <= 1.1)\n", display / decode, cpu / decode, cpu / display);
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IOLBF, 0);
  std::string mode = argc > 1 && argv[1][0] == '-' ? argv[1] : "";
  std::string path = argc > (mode.empty() ? 1 : 2) ? argv[mode.empty() ? 1 : 2] : "";
  if (path.empty()) path = (std::filesystem::temp_directory_path() / "player-bench-30s-1080p.avi").string();
  if (mode == "--floors") {
    std::printf("%s\n%s\n", Joined(bench::FloorCommand(path, false)).c_str(), Joined(bench::FloorCommand(path, true)).c_str());
    return 0;
  }
  if (!bench::EnsureRecording(path, CarRecorderSpec())) return 1;
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
    bench.OpenToFirstFrame();
    bench.PlayToEnd(false);
    std::printf("played %.1f s, frames shown %llu and %llu\n", bench.m_playSeconds,
                static_cast<unsigned long long>(bench.m_shown[0]), static_cast<unsigned long long>(bench.m_shown[1]));
    return 0;
  }
  std::printf("presenter: %s\n", std::getenv("RODEMIR_PRESENTER"));
  Measure(path);
  return 0;
}

// Times the sensor loader and the sensor views over the three-minute recording (about
// 300 MB): from the loader's start until its result reaches the UI thread, one tick's
// update of the read-out and the curves, and a full redraw of the panel.
//   bench_sensors [--smoke] [recording.avi]   (written there, else in /tmp and removed)
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/support/Smoke.h"
#include "bench/support/ThreeMinuteRecording.h"
#include "platform/base/Thread.h"
#include "platform/base/UiDispatch.h"
#include "player/SensorLoader.h"
#include "player/SensorViews.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

struct Figures {
  double first = 0;
  double best = 0;
  double median = 0;
};

// Warm figures leave out the first run.
Figures Summarise(std::vector<double> ms) {
  Figures f;
  f.first = ms.front();
  std::sort(ms.begin() + 1, ms.end());
  f.best = ms[1];
  f.median = ms[1 + (ms.size() - 1) / 2];
  return f;
}

// From starting the loader thread until the UI thread runs what it posted.
double LoadOnce(const std::string& path, CTextData& data, CCriticalSection& lock) {
  data.m_arrGSensor.RemoveAll();
  data.m_arrGPS.RemoveAll();
  std::atomic<BYTE> stop{0};
  bool handed = false;
  SensorLoadJob job;
  job.path = CString(path.c_str());
  job.pTextData = &data;
  job.pLock = &lock;
  job.pStop = &stop;
  job.onLoaded = [&handed](UINT) { platform::PostToUiThread([&handed] { handed = true; }); };
  auto start = Clock::now();
  CWinThread* thread = AfxBeginThread([](LPVOID p) { return RunSensorLoad(*static_cast<SensorLoadJob*>(p)); }, &job,
                                      THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  thread->m_bAutoDelete = FALSE;
  thread->ResumeThread();
  while (!handed) platform::PumpUiThread(1);
  auto end = Clock::now();
  WaitForSingleObject(thread->m_hThread, INFINITE);
  delete thread;
  return Ms(start, end);
}

class WindowCanvas {
public:
  WindowCanvas() {
    dc.CreateCompatibleDC(nullptr);
    bits.CreateCompatibleBitmap(&dc, 1022, 682);
    old = dc.SelectObject(&bits);
  }
  ~WindowCanvas() { dc.SelectObject(old); }
  CDC dc;
  CBitmap bits;
  CBitmap* old = nullptr;
};

template <typename F>
Figures Time(int runs, F&& f) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    auto start = Clock::now();
    f(i);
    ms.push_back(Ms(start, Clock::now()));
  }
  return Summarise(ms);
}

}  // namespace

int main(int argc, char** argv) {
  const bool smoke = bench::TakeSmoke(argc, argv);
  const int seconds = smoke ? 10 : bench::kThreeMinutes;
  const int repeats = smoke ? 10 : 100;
  std::string path = argc > 1 ? argv[1] : "/tmp/rodemir-bench-sensors-" + std::to_string(getpid()) + ".avi";
  bench::WriteThreeMinuteRecording(path, seconds);

  CTextData data;
  CCriticalSection lock;
  std::vector<double> load;
  for (int run = 0; run < 6; ++run) load.push_back(LoadOnce(path, data, lock));
  if (argc <= 1) unlink(path.c_str());
  Figures loaded = Summarise(load);
  const long long durationMs = seconds * 1000LL;

  WindowCanvas window;
  // A tick: the read-out at the position, and the curves again (the count changed).
  Figures tick = Time(2 * repeats, [&](int i) {
    CSingleLock hold(&lock, TRUE);
    UINT pos = static_cast<UINT>(i) * 900u;
    DrawSpeedReadout(&window.dc, SpeedReadoutValue(data.m_arrGPS, pos), SpeedReadoutOrigin(0));
    DrawGSensorCurves(&window.dc, kSensorPanelX, kSensorPanelY, data.m_arrGSensor, durationMs);
  });
  Figures readout = Time(2 * repeats, [&](int i) {
    CSingleLock hold(&lock, TRUE);
    DrawSpeedReadout(&window.dc, SpeedReadoutValue(data.m_arrGPS, static_cast<UINT>(i) * 900u), SpeedReadoutOrigin(0));
  });
  CBitmap picture;
  Figures panel = Time(repeats, [&](int) {
    CSingleLock hold(&lock, TRUE);
    DrawSensorPanelPicture(&window.dc, picture, data.m_arrGSensor, durationMs);
  });

  std::printf("samples: %ld G-sensor, %ld GPS\n", static_cast<long>(data.m_arrGSensor.GetSize()),
              static_cast<long>(data.m_arrGPS.GetSize()));
  std::printf(
      "loader, start to samples on the UI thread: first %.2f ms, warm best %.2f ms, median %.2f ms (target < 100 ms)\n",
      loaded.first, loaded.best, loaded.median);
  std::printf("tick, read-out and curves: best %.3f ms, median %.3f ms (target < 1 ms)\n", tick.best, tick.median);
  std::printf("tick, read-out only: best %.3f ms, median %.3f ms\n", readout.best, readout.median);
  std::printf("full panel redraw: first %.3f ms, best %.3f ms, median %.3f ms (target < 3 ms)\n", panel.first,
              panel.best, panel.median);
  return 0;
}

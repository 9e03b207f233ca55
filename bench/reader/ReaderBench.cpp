// Times the sensor reader over the three-minute recording (about 300 MB).
// Prints the wall time of warm runs, the bytes read from the file and the samples found.
//   bench_reader [--smoke] [recording.avi]   (written there, else in /tmp and removed)
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "media/AviTextReader.h"
#include "bench/support/Smoke.h"
#include "bench/support/ThreeMinuteRecording.h"

namespace {

long long BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  long long value = 0;
  while (io >> key >> value)
    if (key == "rchar:") return value;
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool smoke = bench::TakeSmoke(argc, argv);
  std::string path = argc > 1 ? argv[1] : "/tmp/rodemir-bench-reader-" + std::to_string(getpid()) + ".avi";
  bench::WriteThreeMinuteRecording(path, smoke ? 10 : bench::kThreeMinutes);
  std::ifstream size(path, std::ios::ate | std::ios::binary);
  long long fileBytes = static_cast<long long>(size.tellg());

  std::vector<double> ms;
  long long read = 0;
  INT_PTR gsensor = 0, gps = 0;
  for (int run = 0; run < 6; ++run) {
    CTextData data;
    data.m_arrGSensor.RemoveAll();
    data.m_arrGPS.RemoveAll();
    std::atomic<BYTE> stop{0};
    CCriticalSection lock;
    CAviTextReader reader(&data, 0, &stop, &lock);
    long long before = BytesRead();
    auto start = std::chrono::steady_clock::now();
    reader.ReadTextData(CString(path));
    auto end = std::chrono::steady_clock::now();
    read = BytesRead() - before;
    ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    gsensor = data.m_arrGSensor.GetSize();
    gps = data.m_arrGPS.GetSize();
  }
  if (argc <= 1) unlink(path.c_str());
  double first = ms.front();
  std::sort(ms.begin() + 1, ms.end());
  std::printf("file: %.1f MB\n", static_cast<double>(fileBytes) / 1e6);
  std::printf("first run: %.2f ms\n", first);
  std::printf("warm runs: best %.2f ms, median %.2f ms (target < 50 ms)\n", ms[1], ms[3]);
  std::printf("bytes read: %lld (%.2f%% of the file; target < 10%%)\n", read,
              100.0 * static_cast<double>(read) / static_cast<double>(fileBytes));
  std::printf("samples: %ld G-sensor, %ld GPS\n", static_cast<long>(gsensor), static_cast<long>(gps));
  return 0;
}

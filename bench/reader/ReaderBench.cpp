// Times the sensor reader over a recording shaped like the recorder's: two video streams at
// 30 chunks a second, audio, one sensor chunk a second, for three minutes (about 300 MB).
// Prints the wall time of warm runs, the bytes read from the file and the samples found.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "media/AviTextReader.h"
#include "tests/support/recording/RiffWriter.h"

namespace {

constexpr int kSeconds = 180;
constexpr size_t kVideoChunk = 36 * 1024;
constexpr size_t kAudioChunk = 1024;

void WriteRecording(const std::string& path) {
  testrec::StreamingRiffWriter w(path);
  w.Open("RIFF", "AVI ");
  w.Open("LIST", "hdrl");
  w.Close();
  w.Open("LIST", "movi");
  for (int s = 0; s < kSeconds; ++s) {
    for (int frame = 0; frame < 30; ++frame) {
      w.ZeroChunk("00dc", kVideoChunk + static_cast<size_t>(frame % 7) * 101);
      w.ZeroChunk("01dc", kVideoChunk / 2 + static_cast<size_t>(frame % 5) * 37);
      if (frame % 3 == 0) w.ZeroChunk("02wb", kAudioChunk);
      if (frame == 0) {
        testrec::SensorSample sample;
        sample.seconds = 1700000000u + static_cast<uint32_t>(s);
        sample.x = static_cast<float>(s % 40) - 20.0f;
        sample.speed = static_cast<float>(s % 120);
        sample.coord1 = 127.0f + static_cast<float>(s) * 1e-4f;
        sample.coord2 = 37.5f;
        std::string payload = testrec::TxPayload(sample);
        w.Chunk("03tx", payload.data(), payload.size());
      }
    }
  }
  w.Close();
  w.ZeroChunk("idx1", 16 * static_cast<size_t>(kSeconds) * 70);
  w.Close();
}

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
  std::string path = argc > 1 ? argv[1] : "/tmp/rodemir-bench-reader-" + std::to_string(getpid()) + ".avi";
  WriteRecording(path);
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
  std::printf("bytes read: %lld (%.2f%% of the file; target < 10%%)\n", read, 100.0 * static_cast<double>(read) / static_cast<double>(fileBytes));
  std::printf("samples: %ld G-sensor, %ld GPS\n", static_cast<long>(gsensor), static_cast<long>(gps));
  return 0;
}

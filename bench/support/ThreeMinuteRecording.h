#pragma once
// A recording shaped like the recorder's: two video streams at 30 chunks a second, audio,
// one sensor chunk a second, for three minutes (about 300 MB) unless told otherwise.
#include <string>

#include "tests/support/recording/RiffWriter.h"

namespace bench {

constexpr int kThreeMinutes = 180;

inline void WriteThreeMinuteRecording(const std::string& path, int seconds = kThreeMinutes) {
  constexpr size_t kVideoChunk = 36 * 1024;
  constexpr size_t kAudioChunk = 1024;
  testrec::StreamingRiffWriter w(path);
  w.Open("RIFF", "AVI ");
  w.Open("LIST", "hdrl");
  w.Close();
  w.Open("LIST", "movi");
  for (int s = 0; s < seconds; ++s) {
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
  w.ZeroChunk("idx1", 16 * static_cast<size_t>(seconds) * 70);
  w.Close();
}

}  // namespace bench

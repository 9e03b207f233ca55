#pragma once
// Playable recordings for tests and benchmarks: H.264 video streams and AAC sound encoded
// by ffmpeg, then rewritten with a sensor stream of "##tx" chunks in the movi list, as the
// recorder writes them.
#include <string>

namespace testrec {

struct PlayableSpec {
  int videoStreams = 2;  // 0, 1 or 2
  bool audio = true;
  bool sensor = true;
  int seconds = 3;
  int width = 320;
  int height = 240;
  int fps = 30;
  // Flat pictures: the front stream mid-grey (128), the rear one green top-left, red
  // top-right, blue bottom half. Otherwise moving test patterns.
  bool flat = true;
  // Moving pictures with a camera's grain on them, which is what makes real recordings
  // costly to decode (not with flat pictures).
  bool grain = false;
  int videoKbps = 0;  // per video stream; 0 leaves the rate to the encoder
};

// Writes a new file; false when ffmpeg or the rewrite fails.
bool WritePlayableAvi(const std::string& path, const PlayableSpec& spec);
// The same, made once per process and spec in a temporary folder removed at exit.
std::string CachedPlayableAvi(const PlayableSpec& spec);

}  // namespace testrec

// Writes the card the road is timed on: one 30 s two-camera recording of about 100 MB, as
// a car recorder makes them (1920x1080 with a camera's grain, AAC sound, sensor data).
// Kept when it is already there. --smoke writes a 10 s recording of 640x360 instead.
//   road_card [--smoke] <card folder>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/support/Smoke.h"
#include "bench/support/TwoCameraRecording.h"

int main(int argc, char** argv) {
  const bool smoke = bench::TakeSmoke(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: road_card [--smoke] <card folder>\n");
    return 2;
  }
  namespace fs = std::filesystem;
  fs::path folder = fs::path(argv[1]) / "Driving";
  fs::path file = folder / "20240131_090000_NOR_C2.AVI";
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!fs::exists(file, ec)) {
    testrec::PlayableSpec spec = bench::TwoCameraSpec();
    spec.grain = true;
    spec.videoKbps = 13300;  // two streams: about 100 MB in 30 s
    if (smoke) {
      spec.seconds = 10;
      spec.width = 640;
      spec.height = 360;
      spec.videoKbps = 1000;
    }
    std::string partial = file.string() + ".part";
    if (!testrec::WritePlayableAvi(partial, spec) || (fs::rename(partial, file, ec), ec)) {
      std::fprintf(stderr, "road_card: cannot write %s\n", file.c_str());
      return 1;
    }
  }
  std::printf("%s\n", file.c_str());
  return 0;
}

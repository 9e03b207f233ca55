// Writes a memory card of generated recordings: normal, event and parking recordings in the
// card's three folders, named as the recorder names them, playable, with sensor data.
#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/support/recording/PlayableAvi.h"

namespace {

struct SampleRecording {
  const char* folder;
  const char* name;
  int videoStreams;
  int seconds;
};

const SampleRecording kRecordings[] = {
    {"Driving", "20240131_101500_NOR_C2.AVI", 2, 20}, {"Driving", "20240131_101600_NOR_C2.AVI", 2, 20},
    {"Driving", "20240201_083000_NOR_C2.AVI", 2, 15}, {"Event", "20240131_101542_EVT_C2.AVI", 2, 10},
    {"Parking", "20240131_220010_MOT_C1.AVI", 1, 10},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: samplecard <card folder>\n");
    return 2;
  }
  namespace fs = std::filesystem;
  fs::path card(argv[1]);
  for (const SampleRecording& r : kRecordings) {
    fs::path folder = card / r.folder;
    fs::path file = folder / r.name;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (fs::exists(file, ec)) continue;
    testrec::PlayableSpec spec;
    spec.videoStreams = r.videoStreams;
    spec.seconds = r.seconds;
    spec.width = 640;
    spec.height = 360;
    spec.flat = false;
    if (!testrec::WritePlayableAvi(file.string(), spec)) {
      std::fprintf(stderr, "samplecard: cannot write %s\n", file.c_str());
      return 1;
    }
    std::printf("%s\n", file.c_str());
  }
  return 0;
}

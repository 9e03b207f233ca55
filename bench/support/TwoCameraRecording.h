#pragma once
// The 30 s recording of two 1920x1080 cameras with sound that the playback benchmarks play,
// the floors they compare with (gst-launch-1.0 pipelines that only demux, decode and
// convert it) and a peer player.
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/support/Measures.h"
#include "tests/support/recording/PlayableAvi.h"

extern char** environ;

namespace bench {

inline testrec::PlayableSpec TwoCameraSpec() {
  testrec::PlayableSpec spec;
  spec.seconds = 30;
  spec.width = 1920;
  spec.height = 1080;
  spec.flat = false;
  return spec;
}

// Makes the recording at `path` when it is missing; an empty path takes one made once in a
// temporary folder. False, said on stdout, when it cannot be made.
inline bool EnsureRecording(std::string& path, const testrec::PlayableSpec& spec) {
  if (!path.empty() && std::filesystem::exists(path)) return true;
  std::printf("encoding a %d s recording of %dx%d...\n", spec.seconds, spec.width, spec.height);
  bool made = path.empty() ? !(path = testrec::CachedPlayableAvi(spec)).empty() : testrec::WritePlayableAvi(path, spec);
  if (!made) std::printf("could not make the recording (is ffmpeg installed?)\n");
  return made;
}

constexpr int kPaneWidth = 344;  // both cameras in the normal window
constexpr int kPaneHeight = 194;

// Decoded as the program decodes: slice threads only.
inline std::vector<std::string> VideoBranch(const std::string& pad, bool display) {
  std::vector<std::string> b = {pad, "!", "queue", "!", "h264parse", "!", "avdec_h264", "thread-type=slice", "!"};
  if (display) {
    std::string caps =
        "video/x-raw,format=BGRx,width=" + std::to_string(kPaneWidth) + ",height=" + std::to_string(kPaneHeight);
    b.insert(b.end(), {"videoconvertscale", "method=nearest-neighbour", "!", caps, "!"});
  }
  b.insert(b.end(), {"fakesink", "sync=true"});
  return b;
}

// Decode floor: both video streams and the sound demuxed, parsed and decoded at rate 1.
// Display floor: the same, each picture converted and scaled to the pane in one step from
// the nearest source pixels, as the program scales them, the sound converted for a sound
// device.
inline std::vector<std::string> FloorCommand(const std::string& path, bool display) {
  std::vector<std::string> c = {"gst-launch-1.0", "-q", "filesrc", "location=" + path, "!", "avidemux", "name=d"};
  for (const char* pad : {"d.video_0", "d.video_1"}) {
    auto b = VideoBranch(pad, display);
    c.insert(c.end(), b.begin(), b.end());
  }
  c.insert(c.end(), {"d.audio_0", "!", "queue", "!", "aacparse", "!", "avdec_aac", "!"});
  if (display) c.insert(c.end(), {"audioconvert", "!", "audioresample", "!"});
  c.insert(c.end(), {"fakesink", "sync=true"});
  return c;
}

// A peer player: mpv showing both video streams, each scaled to the pane as the program
// scales them, side by side in one window drawn without a GPU, the sound decoded.
inline std::vector<std::string> PeerCommand(const std::string& path) {
  std::string pane = std::to_string(kPaneWidth) + ":" + std::to_string(kPaneHeight) + ":flags=neighbor";
  return {"mpv",
          "--no-config",
          "--really-quiet",
          "--vo=x11",
          "--ao=null",
          "--hwdec=no",
          "--lavfi-complex=[vid1]scale=" + pane + "[f];[vid2]scale=" + pane + "[r];[f][r]hstack[vo];[aid1]anull[ao]",
          path};
}

// CPU seconds of one run of the command from its start to its exit, its wall time in
// `wallMs`; -1 when it cannot start or fails.
inline double RunAndTime(const std::vector<std::string>& command, double* wallMs = nullptr) {
  std::vector<char*> argv;
  for (const std::string& w : command) argv.push_back(const_cast<char*>(w.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const auto start = Clock::now();
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  if (wallMs) *wallMs = Ms(start);
  return CpuSeconds(usage);
}

}  // namespace bench

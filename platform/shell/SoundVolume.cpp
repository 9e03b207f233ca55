#include "platform/shell/SoundVolume.h"

#include <glob.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

std::atomic<DWORD> g_volume{0xFFFFFFFFu};

struct Watchers {
  std::mutex mutex;
  std::map<int, std::function<void(double)>> callbacks;
  int next = 1;
};

// Never destroyed: watches held by static objects may end after it otherwise would.
Watchers& TheWatchers() {
  static auto* watchers = new Watchers;
  return *watchers;
}

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

// A configured sink, a sound server's socket, or an ALSA playback device.
bool SoundOutputExists() {
  const char* sink = std::getenv("RODEMIR_AUDIO_SINK");
  if (sink && *sink) return true;
  if (std::getenv("PULSE_SERVER")) return true;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) {
    if (Exists(std::string(runtime) + "/pulse/native") || Exists(std::string(runtime) + "/pipewire-0")) return true;
  }
  glob_t found{};
  bool any = glob("/dev/snd/pcmC*D*p", 0, nullptr, &found) == 0 && found.gl_pathc > 0;
  globfree(&found);
  return any;
}

double FactorOf(DWORD volume) {
  return std::max(LOWORD(volume), HIWORD(volume)) / 65535.0;
}

}  // namespace

MMRESULT waveOutSetVolume(HWAVEOUT hwo, DWORD dwVolume) {
  if (hwo) return MMSYSERR_INVALHANDLE;
  if (!SoundOutputExists()) return MMSYSERR_NODRIVER;
  g_volume = dwVolume;
  std::vector<std::function<void(double)>> callbacks;
  {
    Watchers& w = TheWatchers();
    std::lock_guard<std::mutex> lock(w.mutex);
    for (auto& [id, fn] : w.callbacks) callbacks.push_back(fn);
  }
  for (auto& fn : callbacks) fn(FactorOf(dwVolume));
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutGetVolume(HWAVEOUT hwo, LPDWORD pdwVolume) {
  if (hwo) return MMSYSERR_INVALHANDLE;
  if (!pdwVolume) return MMSYSERR_INVALPARAM;
  if (!SoundOutputExists()) return MMSYSERR_NODRIVER;
  *pdwVolume = g_volume;
  return MMSYSERR_NOERROR;
}

UINT waveOutGetNumDevs() { return SoundOutputExists() ? 1 : 0; }

namespace platform {

double ProgramVolume() { return FactorOf(g_volume); }

ProgramVolumeWatch::ProgramVolumeWatch(std::function<void(double)> onChange) {
  Watchers& w = TheWatchers();
  std::lock_guard<std::mutex> lock(w.mutex);
  m_id = w.next++;
  w.callbacks[m_id] = std::move(onChange);
}

ProgramVolumeWatch::~ProgramVolumeWatch() {
  Watchers& w = TheWatchers();
  std::lock_guard<std::mutex> lock(w.mutex);
  w.callbacks.erase(m_id);
}

}  // namespace platform

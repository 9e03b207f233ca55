#include "platform/shell/SoundVolume.h"

#include <glob.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <string>

#include "platform/media/Volume.h"

namespace {

// As last set, so that a read gives back exactly both channels.
std::atomic<DWORD> g_volume{0xFFFFFFFFu};

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

// A configured sink, a sound server's socket, or an ALSA playback device. A configured
// sink decides alone: an empty one stands for a machine without sound output.
bool SoundOutputExists() {
  if (const char* sink = std::getenv("RODEMIR_AUDIO_SINK")) return *sink != '\0';
  if (std::getenv("PULSE_SERVER")) return true;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) {
    if (Exists(std::string(runtime) + "/pulse/native") || Exists(std::string(runtime) + "/pipewire-0")) return true;
  }
  glob_t found{};
  bool any = glob("/dev/snd/pcmC*D*p", 0, nullptr, &found) == 0 && found.gl_pathc > 0;
  globfree(&found);
  return any;
}

}  // namespace

MMRESULT waveOutSetVolume(HWAVEOUT hwo, DWORD dwVolume) {
  if (hwo) return MMSYSERR_INVALHANDLE;
  if (!SoundOutputExists()) return MMSYSERR_NODRIVER;
  g_volume = dwVolume;
  // One level for both channels: the louder one.
  platform::SetProgramVolume(std::max(LOWORD(dwVolume), HIWORD(dwVolume)) / 65535.0);
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

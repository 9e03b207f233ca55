#pragma once
// The program's own sound volume (not the system mixer): the low word is the left channel,
// the high word the right, 0 to 0xFFFF each. The media layer applies it to every playing
// graph through ProgramVolume and ProgramVolumeWatch.
#include <functional>

#include "platform/base/WinTypes.h"

struct HWAVEOUT__;
using HWAVEOUT = HWAVEOUT__*;
using MMRESULT = UINT;

constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_NODRIVER = 6;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;

// Only the default device (a null handle) exists. Both fail with MMSYSERR_NODRIVER when
// there is no sound output at all.
MMRESULT waveOutSetVolume(HWAVEOUT hwo, DWORD dwVolume);
MMRESULT waveOutGetVolume(HWAVEOUT hwo, LPDWORD pdwVolume);
// 1 when a sound output exists, else 0.
UINT waveOutGetNumDevs();

namespace platform {

// The volume as a factor from 0 to 1 (the louder of the two channels).
double ProgramVolume();

// Calls `onChange` with the new factor after every change, on the thread that made it,
// until the watch is destroyed.
class ProgramVolumeWatch {
public:
  explicit ProgramVolumeWatch(std::function<void(double)> onChange);
  ~ProgramVolumeWatch();
  ProgramVolumeWatch(const ProgramVolumeWatch&) = delete;
  ProgramVolumeWatch& operator=(const ProgramVolumeWatch&) = delete;

private:
  int m_id;
};

}  // namespace platform

#pragma once
// The program's own sound volume (not the system mixer): the low word is the left channel,
// the high word the right, 0 to 0xFFFF each. A change sets the media layer's program
// volume (platform/media/Volume.h), which every playing graph applies.
#include "platform/base/WinTypes.h"

struct HWAVEOUT__;
using HWAVEOUT = HWAVEOUT__*;
using MMRESULT = UINT;

constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_NODRIVER = 6;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;

// Only the default device (a null handle) exists. Both fail with MMSYSERR_NODRIVER when
// there is no sound output at all, or when RODEMIR_AUDIO_SINK is set but empty.
MMRESULT waveOutSetVolume(HWAVEOUT hwo, DWORD dwVolume);
MMRESULT waveOutGetVolume(HWAVEOUT hwo, LPDWORD pdwVolume);
// 1 when a sound output exists, else 0.
UINT waveOutGetNumDevs();

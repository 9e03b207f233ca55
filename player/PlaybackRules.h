#pragma once
// Values the transport derives from its controls: the rate of a speed slider position, the
// device volume word of a volume slider position, and the text of a time label.
#include "platform/base/String.h"

// Speed slider positions 1..9 to a playback rate; any other position plays at 1.0.
float RateFromSpeed(int nPos);

// Both channels at pos x 655.35, truncated: the low word is the left channel, the high the right.
DWORD VolumeWord(int nPos);

// "hh:mm:ss" of a time in ms; hours take as many digits as they need, negative times read 0.
CString FormatHms(LONGLONG llMilliseconds);

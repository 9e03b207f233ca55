#include "player/PlaybackRules.h"

#include <algorithm>

float RateFromSpeed(int nPos) {
  static const float kRates[] = {0.2f, 0.4f, 0.6f, 0.8f, 1.0f, 1.25f, 1.5f, 1.75f, 2.0f};
  if (nPos < 1 || nPos > 9) return 1.0f;
  return kRates[nPos - 1];
}

DWORD VolumeWord(int nPos) {
  long level = static_cast<long>(nPos * 655.35);
  DWORD channel = static_cast<DWORD>(std::clamp(level, 0L, 0xFFFFL));
  return channel | (channel << 16);
}

CString FormatHms(LONGLONG llMilliseconds) {
  LONGLONG s = std::max<LONGLONG>(llMilliseconds, 0) / 1000;
  CString text;
  text.Format(L"%02lld:%02lld:%02lld", s / 3600, (s % 3600) / 60, s % 60);
  return text;
}

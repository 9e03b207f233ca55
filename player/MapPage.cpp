#include "player/MapPage.h"

#include <charconv>
#include <cmath>
#include <string>

#include "app/LangStringTable.h"
#include "app/UiLanguage.h"
#include "platform/base/System.h"

namespace {

const wchar_t* LanguageCode(WORD langID) {
  switch (langID) {
    case LANG_ID_JAPANESE: return L"ja";
    case LANG_ID_RUSSIAN: return L"ru";
    case LANG_ID_KOREAN: return L"ko";
    default: return L"en";
  }
}

// What "%lf" prints, with a '.' whatever LC_NUMERIC says.
std::wstring FixedSix(double value) {
  char text[400];
  auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6).ptr;
  return std::wstring(text, end);
}

}  // namespace

CString BuildMapPageAddress(const CString& programFolder, WORD langID) {
  return programFolder + L"MapView.htm?language=" + LanguageCode(langID);
}

CString MapPageAddress() {
  WORD langID = LANG_ID_ENGLISH;
  GetUiLanguage(langID);
  return BuildMapPageAddress(GetModuleFolder(), langID);
}

INT_PTR FindMapSample(const CArray<CGPSData, CGPSData&>& samples, UINT time) {
  for (INT_PTR i = 0; i < samples.GetSize(); ++i) {
    if (samples[i].m_nTime >= time) return i;
  }
  return -1;
}

bool IsMapPosition(double latitude, double longitude) {
  if (!std::isfinite(latitude) || !std::isfinite(longitude)) return false;
  if (std::fabs(latitude) > 90.0 || std::fabs(longitude) > 180.0) return false;
  return latitude != 0.0 || longitude != 0.0;
}

bool MapSampleAt(const CTextData& data, CCriticalSection& cs, UINT time, CGPSData& sample) {
  {
    CSingleLock lock(&cs, TRUE);
    INT_PTR i = FindMapSample(data.m_arrGPS, time);
    if (i < 0) return false;
    sample = data.m_arrGPS[i];
  }
  return sample.m_bValid != 0 && IsMapPosition(sample.m_dCoord2, sample.m_dCoord1);
}

CString DrawCurrentScript(double coord2, double coord1, int zoom) {
  std::wstring text = L"javascript:DrawCurrent('" + FixedSix(coord2) + L"', '" + FixedSix(coord1) + L"','" +
                      std::to_wstring(zoom) + L"')";
  return CString(text.c_str());
}

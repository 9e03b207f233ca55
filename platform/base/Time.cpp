#include "platform/base/Time.h"

#include <cwchar>

CTime::CTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  tm.tm_isdst = -1;
  std::time_t t = std::mktime(&tm);
  m_time = (t == static_cast<std::time_t>(-1)) ? 0 : static_cast<__time64_t>(t);
}

CTime CTime::GetCurrentTime() { return CTime(static_cast<__time64_t>(std::time(nullptr))); }

std::tm CTime::Local() const {
  std::time_t t = static_cast<std::time_t>(m_time);
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}

CString CTime::Format(const wchar_t* fmt) const {
  std::tm tm = Local();
  wchar_t buf[256];
  size_t n = std::wcsftime(buf, 256, fmt ? fmt : L"", &tm);
  return CString(buf, static_cast<int>(n));
}

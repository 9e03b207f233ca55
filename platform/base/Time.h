#pragma once
// CTime: seconds since the epoch; the broken-down fields are local time.
#include <ctime>

#include "platform/base/String.h"
#include "platform/base/WinTypes.h"

using __time64_t = std::int64_t;

class CTimeSpan {
public:
  CTimeSpan() = default;
  explicit CTimeSpan(__time64_t seconds) : m_span(seconds) {}
  CTimeSpan(LONG days, int hours, int minutes, int seconds)
      : m_span(((static_cast<__time64_t>(days) * 24 + hours) * 60 + minutes) * 60 + seconds) {}
  __time64_t GetTotalSeconds() const { return m_span; }
  LONGLONG GetDays() const { return m_span / 86400; }

private:
  __time64_t m_span = 0;
};

class CTime {
public:
  CTime() = default;
  CTime(__time64_t t) : m_time(t) {}
  // Local time; invalid fields give 0.
  CTime(int year, int month, int day, int hour, int minute, int second);

  static CTime GetCurrentTime();
  __time64_t GetTime() const { return m_time; }
  int GetYear() const { return Local().tm_year + 1900; }
  int GetMonth() const { return Local().tm_mon + 1; }
  int GetDay() const { return Local().tm_mday; }
  int GetHour() const { return Local().tm_hour; }
  int GetMinute() const { return Local().tm_min; }
  int GetSecond() const { return Local().tm_sec; }
  int GetDayOfWeek() const { return Local().tm_wday + 1; }  // 1 = Sunday
  // strftime-style format of the local time.
  CString Format(const wchar_t* fmt) const;

  CTimeSpan operator-(CTime other) const { return CTimeSpan(m_time - other.m_time); }
  CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTotalSeconds()); }
  CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTotalSeconds()); }
  bool operator==(CTime o) const { return m_time == o.m_time; }
  bool operator!=(CTime o) const { return m_time != o.m_time; }
  bool operator<(CTime o) const { return m_time < o.m_time; }
  bool operator<=(CTime o) const { return m_time <= o.m_time; }
  bool operator>(CTime o) const { return m_time > o.m_time; }
  bool operator>=(CTime o) const { return m_time >= o.m_time; }

private:
  std::tm Local() const;
  __time64_t m_time = 0;
};

#pragma once
// Days as numbers counted from 1970-01-01 (proleptic Gregorian), and the month and day
// names the calendar shows in the user's language.
#include <string>

#include "platform/base/WinTypes.h"

namespace platform::detail {

struct CivilDate {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
};

long DayNumber(const CivilDate& date);
CivilDate DateOfDay(long day);
int Weekday(long day);  // 0 = Sunday
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);
// The same day of the month `months` later (earlier when negative), kept inside the month.
long AddMonths(long day, int months);

// The words come from the layer's text table; the order of the week and the date's
// format follow the language.
struct CalendarNames {
  int firstDayOfWeek = 0;    // 0 = Sunday
  std::wstring weekdays[7];  // short, from Sunday
  std::wstring months[12];
  std::wstring monthTitle;  // "%1" the month's name, "%2" the year
  std::wstring today;       // the label of the today line
  std::wstring (*shortDate)(const CivilDate& date) = nullptr;

  std::wstring Title(int year, int month) const;
};

// Korean, Japanese and Russian names for their languages, English for any other.
const CalendarNames& NamesFor(LANGID language);

}  // namespace platform::detail

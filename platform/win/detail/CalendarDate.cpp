#include "platform/win/detail/CalendarDate.h"

#include <cstdio>
#include <string>

#include "platform/base/PlatformText.h"

namespace platform::detail {

// Civil-date conversions after the well-known era-based algorithm (eras of 400 years).
long DayNumber(const CivilDate& date) {
  long y = date.year - (date.month <= 2 ? 1 : 0);
  long era = (y >= 0 ? y : y - 399) / 400;
  long yoe = y - era * 400;
  long mp = (date.month + 9) % 12;
  long doy = (153 * mp + 2) / 5 + date.day - 1;
  long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CivilDate DateOfDay(long day) {
  day += 719468;
  long era = (day >= 0 ? day : day - 146096) / 146097;
  long doe = day - era * 146097;
  long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  long mp = (5 * doy + 2) / 153;
  CivilDate d;
  d.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  d.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  d.year = static_cast<int>(yoe + era * 400 + (d.month <= 2 ? 1 : 0));
  return d;
}

int Weekday(long day) { return static_cast<int>(((day % 7) + 11) % 7); }  // day 0 was a Thursday

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return days[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1601 && year <= 30827 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

long AddMonths(long day, int months) {
  CivilDate d = DateOfDay(day);
  int index = d.year * 12 + (d.month - 1) + months;
  d.year = index / 12;
  d.month = index % 12 + 1;
  if (d.day > DaysInMonth(d.year, d.month)) d.day = DaysInMonth(d.year, d.month);
  return DayNumber(d);
}

namespace {

std::wstring Number(const wchar_t* format, int a, int b = 0, int c = 0) {
  wchar_t buffer[64];
  std::swprintf(buffer, 64, format, a, b, c);
  return buffer;
}

std::wstring EnglishDate(const CivilDate& d) { return Number(L"%d/%d/%d", d.month, d.day, d.year); }
std::wstring RussianDate(const CivilDate& d) { return Number(L"%02d.%02d.%d", d.day, d.month, d.year); }
std::wstring KoreanDate(const CivilDate& d) { return Number(L"%d-%02d-%02d", d.year, d.month, d.day); }
std::wstring JapaneseDate(const CivilDate& d) { return Number(L"%d/%02d/%02d", d.year, d.month, d.day); }

CalendarNames MakeNames(LANGID language, int firstDayOfWeek, std::wstring (*shortDate)(const CivilDate&)) {
  CalendarNames names;
  names.firstDayOfWeek = firstDayOfWeek;
  for (int i = 0; i < 7; ++i)
    names.weekdays[i] = GetPlatformText(PlatformText(int(PlatformText::CalendarSunday) + i), language);
  for (int i = 0; i < 12; ++i)
    names.months[i] = GetPlatformText(PlatformText(int(PlatformText::CalendarJanuary) + i), language);
  names.monthTitle = GetPlatformText(PlatformText::CalendarMonthTitle, language);
  names.today = GetPlatformText(PlatformText::CalendarToday, language);
  names.shortDate = shortDate;
  return names;
}

}  // namespace

std::wstring CalendarNames::Title(int year, int month) const {
  return ReplacePlaceholders(monthTitle, {months[(month + 11) % 12], Number(L"%d", year)});
}

const CalendarNames& NamesFor(LANGID language) {
  static const CalendarNames english = MakeNames(1033, 0, EnglishDate);
  static const CalendarNames korean = MakeNames(1042, 0, KoreanDate);
  static const CalendarNames japanese = MakeNames(1041, 0, JapaneseDate);
  static const CalendarNames russian = MakeNames(1049, 1, RussianDate);
  switch (language & 0x3FF) {
    case 0x12: return korean;
    case 0x11: return japanese;
    case 0x19: return russian;
    default: return english;
  }
}

}  // namespace platform::detail

#include "platform/win/detail/CalendarDate.h"

#include <cstdio>
#include <string>

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

std::wstring EnglishTitle(int year, int month) {
  static const wchar_t* months[] = {L"January", L"February", L"March",     L"April",   L"May",      L"June",
                                    L"July",    L"August",   L"September", L"October", L"November", L"December"};
  return std::wstring(months[month - 1]) + Number(L" %d", year);
}
std::wstring RussianTitle(int year, int month) {
  static const wchar_t* months[] = {L"Январь", L"Февраль", L"Март",     L"Апрель",  L"Май",    L"Июнь",
                                    L"Июль",   L"Август",  L"Сентябрь", L"Октябрь", L"Ноябрь", L"Декабрь"};
  return std::wstring(months[month - 1]) + Number(L" %d", year);
}
std::wstring KoreanTitle(int year, int month) { return Number(L"%d년 %d월", year, month); }
std::wstring JapaneseTitle(int year, int month) { return Number(L"%d年%d月", year, month); }

std::wstring EnglishDate(const CivilDate& d) { return Number(L"%d/%d/%d", d.month, d.day, d.year); }
std::wstring RussianDate(const CivilDate& d) { return Number(L"%02d.%02d.%d", d.day, d.month, d.year); }
std::wstring KoreanDate(const CivilDate& d) { return Number(L"%d-%02d-%02d", d.year, d.month, d.day); }
std::wstring JapaneseDate(const CivilDate& d) { return Number(L"%d/%02d/%02d", d.year, d.month, d.day); }

}  // namespace

const CalendarNames& NamesFor(LANGID language) {
  static const CalendarNames english{0, {L"Su", L"Mo", L"Tu", L"We", L"Th", L"Fr", L"Sa"}, L"Today:", EnglishTitle, EnglishDate};
  static const CalendarNames korean{0, {L"일", L"월", L"화", L"수", L"목", L"금", L"토"}, L"오늘:", KoreanTitle, KoreanDate};
  static const CalendarNames japanese{0, {L"日", L"月", L"火", L"水", L"木", L"金", L"土"}, L"今日:", JapaneseTitle, JapaneseDate};
  static const CalendarNames russian{1, {L"Вс", L"Пн", L"Вт", L"Ср", L"Чт", L"Пт", L"Сб"}, L"Сегодня:", RussianTitle, RussianDate};
  switch (language & 0x3FF) {
    case 0x12: return korean;
    case 0x11: return japanese;
    case 0x19: return russian;
    default: return english;
  }
}

}  // namespace platform::detail

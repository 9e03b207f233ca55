#pragma once
// The month calendar's state and geometry, shared by its procedure and its painting.
#include "platform/base/Geometry.h"
#include "platform/win/detail/CalendarDate.h"

namespace platform::detail {

struct MonthCalState {
  long selected = 0;  // day numbers (CalendarDate.h)
  long today = 0;
  long minDay = 0;
  long maxDay = 0;
  int shownYear = 1970;
  int shownMonth = 1;
  int firstDayOfWeek = 0;
  const CalendarNames* names = nullptr;
};

struct MonthCalLayout {
  CRect title, prev, next, weekdays, grid, todayLine;
  int cellWidth = 0;
  int cellHeight = 0;
};

enum class MonthCalHit { Nothing, Prev, Next, Day, Today };

MonthCalLayout LayoutMonthCal(HWND hwnd);
// The day shown in row 0..5, column 0..6 of the grid.
long GridDay(const MonthCalState& s, int row, int column);
MonthCalHit HitTestMonthCal(HWND hwnd, const MonthCalState& s, CPoint point, long* day);
void PaintMonthCal(HWND hwnd, const MonthCalState& s);
// The smallest size that shows everything in the window's font.
CSize MonthCalMinimumSize(HWND hwnd);

}  // namespace platform::detail

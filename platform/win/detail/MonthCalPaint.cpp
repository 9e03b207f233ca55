// Geometry and painting of the month calendar: a title band with the two month buttons,
// the weekday names, six weeks of days, and the today line.
#include <algorithm>

#include "platform/gdi/DC.h"
#include "platform/win/MonthCalCtrl.h"
#include "platform/win/Paint.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/detail/ControlSupport.h"
#include "platform/win/detail/ControlText.h"
#include "platform/win/detail/MonthCalState.h"

namespace platform::detail {

namespace {

bool ShowsToday(HWND hwnd) { return !(GetWindowLong(hwnd, GWL_STYLE) & MCS_NOTODAY); }

void DrawText(CDC* dc, const std::wstring& text, CRect r, COLORREF color) {
  dc->SetTextColor(color);
  dc->DrawText(text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void DrawArrow(CDC* dc, const CRect& r, bool left) {
  CPoint c = r.CenterPoint();
  COLORREF color = GetSysColor(COLOR_BTNTEXT);
  for (int i = 0; i < 5; ++i) {
    int x = left ? c.x - 2 + i : c.x + 2 - i;
    dc->FillSolidRect(x, c.y - i, 1, 2 * i + 1, color);
  }
}

void PaintDays(CDC* dc, const MonthCalState& s, const MonthCalLayout& l, bool circleToday) {
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 7; ++column) {
      long day = GridDay(s, row, column);
      CivilDate date = DateOfDay(day);
      CRect cell(l.grid.left + column * l.cellWidth, l.grid.top + row * l.cellHeight,
                 l.grid.left + (column + 1) * l.cellWidth, l.grid.top + (row + 1) * l.cellHeight);
      bool inMonth = date.month == s.shownMonth && date.year == s.shownYear;
      bool allowed = day >= s.minDay && day <= s.maxDay;
      COLORREF color = GetSysColor(inMonth && allowed ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
      if (day == s.selected && inMonth) {
        dc->FillSolidRect(&cell, GetSysColor(COLOR_HIGHLIGHT));
        color = GetSysColor(COLOR_HIGHLIGHTTEXT);
      }
      if (day == s.today && circleToday) dc->Draw3dRect(&cell, RGB(200, 0, 0), RGB(200, 0, 0));
      wchar_t number[4];
      std::swprintf(number, 4, L"%d", date.day);
      DrawText(dc, number, cell, color);
    }
  }
}

}  // namespace

MonthCalLayout LayoutMonthCal(HWND hwnd) {
  MonthCalLayout l;
  CRect client;
  GetClientRect(hwnd, &client);
  int textHeight = MeasureControlText(hwnd, L"0").cy;
  l.cellHeight = textHeight + 2;
  l.cellWidth = std::max(1, client.Width() / 7);
  int titleHeight = textHeight + 8;
  l.title = CRect(client.left, client.top, client.right, client.top + titleHeight);
  l.prev = CRect(l.title.left, l.title.top, l.title.left + titleHeight, l.title.bottom);
  l.next = CRect(l.title.right - titleHeight, l.title.top, l.title.right, l.title.bottom);
  int gridWidth = l.cellWidth * 7;
  int left = client.left + (client.Width() - gridWidth) / 2;
  l.weekdays = CRect(left, l.title.bottom + 2, left + gridWidth, l.title.bottom + 2 + l.cellHeight);
  l.grid = CRect(left, l.weekdays.bottom + 2, left + gridWidth, l.weekdays.bottom + 2 + 6 * l.cellHeight);
  if (ShowsToday(hwnd))
    l.todayLine = CRect(client.left, l.grid.bottom + 2, client.right, l.grid.bottom + 2 + l.cellHeight);
  return l;
}

long GridDay(const MonthCalState& s, int row, int column) {
  long first = DayNumber(CivilDate{s.shownYear, s.shownMonth, 1});
  int lead = (Weekday(first) - s.firstDayOfWeek + 7) % 7;
  return first - lead + row * 7 + column;
}

MonthCalHit HitTestMonthCal(HWND hwnd, const MonthCalState& s, CPoint point, long* day) {
  MonthCalLayout l = LayoutMonthCal(hwnd);
  if (l.prev.PtInRect(point)) return MonthCalHit::Prev;
  if (l.next.PtInRect(point)) return MonthCalHit::Next;
  if (l.todayLine.PtInRect(point)) {
    *day = s.today;
    return MonthCalHit::Today;
  }
  if (!l.grid.PtInRect(point)) return MonthCalHit::Nothing;
  int row = (point.y - l.grid.top) / l.cellHeight;
  int column = (point.x - l.grid.left) / l.cellWidth;
  *day = GridDay(s, row, column);
  return MonthCalHit::Day;
}

void PaintMonthCal(HWND hwnd, const MonthCalState& s) {
  PAINTSTRUCT ps;
  CDC* dc = CDC::FromHandle(BeginPaint(hwnd, &ps));
  CRect client;
  GetClientRect(hwnd, &client);
  MonthCalLayout l = LayoutMonthCal(hwnd);
  dc->FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
  {
    // Restored before EndPaint, which deletes the DC.
    CDCStateRestorer restore(dc);
    SelectWindowFont(hwnd, *dc);
    dc->SetBkMode(TRANSPARENT);
    dc->FillSolidRect(&l.title, GetSysColor(COLOR_3DFACE));
    DrawArrow(dc, l.prev, true);
    DrawArrow(dc, l.next, false);
    DrawText(dc, s.names->Title(s.shownYear, s.shownMonth), l.title, GetSysColor(COLOR_WINDOWTEXT));
    for (int column = 0; column < 7; ++column) {
      CRect cell(l.weekdays.left + column * l.cellWidth, l.weekdays.top, l.weekdays.left + (column + 1) * l.cellWidth,
                 l.weekdays.bottom);
      DrawText(dc, s.names->weekdays[(s.firstDayOfWeek + column) % 7], cell, GetSysColor(COLOR_HIGHLIGHT));
    }
    dc->FillSolidRect(l.weekdays.left, l.weekdays.bottom, l.weekdays.Width(), 1, GetSysColor(COLOR_3DSHADOW));
    bool circle = !(GetWindowLong(hwnd, GWL_STYLE) & MCS_NOTODAYCIRCLE);
    PaintDays(dc, s, l, circle);
    if (!l.todayLine.IsRectEmpty())
      DrawText(dc, s.names->today + L" " + s.names->shortDate(DateOfDay(s.today)), l.todayLine,
               GetSysColor(COLOR_WINDOWTEXT));
  }
  EndPaint(hwnd, &ps);
}

CSize MonthCalMinimumSize(HWND hwnd) {
  CSize cell = MeasureControlText(hwnd, L"00");
  int height = (cell.cy + 8) + 2 + (cell.cy + 2) * 7 + 2 + (ShowsToday(hwnd) ? cell.cy + 4 : 0);
  return CSize((cell.cx + 8) * 7, height);
}

}  // namespace platform::detail

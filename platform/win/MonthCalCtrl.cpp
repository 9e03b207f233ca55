#include "platform/win/MonthCalCtrl.h"

#include <algorithm>
#include <memory>

#include "platform/base/System.h"
#include "platform/win/Dialog.h"
#include "platform/win/WindowClass.h"
#include "platform/win/detail/ControlSupport.h"
#include "platform/win/detail/StandardClasses.h"
#include "platform/win/detail/MonthCalState.h"

using platform::detail::CivilDate;
using platform::detail::MonthCalState;

namespace {

std::shared_ptr<MonthCalState> State(HWND hwnd) { return platform::GetWindowState<MonthCalState>(hwnd); }

bool ToDay(const SYSTEMTIME* st, long* day) {
  if (!st || !platform::detail::IsValidDate(st->wYear, st->wMonth, st->wDay)) return false;
  *day = platform::detail::DayNumber(CivilDate{st->wYear, st->wMonth, st->wDay});
  return true;
}

SYSTEMTIME ToSystemTime(long day) {
  CivilDate d = platform::detail::DateOfDay(day);
  SYSTEMTIME st;
  st.wYear = static_cast<WORD>(d.year);
  st.wMonth = static_cast<WORD>(d.month);
  st.wDay = static_cast<WORD>(d.day);
  st.wDayOfWeek = static_cast<WORD>(platform::detail::Weekday(day));
  return st;
}

long Today() {
  CTime now = CTime::GetCurrentTime();
  return platform::detail::DayNumber(CivilDate{now.GetYear(), now.GetMonth(), now.GetDay()});
}

void Show(HWND hwnd, MonthCalState& s, long day) {
  CivilDate d = platform::detail::DateOfDay(day);
  s.shownYear = d.year;
  s.shownMonth = d.month;
  InvalidateRect(hwnd, nullptr, TRUE);
}

void Notify(HWND hwnd, const MonthCalState& s, UINT code) {
  HWND parent = GetParent(hwnd);
  if (!parent) return;
  NMSELCHANGE nm;
  nm.nmhdr.hwndFrom = hwnd;
  nm.nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
  nm.nmhdr.code = code;
  nm.stSelStart = nm.stSelEnd = ToSystemTime(s.selected);
  SendMessage(parent, WM_NOTIFY, nm.nmhdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

// The user's selection: kept inside the range, its month shown, the parent told.
void UserSelect(HWND hwnd, MonthCalState& s, long day, bool explicitChoice) {
  day = std::max(s.minDay, std::min(s.maxDay, day));
  bool changed = day != s.selected;
  s.selected = day;
  Show(hwnd, s, day);
  if (changed) Notify(hwnd, s, MCN_SELCHANGE);
  if (explicitChoice && IsWindow(hwnd)) Notify(hwnd, s, MCN_SELECT);
}

void OnClick(HWND hwnd, MonthCalState& s, CPoint point) {
  if (GetFocus() != hwnd) SetFocus(hwnd);
  long day = 0;
  switch (platform::detail::HitTestMonthCal(hwnd, s, point, &day)) {
    case platform::detail::MonthCalHit::Prev:
      UserSelect(hwnd, s, platform::detail::AddMonths(s.selected, -1), false);
      return;
    case platform::detail::MonthCalHit::Next:
      UserSelect(hwnd, s, platform::detail::AddMonths(s.selected, 1), false);
      return;
    case platform::detail::MonthCalHit::Day:
    case platform::detail::MonthCalHit::Today:
      if (day >= s.minDay && day <= s.maxDay) UserSelect(hwnd, s, day, true);
      return;
    case platform::detail::MonthCalHit::Nothing: return;
  }
}

void OnKey(HWND hwnd, MonthCalState& s, UINT vk) {
  CivilDate d = platform::detail::DateOfDay(s.selected);
  switch (vk) {
    case VK_LEFT: UserSelect(hwnd, s, s.selected - 1, false); return;
    case VK_RIGHT: UserSelect(hwnd, s, s.selected + 1, false); return;
    case VK_UP: UserSelect(hwnd, s, s.selected - 7, false); return;
    case VK_DOWN: UserSelect(hwnd, s, s.selected + 7, false); return;
    case VK_PRIOR: UserSelect(hwnd, s, platform::detail::AddMonths(s.selected, -1), false); return;
    case VK_NEXT: UserSelect(hwnd, s, platform::detail::AddMonths(s.selected, 1), false); return;
    case VK_HOME: UserSelect(hwnd, s, s.selected - (d.day - 1), false); return;
    case VK_END:
      UserSelect(hwnd, s, s.selected + (platform::detail::DaysInMonth(d.year, d.month) - d.day), false);
      return;
    default: return;
  }
}

LRESULT SetCurSel(HWND hwnd, MonthCalState& s, const SYSTEMTIME* st) {
  long day = 0;
  if (!ToDay(st, &day) || day < s.minDay || day > s.maxDay) return FALSE;
  s.selected = day;
  Show(hwnd, s, day);
  return TRUE;
}

LRESULT GetRange(const MonthCalState& s, SYSTEMTIME* range) {
  if (range) {
    range[0] = ToSystemTime(s.minDay);
    range[1] = ToSystemTime(s.maxDay);
  }
  return GDTR_MIN | GDTR_MAX;
}

// Limits not given fall back to the default range; the selection moves inside.
LRESULT SetRange(HWND hwnd, MonthCalState& s, DWORD which, const SYSTEMTIME* range) {
  long low = platform::detail::DayNumber(CivilDate{1970, 1, 1});
  long high = platform::detail::DayNumber(CivilDate{3000, 12, 31});
  if ((which & GDTR_MIN) && !ToDay(&range[0], &low)) return FALSE;
  if ((which & GDTR_MAX) && !ToDay(&range[1], &high)) return FALSE;
  if (low > high) return FALSE;
  s.minDay = low;
  s.maxDay = high;
  s.selected = std::max(low, std::min(high, s.selected));
  Show(hwnd, s, s.selected);
  return TRUE;
}

LRESULT OnCreate(HWND hwnd) {
  auto s = std::make_shared<MonthCalState>();
  s->names = &platform::detail::NamesFor(GetThreadUILanguage());
  s->firstDayOfWeek = s->names->firstDayOfWeek;
  s->minDay = platform::detail::DayNumber(CivilDate{1970, 1, 1});
  s->maxDay = platform::detail::DayNumber(CivilDate{3000, 12, 31});
  s->today = s->selected = std::max(s->minDay, std::min(s->maxDay, Today()));
  platform::SetWindowState(hwnd, s);
  Show(hwnd, *s, s->selected);
  return 0;
}

LRESULT CALLBACK_MonthCalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) return OnCreate(hwnd);
  auto s = State(hwnd);
  if (!s) return DefWindowProc(hwnd, message, wParam, lParam);
  switch (message) {
    case MCM_GETCURSEL:
      if (auto* st = reinterpret_cast<SYSTEMTIME*>(lParam)) *st = ToSystemTime(s->selected);
      return lParam != 0;
    case MCM_SETCURSEL: return SetCurSel(hwnd, *s, reinterpret_cast<const SYSTEMTIME*>(lParam));
    case MCM_GETRANGE: return GetRange(*s, reinterpret_cast<SYSTEMTIME*>(lParam));
    case MCM_SETRANGE:
      return SetRange(hwnd, *s, static_cast<DWORD>(wParam), reinterpret_cast<const SYSTEMTIME*>(lParam));
    case MCM_GETTODAY:
      if (auto* st = reinterpret_cast<SYSTEMTIME*>(lParam)) *st = ToSystemTime(s->today);
      return lParam != 0;
    case MCM_SETTODAY: {
      long day = 0;
      s->today = ToDay(reinterpret_cast<const SYSTEMTIME*>(lParam), &day) ? day : Today();
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    }
    case MCM_GETFIRSTDAYOFWEEK: return (s->firstDayOfWeek + 6) % 7;  // 0 = Monday in the message
    case MCM_SETFIRSTDAYOFWEEK:
      s->firstDayOfWeek = static_cast<int>(lParam) == 6 ? 0 : static_cast<int>(lParam) + 1;  // 0 = Monday here
      InvalidateRect(hwnd, nullptr, TRUE);
      return TRUE;
    case MCM_GETMINREQRECT: {
      auto* r = reinterpret_cast<RECT*>(lParam);
      if (!r) return FALSE;
      CSize size = platform::detail::MonthCalMinimumSize(hwnd);
      *r = CRect(0, 0, size.cx, size.cy);
      return TRUE;
    }
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnClick(hwnd, *s, CPoint(lParam)); return 0;
    case WM_KEYDOWN: OnKey(hwnd, *s, static_cast<UINT>(wParam)); return 0;
    case WM_SETFONT:
      DefWindowProc(hwnd, message, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: platform::detail::PaintMonthCal(hwnd, *s); return 0;
    default: return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

}  // namespace

namespace platform::detail {

void RegisterMonthCalClass() {
  WNDCLASS wc;
  wc.lpszClassName = MONTHCAL_CLASS;
  wc.lpfnWndProc = CALLBACK_MonthCalProc;
  wc.style = CS_DBLCLKS;
  RegisterClass(&wc);
}

}  // namespace platform::detail

IMPLEMENT_DYNAMIC(CMonthCalCtrl, CWnd)

BOOL CMonthCalCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(MONTHCAL_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CMonthCalCtrl::GetCurSel(SYSTEMTIME* pDateTime) const {
  return static_cast<BOOL>(SendMessage(MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(pDateTime)));
}

BOOL CMonthCalCtrl::GetCurSel(CTime& refDateTime) const {
  SYSTEMTIME st;
  if (!GetCurSel(&st)) return FALSE;
  CTime day(st.wYear, st.wMonth, st.wDay, 0, 0, 0);
  if (day.GetTime() == 0 && !(st.wYear == 1970 && st.wMonth == 1 && st.wDay == 1)) return FALSE;
  refDateTime = day;
  return TRUE;
}

BOOL CMonthCalCtrl::SetCurSel(const SYSTEMTIME* pDateTime) {
  return static_cast<BOOL>(SendMessage(MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(pDateTime)));
}

BOOL CMonthCalCtrl::SetCurSel(const CTime& refDateTime) {
  SYSTEMTIME st;
  st.wYear = static_cast<WORD>(refDateTime.GetYear());
  st.wMonth = static_cast<WORD>(refDateTime.GetMonth());
  st.wDay = static_cast<WORD>(refDateTime.GetDay());
  return SetCurSel(&st);
}

DWORD CMonthCalCtrl::GetRange(SYSTEMTIME* pMinRange, SYSTEMTIME* pMaxRange) const {
  SYSTEMTIME range[2];
  DWORD which = static_cast<DWORD>(SendMessage(MCM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)));
  if (pMinRange) *pMinRange = range[0];
  if (pMaxRange) *pMaxRange = range[1];
  return which;
}

BOOL CMonthCalCtrl::SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange) {
  SYSTEMTIME range[2];
  DWORD which = 0;
  if (pMinRange) {
    range[0] = *pMinRange;
    which |= GDTR_MIN;
  }
  if (pMaxRange) {
    range[1] = *pMaxRange;
    which |= GDTR_MAX;
  }
  return static_cast<BOOL>(SendMessage(MCM_SETRANGE, which, reinterpret_cast<LPARAM>(range)));
}

BOOL CMonthCalCtrl::SetRange(const CTime* pMinRange, const CTime* pMaxRange) {
  auto convert = [](const CTime& t) {
    SYSTEMTIME st;
    st.wYear = static_cast<WORD>(t.GetYear());
    st.wMonth = static_cast<WORD>(t.GetMonth());
    st.wDay = static_cast<WORD>(t.GetDay());
    return st;
  };
  SYSTEMTIME low, high;
  if (pMinRange) low = convert(*pMinRange);
  if (pMaxRange) high = convert(*pMaxRange);
  return SetRange(pMinRange ? &low : nullptr, pMaxRange ? &high : nullptr);
}

BOOL CMonthCalCtrl::GetToday(SYSTEMTIME* pDateTime) const {
  return static_cast<BOOL>(SendMessage(MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(pDateTime)));
}

void CMonthCalCtrl::SetToday(const SYSTEMTIME* pDateTime) {
  SendMessage(MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(pDateTime));
}

BOOL CMonthCalCtrl::GetMinReqRect(RECT* pRect) const {
  return static_cast<BOOL>(SendMessage(MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(pRect)));
}

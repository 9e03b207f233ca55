#pragma once
// The month calendar ("SysMonthCal32"), single-day selection: one month shown with
// buttons to the previous and next month, the days of the neighbouring months greyed,
// today marked, and a line naming today. Days outside the allowed range cannot be chosen;
// unless narrowed with SetRange the range is 1970-01-01 to 3000-12-31, the days a CTime
// can hold. A click on a day, the arrows and Page Up/Down change the selection and send
// MCN_SELCHANGE (a click then MCN_SELECT); moving to another month moves the selection
// with it. SetCurSel, SetRange and SetToday do not notify. Names follow the user's language.
#include "platform/base/Time.h"
#include "platform/win/Wnd.h"

#define MONTHCAL_CLASS L"SysMonthCal32"

struct SYSTEMTIME {
  WORD wYear = 0;
  WORD wMonth = 0;
  WORD wDayOfWeek = 0;  // 0 = Sunday
  WORD wDay = 0;
  WORD wHour = 0;
  WORD wMinute = 0;
  WORD wSecond = 0;
  WORD wMilliseconds = 0;
};
using LPSYSTEMTIME = SYSTEMTIME*;

constexpr DWORD MCS_DAYSTATE = 0x0001;
constexpr DWORD MCS_MULTISELECT = 0x0002;
constexpr DWORD MCS_WEEKNUMBERS = 0x0004;
constexpr DWORD MCS_NOTODAYCIRCLE = 0x0008;
constexpr DWORD MCS_NOTODAY = 0x0010;

constexpr UINT MCM_FIRST = 0x1000;
constexpr UINT MCM_GETCURSEL = MCM_FIRST + 1;
constexpr UINT MCM_SETCURSEL = MCM_FIRST + 2;
constexpr UINT MCM_GETMINREQRECT = MCM_FIRST + 9;
constexpr UINT MCM_SETTODAY = MCM_FIRST + 12;
constexpr UINT MCM_GETTODAY = MCM_FIRST + 13;
constexpr UINT MCM_HITTEST = MCM_FIRST + 14;
constexpr UINT MCM_SETFIRSTDAYOFWEEK = MCM_FIRST + 15;
constexpr UINT MCM_GETFIRSTDAYOFWEEK = MCM_FIRST + 16;
constexpr UINT MCM_GETRANGE = MCM_FIRST + 17;
constexpr UINT MCM_SETRANGE = MCM_FIRST + 18;

constexpr DWORD GDTR_MIN = 0x0001;
constexpr DWORD GDTR_MAX = 0x0002;

constexpr UINT MCN_SELECT = static_cast<UINT>(-746);
constexpr UINT MCN_SELCHANGE = static_cast<UINT>(-749);

struct NMSELCHANGE {
  NMHDR nmhdr;
  SYSTEMTIME stSelStart;
  SYSTEMTIME stSelEnd;
};
using LPNMSELCHANGE = NMSELCHANGE*;

class CMonthCalCtrl : public CWnd {
  DECLARE_DYNAMIC(CMonthCalCtrl)

public:
  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  BOOL GetCurSel(SYSTEMTIME* pDateTime) const;
  // The selected day at local midnight; `refDateTime` is unchanged when the control fails.
  BOOL GetCurSel(CTime& refDateTime) const;
  BOOL SetCurSel(const SYSTEMTIME* pDateTime);
  BOOL SetCurSel(const CTime& refDateTime);
  DWORD GetRange(SYSTEMTIME* pMinRange, SYSTEMTIME* pMaxRange) const;
  BOOL SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange);
  BOOL SetRange(const CTime* pMinRange, const CTime* pMaxRange);
  BOOL GetToday(SYSTEMTIME* pDateTime) const;
  void SetToday(const SYSTEMTIME* pDateTime);
  BOOL GetMinReqRect(RECT* pRect) const;
};

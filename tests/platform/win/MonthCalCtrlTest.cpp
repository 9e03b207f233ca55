#include <gtest/gtest.h>

#include <vector>

#include "platform/base/UiDispatch.h"
#include "platform/win/Dialog.h"
#include "platform/win/MonthCalCtrl.h"
#include "platform/win/WindowClass.h"
#include "platform/win/detail/MonthCalState.h"
#include "tests/support/ScopedUiLanguage.h"
#include "tests/support/WindowHarness.h"

namespace {

constexpr int kId = 1094;

struct Notice {
  UINT code;
  SYSTEMTIME day;
};
std::vector<Notice> g_notices;

LRESULT ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    auto* nm = reinterpret_cast<NMSELCHANGE*>(lParam);
    if (nm->nmhdr.idFrom == kId) g_notices.push_back({nm->nmhdr.code, nm->stSelStart});
    return 0;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

SYSTEMTIME Day(int y, int m, int d) {
  SYSTEMTIME st;
  st.wYear = static_cast<WORD>(y);
  st.wMonth = static_cast<WORD>(m);
  st.wDay = static_cast<WORD>(d);
  return st;
}

class MonthCalCtrlTest : public ::testing::Test {
protected:
  void SetUp() override {
    WNDCLASS wc;
    wc.lpszClassName = L"CalParent";
    wc.lpfnWndProc = ParentProc;
    RegisterClass(&wc);
    parent = CreateWindowEx(0, L"CalParent", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr, nullptr);
    ASSERT_TRUE(cal.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 224, 162), CWnd::FromHandle(parent), kId));
    harness.Pump();
    g_notices.clear();
  }
  void TearDown() override { DestroyWindow(parent); }

  BOOL SetDay(int y, int m, int d) {
    SYSTEMTIME st = Day(y, m, d);
    return cal.SetCurSel(&st);
  }
  SYSTEMTIME Selected() {
    SYSTEMTIME st;
    EXPECT_TRUE(cal.GetCurSel(&st));
    return st;
  }
  // Clicks the cell that shows `day` in the month on view.
  void ClickDay(int y, int m, int d) {
    auto state = platform::GetWindowState<platform::detail::MonthCalState>(cal);
    long wanted = platform::detail::DayNumber({y, m, d});
    platform::detail::MonthCalLayout l = platform::detail::LayoutMonthCal(cal);
    for (int row = 0; row < 6; ++row)
      for (int column = 0; column < 7; ++column)
        if (platform::detail::GridDay(*state, row, column) == wanted) {
          harness.Click(cal, CPoint(l.grid.left + column * l.cellWidth + 2, l.grid.top + row * l.cellHeight + 2));
          return;
        }
    ADD_FAILURE() << "day not on view";
  }
  void ClickNext() {
    platform::detail::MonthCalLayout l = platform::detail::LayoutMonthCal(cal);
    harness.Click(cal, l.next.CenterPoint());
  }

  platform::test::WindowHarness harness;
  HWND parent = nullptr;
  CMonthCalCtrl cal;
};

TEST_F(MonthCalCtrlTest, OpensOnTodayAndGivesItAsLocalMidnight) {
  CTime now = CTime::GetCurrentTime();
  CTime selected;
  ASSERT_TRUE(cal.GetCurSel(selected));
  EXPECT_EQ(selected, CTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0));
  SYSTEMTIME today;
  cal.GetToday(&today);
  EXPECT_EQ(today.wDay, now.GetDay());
}

TEST_F(MonthCalCtrlTest, CodeSelectsQuietlyWithinTheRange) {
  EXPECT_TRUE(SetDay(2024, 2, 29));
  SYSTEMTIME st = Selected();
  EXPECT_EQ(st.wYear, 2024);
  EXPECT_EQ(st.wMonth, 2);
  EXPECT_EQ(st.wDay, 29);
  EXPECT_EQ(st.wDayOfWeek, 4);  // a Thursday
  EXPECT_EQ(st.wHour, 0);
  EXPECT_FALSE(SetDay(2023, 2, 29));
  // The default range is what a CTime can hold.
  EXPECT_FALSE(SetDay(1969, 12, 31));
  EXPECT_FALSE(SetDay(3001, 1, 1));
  SYSTEMTIME low, high;
  EXPECT_EQ(cal.GetRange(&low, &high), GDTR_MIN | GDTR_MAX);
  EXPECT_EQ(low.wYear, 1970);
  EXPECT_EQ(high.wYear, 3000);
  EXPECT_TRUE(g_notices.empty());
}

TEST_F(MonthCalCtrlTest, ClickOnADayNotifiesChangeThenSelect) {
  SetDay(2024, 5, 10);
  harness.Pump();
  ClickDay(2024, 5, 21);
  ASSERT_EQ(g_notices.size(), 2u);
  EXPECT_EQ(g_notices[0].code, MCN_SELCHANGE);
  EXPECT_EQ(g_notices[0].day.wDay, 21);
  EXPECT_EQ(g_notices[1].code, MCN_SELECT);
  CTime picked;
  cal.GetCurSel(picked);
  EXPECT_EQ(picked, CTime(2024, 5, 21, 0, 0, 0));
  // A greyed day of the next month selects it and brings its month.
  g_notices.clear();
  ClickDay(2024, 6, 1);
  EXPECT_EQ(Selected().wMonth, 6);
  EXPECT_EQ(g_notices.front().code, MCN_SELCHANGE);
}

TEST_F(MonthCalCtrlTest, MonthButtonsAndKeysMoveTheSelectionInsideTheRange) {
  SetDay(2024, 1, 31);
  SYSTEMTIME low = Day(2024, 1, 15), high = Day(2024, 3, 20);
  EXPECT_TRUE(cal.SetRange(&low, &high));
  harness.Pump();
  ClickNext();
  EXPECT_EQ(Selected().wMonth, 2);
  EXPECT_EQ(Selected().wDay, 29);  // kept inside February
  ClickNext();
  EXPECT_EQ(Selected().wDay, 20);  // and inside the range
  g_notices.clear();
  ClickNext();
  EXPECT_TRUE(g_notices.empty());  // nothing changed
  cal.SetFocus();
  harness.Key(VK_LEFT);
  EXPECT_EQ(Selected().wDay, 19);
  harness.Key(VK_PRIOR);
  EXPECT_EQ(Selected().wMonth, 2);
  ASSERT_EQ(g_notices.size(), 2u);
  EXPECT_EQ(g_notices[1].code, MCN_SELCHANGE);
  // Days before the range are not taken.
  SetDay(2024, 1, 20);
  harness.Pump();
  ClickDay(2024, 1, 10);
  EXPECT_EQ(Selected().wDay, 20);
}

TEST_F(MonthCalCtrlTest, PaintsTheSelectedDayHighlighted) {
  SetDay(2024, 5, 10);
  harness.Pump();
  auto state = platform::GetWindowState<platform::detail::MonthCalState>(cal);
  platform::detail::MonthCalLayout l = platform::detail::LayoutMonthCal(cal);
  long wanted = platform::detail::DayNumber({2024, 5, 10});
  for (int row = 0; row < 6; ++row)
    for (int column = 0; column < 7; ++column)
      if (platform::detail::GridDay(*state, row, column) == wanted) {
        EXPECT_EQ(
            harness.Pixel(cal, CPoint(l.grid.left + column * l.cellWidth + 1, l.grid.top + row * l.cellHeight + 1)),
            GetSysColor(COLOR_HIGHLIGHT));
      }
}

}  // namespace

namespace {

constexpr UINT kMonthTemplate = 9316;

class CMonthDlg : public CDialog {
public:
  CMonthDlg() : CDialog(kMonthTemplate) {}
  CMonthCalCtrl m_cal;
  CTime m_time;

protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kId, m_cal); }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_cal.GetCurSel(m_time);
    return TRUE;
  }
  void OnSelChange(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    m_cal.GetCurSel(m_time);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMonthDlg, CDialog)
  ON_NOTIFY(MCN_SELCHANGE, kId, OnSelChange)
END_MESSAGE_MAP()

TEST_F(MonthCalCtrlTest, CalendarInATemplateDialogReportsTheDayTheUserMovedTo) {
  DialogTemplate t;
  t.id = kMonthTemplate;
  t.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT;
  t.rect = CRect(0, 0, 149, 115);
  t.fontFace = L"MS Shell Dlg";
  t.fontPointSize = 8;
  t.controls = {{MONTHCAL_CLASS, L"", kId, WS_VISIBLE | WS_TABSTOP, 0, CRect(0, 0, 149, 100)}};
  platform::RegisterDialogTemplate(t);
  CMonthDlg dlg;
  CTime before;
  platform::PostToUiThread([this, &dlg, &before] {
    before = dlg.m_time;
    harness.Key(VK_RIGHT);
    dlg.SendMessage(WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  CTime now = CTime::GetCurrentTime();
  EXPECT_EQ(before, CTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0));
  CTime next = before + CTimeSpan(1, 2, 0, 0);  // past a daylight-saving change too
  EXPECT_EQ(dlg.m_time, CTime(next.GetYear(), next.GetMonth(), next.GetDay(), 0, 0, 0));
}

}  // namespace

namespace {

TEST_F(MonthCalCtrlTest, NamesAndTheWeeksFirstDayFollowTheThreadsUiLanguage) {
  struct Expected {
    LANGID language;
    const wchar_t* title;
    const wchar_t* firstColumn;
    const wchar_t* today;
  };
  const Expected all[] = {{1042, L"2026년 12월", L"일", L"오늘:"},
                          {1033, L"December 2026", L"Su", L"Today:"},
                          {1041, L"2026年12月", L"日", L"今日:"},
                          {1049, L"Декабрь 2026", L"Пн", L"Сегодня:"}};
  for (const Expected& e : all) {
    platform::test::ScopedUiLanguage ui(e.language);
    CMonthCalCtrl local;
    ASSERT_TRUE(local.Create(WS_CHILD, CRect(0, 0, 224, 162), CWnd::FromHandle(parent), kId + 1));
    auto state = platform::GetWindowState<platform::detail::MonthCalState>(local);
    EXPECT_EQ(state->names->Title(2026, 12), e.title);
    EXPECT_EQ(state->names->weekdays[state->firstDayOfWeek], e.firstColumn);
    EXPECT_EQ(state->names->today, e.today);
    local.DestroyWindow();
  }
}

}  // namespace

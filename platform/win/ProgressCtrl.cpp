#include "platform/win/ProgressCtrl.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/win/WindowClass.h"
#include "platform/win/detail/ControlSupport.h"
#include "platform/win/detail/StandardClasses.h"

namespace {

constexpr UINT_PTR kMarqueeTimer = 1;
constexpr int kMarqueeParts = 5;  // the moving block is a fifth of the bar

struct ProgressState {
  int low = 0;
  int high = 100;
  int pos = 0;
  int step = 10;
  bool marquee = false;
  int marqueeOffset = 0;  // pixels the block has travelled
  COLORREF bar = CLR_DEFAULT;
  COLORREF back = CLR_DEFAULT;
};

bool Animating(HWND hwnd, const ProgressState& s) {
  return s.marquee && (GetWindowLong(hwnd, GWL_STYLE) & PBS_MARQUEE);
}

int Clamp(const ProgressState& s, int pos) { return std::max(s.low, std::min(s.high, pos)); }

LRESULT SetPosition(HWND hwnd, ProgressState& s, int pos) {
  int old = s.pos;
  s.pos = Clamp(s, pos);
  if (s.pos != old) InvalidateRect(hwnd, nullptr, TRUE);
  return old;
}

LRESULT SetRange(HWND hwnd, ProgressState& s, int low, int high) {
  LRESULT old = MAKELPARAM(static_cast<WORD>(s.low), static_cast<WORD>(s.high));
  s.low = low;
  s.high = high;
  s.pos = Clamp(s, s.pos);
  InvalidateRect(hwnd, nullptr, TRUE);
  return old;
}

LRESULT SetMarquee(HWND hwnd, ProgressState& s, bool on, UINT interval) {
  s.marquee = on;
  if (on) {
    SetTimer(hwnd, kMarqueeTimer, interval ? interval : 30, nullptr);
  } else {
    KillTimer(hwnd, kMarqueeTimer);
    s.marqueeOffset = 0;
  }
  InvalidateRect(hwnd, nullptr, TRUE);
  return TRUE;
}

void OnMarqueeTick(HWND hwnd, ProgressState& s) {
  if (!Animating(hwnd, s)) {
    // The style was taken away: the bar shows its position again.
    KillTimer(hwnd, kMarqueeTimer);
    InvalidateRect(hwnd, nullptr, TRUE);
    return;
  }
  RECT client;
  GetClientRect(hwnd, &client);
  int width = client.right - client.left;
  int block = std::max(1, width / kMarqueeParts);
  s.marqueeOffset = (s.marqueeOffset + std::max(1, width / 50)) % (width + block);
  InvalidateRect(hwnd, nullptr, FALSE);
}

COLORREF Resolve(COLORREF color, int sysColor) { return color == CLR_DEFAULT ? GetSysColor(sysColor) : color; }

void Paint(HWND hwnd, const ProgressState& s) {
  PAINTSTRUCT ps;
  CDC* dc = CDC::FromHandle(BeginPaint(hwnd, &ps));
  CRect client;
  GetClientRect(hwnd, &client);
  dc->FillSolidRect(&client, Resolve(s.back, COLOR_3DFACE));
  COLORREF bar = Resolve(s.bar, COLOR_HIGHLIGHT);
  int width = client.Width();
  if (Animating(hwnd, s)) {
    int block = std::max(1, width / kMarqueeParts);
    CRect r(s.marqueeOffset - block, client.top, s.marqueeOffset, client.bottom);
    r.IntersectRect(r, client);
    if (!r.IsRectEmpty()) dc->FillSolidRect(&r, bar);
  } else if (s.high > s.low) {
    bool vertical = GetWindowLong(hwnd, GWL_STYLE) & PBS_VERTICAL;
    long long span = static_cast<long long>(s.high) - s.low, done = static_cast<long long>(s.pos) - s.low;
    CRect r = client;
    if (vertical) r.top = client.bottom - static_cast<int>(client.Height() * done / span);
    else r.right = client.left + static_cast<int>(width * done / span);
    if (!r.IsRectEmpty()) dc->FillSolidRect(&r, bar);
  }
  EndPaint(hwnd, &ps);
}

LRESULT GetRange(const ProgressState& s, WPARAM wParam, LPARAM lParam) {
  if (auto* range = reinterpret_cast<PBRANGE*>(lParam)) *range = PBRANGE{s.low, s.high};
  return wParam ? s.low : s.high;
}

LRESULT CALLBACK_ProgressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto s = platform::detail::ControlState<ProgressState>(hwnd);
  switch (message) {
    case PBM_SETRANGE:
      return SetRange(hwnd, *s, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    case PBM_SETRANGE32: return SetRange(hwnd, *s, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_GETRANGE: return GetRange(*s, wParam, lParam);
    case PBM_SETPOS: return SetPosition(hwnd, *s, static_cast<int>(wParam));
    case PBM_DELTAPOS: return SetPosition(hwnd, *s, s->pos + static_cast<int>(wParam));
    case PBM_GETPOS: return s->pos;
    case PBM_SETSTEP: return std::exchange(s->step, static_cast<int>(wParam));
    case PBM_GETSTEP: return s->step;
    case PBM_STEPIT: {
      int next = s->pos + s->step;
      if (next > s->high) next = s->low + (next - s->high);
      return SetPosition(hwnd, *s, next);
    }
    case PBM_SETMARQUEE: return SetMarquee(hwnd, *s, wParam != 0, static_cast<UINT>(lParam));
    case PBM_SETBARCOLOR:
      InvalidateRect(hwnd, nullptr, TRUE);
      return std::exchange(s->bar, static_cast<COLORREF>(lParam));
    case PBM_SETBKCOLOR:
      InvalidateRect(hwnd, nullptr, TRUE);
      return std::exchange(s->back, static_cast<COLORREF>(lParam));
    case PBM_GETBARCOLOR: return s->bar;
    case PBM_GETBKCOLOR: return s->back;
    case WM_TIMER:
      if (wParam == kMarqueeTimer) OnMarqueeTick(hwnd, *s);
      return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: Paint(hwnd, *s); return 0;
    default: return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

}  // namespace

namespace platform::detail {

void RegisterProgressClass() {
  WNDCLASS wc;
  wc.lpszClassName = PROGRESS_CLASS;
  wc.lpfnWndProc = CALLBACK_ProgressProc;
  RegisterClass(&wc);
}

}  // namespace platform::detail

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(PROGRESS_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::SetRange(short nLower, short nUpper) {
  SendMessage(PBM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(nLower), static_cast<WORD>(nUpper)));
}
void CProgressCtrl::SetRange32(int nLower, int nUpper) { SendMessage(PBM_SETRANGE32, nLower, nUpper); }
void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
  PBRANGE range{0, 0};
  SendMessage(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  nLower = range.iLow;
  nUpper = range.iHigh;
}
int CProgressCtrl::GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
int CProgressCtrl::SetPos(int nPos) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos))); }
int CProgressCtrl::OffsetPos(int nPos) {
  return static_cast<int>(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(nPos)));
}
int CProgressCtrl::SetStep(int nStep) { return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(nStep))); }
int CProgressCtrl::GetStep() const { return static_cast<int>(SendMessage(PBM_GETSTEP)); }
int CProgressCtrl::StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }
BOOL CProgressCtrl::SetMarquee(BOOL fMarqueeMode, int nInterval) {
  return static_cast<BOOL>(SendMessage(PBM_SETMARQUEE, static_cast<WPARAM>(fMarqueeMode), nInterval));
}
COLORREF CProgressCtrl::SetBarColor(COLORREF clrBar) {
  return static_cast<COLORREF>(SendMessage(PBM_SETBARCOLOR, 0, clrBar));
}
COLORREF CProgressCtrl::SetBkColor(COLORREF clrNew) {
  return static_cast<COLORREF>(SendMessage(PBM_SETBKCOLOR, 0, clrNew));
}

// The trackbar class procedure and CSliderCtrl.
#include <algorithm>

#include "platform/win/Dialog.h"
#include "platform/win/SliderCtrl.h"
#include "platform/win/WindowClass.h"
#include "platform/win/detail/ControlSupport.h"
#include "platform/win/detail/StandardClasses.h"
#include "platform/win/detail/TrackbarGeometry.h"

namespace platform::detail {

namespace {

constexpr UINT_PTR kPageTimer = 1;
constexpr UINT kPageRepeatMs = 100;

struct TrackbarState {
  TrackbarRange range;
  int lineSize = 1;
  int pageSize = 20;
  bool pageSizeSet = false;  // an explicit page size survives range changes
  bool dragging = false;
  int dragOffset = 0;  // pointer less thumb centre along the track at the press
  bool paging = false;
  bool pagingDown = false;
  int wheelRest = 0;
};

std::shared_ptr<TrackbarState> StateOf(HWND hwnd) { return ControlState<TrackbarState>(hwnd); }

bool IsVertical(HWND hwnd) { return (GetWindowLong(hwnd, GWL_STYLE) & TBS_VERT) != 0; }

TrackbarGeometry GeometryOf(HWND hwnd, const TrackbarState& st) {
  CRect client;
  GetClientRect(hwnd, &client);
  return TrackbarGeometry(client, IsVertical(hwnd), st.range);
}

void Notify(HWND hwnd, UINT code) {
  HWND parent = GetParent(hwnd);
  if (!parent) return;
  int pos = StateOf(hwnd)->range.pos;
  // Only the thumb codes carry the position; it is cut to 16 bits as the message allows.
  WORD high = (code == TB_THUMBTRACK || code == TB_THUMBPOSITION) ? static_cast<WORD>(pos) : 0;
  SendMessage(parent, IsVertical(hwnd) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(static_cast<WORD>(code), high),
              reinterpret_cast<LPARAM>(hwnd));
}

// Moves the thumb; the whole control repaints, so a control that paints its own thumb
// elsewhere stays right.
bool MoveTo(HWND hwnd, int pos, bool redraw = true) {
  auto st = StateOf(hwnd);
  int clamped = st->range.Clamp(pos);
  if (clamped == st->range.pos) return false;
  st->range.pos = clamped;
  if (redraw) InvalidateRect(hwnd, nullptr, FALSE);
  return true;
}

void RangeChanged(HWND hwnd, BOOL redraw) {
  auto st = StateOf(hwnd);
  st->range.pos = st->range.Clamp(st->range.pos);
  if (!st->pageSizeSet) st->pageSize = (st->range.max - st->range.min) / 5;
  if (redraw) InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT KeyDown(HWND hwnd, WPARAM key) {
  auto st = StateOf(hwnd);
  const TrackbarRange& r = st->range;
  int target = r.pos;
  UINT code = 0;
  switch (key) {
    case VK_LEFT:
    case VK_UP:
      target = r.pos - st->lineSize;
      code = TB_LINEUP;
      break;
    case VK_RIGHT:
    case VK_DOWN:
      target = r.pos + st->lineSize;
      code = TB_LINEDOWN;
      break;
    case VK_PRIOR:
      target = r.pos - st->pageSize;
      code = TB_PAGEUP;
      break;
    case VK_NEXT:
      target = r.pos + st->pageSize;
      code = TB_PAGEDOWN;
      break;
    case VK_HOME:
      target = r.min;
      code = TB_TOP;
      break;
    case VK_END:
      target = r.max;
      code = TB_BOTTOM;
      break;
    default: return 0;
  }
  bool towardsMin = code == TB_LINEUP || code == TB_PAGEUP || code == TB_TOP;
  // Nothing happens at the end the key moves towards.
  if (r.pos == (towardsMin ? r.min : r.max)) return 0;
  MoveTo(hwnd, target);
  Notify(hwnd, code);
  return 0;
}

bool IsNavigationKey(WPARAM key) {
  return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT ||
         key == VK_HOME || key == VK_END;
}

void PageTowards(HWND hwnd, int along) {
  auto st = StateOf(hwnd);
  int centre = GeometryOf(hwnd, *st).ThumbCentre();
  // Stops once the thumb has reached the pointer.
  if (st->pagingDown ? along <= centre + TrackbarGeometry::kThumbLength / 2
                     : along >= centre - TrackbarGeometry::kThumbLength / 2)
    return;
  MoveTo(hwnd, st->range.pos + (st->pagingDown ? st->pageSize : -st->pageSize));
  Notify(hwnd, st->pagingDown ? TB_PAGEDOWN : TB_PAGEUP);
}

LRESULT ButtonDown(HWND hwnd, LPARAM lParam) {
  SetFocus(hwnd);
  if (!IsWindow(hwnd)) return 0;
  auto st = StateOf(hwnd);
  TrackbarGeometry g = GeometryOf(hwnd, *st);
  CPoint pt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  int along = g.Along(pt);
  SetCapture(hwnd);
  if (g.ThumbRect().PtInRect(pt)) {
    st->dragging = true;
    st->dragOffset = along - g.ThumbCentre();
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
  }
  st->paging = true;
  st->pagingDown = along > g.ThumbCentre();
  PageTowards(hwnd, along);
  if (IsWindow(hwnd) && StateOf(hwnd)->paging) SetTimer(hwnd, kPageTimer, kPageRepeatMs, nullptr);
  return 0;
}

LRESULT MouseMove(HWND hwnd, LPARAM lParam) {
  auto st = StateOf(hwnd);
  if (!st->dragging) return 0;
  TrackbarGeometry g = GeometryOf(hwnd, *st);
  int along = g.Along(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
  if (MoveTo(hwnd, g.PosAt(along - st->dragOffset))) Notify(hwnd, TB_THUMBTRACK);
  return 0;
}

LRESULT ButtonUp(HWND hwnd) {
  auto st = StateOf(hwnd);
  bool dragged = st->dragging;
  if (!dragged && !st->paging) return 0;
  st->dragging = st->paging = false;
  KillTimer(hwnd, kPageTimer);
  if (GetCapture() == hwnd) ReleaseCapture();
  InvalidateRect(hwnd, nullptr, FALSE);
  if (dragged) Notify(hwnd, TB_THUMBPOSITION);
  if (IsWindow(hwnd)) Notify(hwnd, TB_ENDTRACK);
  return 0;
}

LRESULT CaptureLost(HWND hwnd) {
  auto st = StateOf(hwnd);
  if (!st->dragging && !st->paging) return 0;
  st->dragging = st->paging = false;
  KillTimer(hwnd, kPageTimer);
  InvalidateRect(hwnd, nullptr, FALSE);
  Notify(hwnd, TB_ENDTRACK);
  return 0;
}

LRESULT PageTimer(HWND hwnd) {
  if (!StateOf(hwnd)->paging) return 0;
  CPoint pt;
  GetCursorPos(&pt);
  ScreenToClient(hwnd, &pt);
  PageTowards(hwnd, GeometryOf(hwnd, *StateOf(hwnd)).Along(pt));
  return 0;
}

// Wheel forward moves towards the minimum, a line per notch.
LRESULT Wheel(HWND hwnd, WPARAM wParam) {
  auto st = StateOf(hwnd);
  st->wheelRest += GET_WHEEL_DELTA_WPARAM(wParam);
  int notches = st->wheelRest / WHEEL_DELTA;
  st->wheelRest -= notches * WHEEL_DELTA;
  if (notches != 0 && MoveTo(hwnd, st->range.pos - notches * st->lineSize))
    Notify(hwnd, notches > 0 ? TB_LINEUP : TB_LINEDOWN);
  return TRUE;
}

LRESULT Set(int& field, LPARAM value, bool* flag = nullptr) {
  int old = field;
  field = static_cast<int>(value);
  if (flag) *flag = true;
  return old;
}

LRESULT TrackbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: StateOf(hwnd); return DefWindowProc(hwnd, message, wParam, lParam);
    case TBM_GETPOS: return StateOf(hwnd)->range.pos;
    case TBM_GETRANGEMIN: return StateOf(hwnd)->range.min;
    case TBM_GETRANGEMAX: return StateOf(hwnd)->range.max;
    case TBM_SETPOS: MoveTo(hwnd, static_cast<int>(lParam), wParam != 0); return 0;
    case TBM_SETRANGE:
      StateOf(hwnd)->range.min = static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lParam)));
      StateOf(hwnd)->range.max = static_cast<SHORT>(HIWORD(static_cast<DWORD_PTR>(lParam)));
      RangeChanged(hwnd, static_cast<BOOL>(wParam));
      return 0;
    case TBM_SETRANGEMIN:
      StateOf(hwnd)->range.min = static_cast<int>(lParam);
      RangeChanged(hwnd, static_cast<BOOL>(wParam));
      return 0;
    case TBM_SETRANGEMAX:
      StateOf(hwnd)->range.max = static_cast<int>(lParam);
      RangeChanged(hwnd, static_cast<BOOL>(wParam));
      return 0;
    case TBM_GETLINESIZE: return StateOf(hwnd)->lineSize;
    case TBM_SETLINESIZE: return Set(StateOf(hwnd)->lineSize, lParam);
    case TBM_GETPAGESIZE: return StateOf(hwnd)->pageSize;
    case TBM_SETPAGESIZE: return Set(StateOf(hwnd)->pageSize, lParam, &StateOf(hwnd)->pageSizeSet);
    case TBM_GETTHUMBRECT:
    case TBM_GETCHANNELRECT:
      if (auto* out = reinterpret_cast<RECT*>(lParam)) {
        TrackbarGeometry g = GeometryOf(hwnd, *StateOf(hwnd));
        *out = message == TBM_GETTHUMBRECT ? g.ThumbRect() : g.ChannelRect();
      }
      return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_KEYDOWN: return KeyDown(hwnd, wParam);
    case WM_KEYUP:
      if (IsNavigationKey(wParam)) Notify(hwnd, TB_ENDTRACK);
      return 0;
    case WM_LBUTTONDOWN: return ButtonDown(hwnd, lParam);
    case WM_MOUSEMOVE: return MouseMove(hwnd, lParam);
    case WM_LBUTTONUP: return ButtonUp(hwnd);
    case WM_CAPTURECHANGED: return CaptureLost(hwnd);
    case WM_TIMER: return wParam == kPageTimer ? PageTimer(hwnd) : 0;
    case WM_MOUSEWHEEL: return Wheel(hwnd, wParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_ERASEBKGND: return TRUE;  // the paint covers the whole control
    case WM_PAINT: PaintTrackbar(hwnd, GeometryOf(hwnd, *StateOf(hwnd)), StateOf(hwnd)->dragging); return 0;
    default: return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterTrackbarClass() {
  WNDCLASS wc;
  wc.lpszClassName = TRACKBAR_CLASS;
  wc.lpfnWndProc = TrackbarProc;
  RegisterClass(&wc);
}

}  // namespace platform::detail

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

CSliderCtrl::CSliderCtrl() { platform::detail::EnsureStandardClasses(); }

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(TRACKBAR_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CSliderCtrl::GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
int CSliderCtrl::GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
void CSliderCtrl::GetRange(int& nMin, int& nMax) const {
  nMin = GetRangeMin();
  nMax = GetRangeMax();
}
void CSliderCtrl::SetRangeMin(int nMin, BOOL bRedraw) { SendMessage(TBM_SETRANGEMIN, bRedraw, nMin); }
void CSliderCtrl::SetRangeMax(int nMax, BOOL bRedraw) { SendMessage(TBM_SETRANGEMAX, bRedraw, nMax); }
void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw) {
  SendMessage(TBM_SETRANGEMIN, FALSE, nMin);
  SendMessage(TBM_SETRANGEMAX, bRedraw, nMax);
}
int CSliderCtrl::GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
void CSliderCtrl::SetPos(int nPos) { SendMessage(TBM_SETPOS, TRUE, nPos); }
int CSliderCtrl::GetLineSize() const { return static_cast<int>(SendMessage(TBM_GETLINESIZE)); }
int CSliderCtrl::SetLineSize(int nSize) { return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, nSize)); }
int CSliderCtrl::GetPageSize() const { return static_cast<int>(SendMessage(TBM_GETPAGESIZE)); }
int CSliderCtrl::SetPageSize(int nSize) { return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, nSize)); }
void CSliderCtrl::GetThumbRect(LPRECT lprc) const { SendMessage(TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(lprc)); }
void CSliderCtrl::GetChannelRect(LPRECT lprc) const {
  SendMessage(TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(lprc));
}

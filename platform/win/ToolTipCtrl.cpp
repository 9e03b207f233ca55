#include "platform/win/ToolTipCtrl.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win/WindowClass.h"
#include "platform/win/detail/ControlSupport.h"
#include "platform/win/detail/StandardClasses.h"
#include "platform/win/detail/ToolTipPaint.h"

namespace platform::detail {

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kPopTimer = 2;
constexpr UINT_PTR kLeaveTimer = 3;
constexpr UINT kLeaveCheckMs = 100;
constexpr int kBelowPointer = 20;

struct Tool {
  UINT flags = 0;
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  RECT rect{};
  std::wstring text;

  HWND Window() const { return (flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(id) : hwnd; }
};

struct ToolTipState {
  std::vector<Tool> tools;
  bool active = true;
  int current = -1;  // the tool under the pointer, shown or waiting
  bool shown = false;
  bool popped = false;  // hidden by a click or time-out until the pointer leaves the tool
  UINT initial = 0, reshow = 0, autopop = 0;
  std::wstring text;  // what the visible tip shows
};

std::shared_ptr<ToolTipState> StateOf(HWND hwnd) { return ControlState<ToolTipState>(hwnd); }

void SetDefaultDelays(ToolTipState& st, UINT initial) {
  st.initial = initial;
  st.reshow = initial / 5;
  st.autopop = initial * 10;
}

int FindTool(const ToolTipState& st, const TOOLINFO* ti) {
  if (!ti) return -1;
  for (size_t i = 0; i < st.tools.size(); ++i)
    if (st.tools[i].hwnd == ti->hwnd && st.tools[i].id == ti->uId) return static_cast<int>(i);
  return -1;
}

// The tool at a point of `window`'s client area.
int ToolAt(const ToolTipState& st, HWND window, POINT client) {
  for (size_t i = 0; i < st.tools.size(); ++i) {
    const Tool& t = st.tools[i];
    if ((t.flags & TTF_IDISHWND) ? t.Window() == window : (t.hwnd == window && CRect(t.rect).PtInRect(client)))
      return static_cast<int>(i);
  }
  return -1;
}

int ToolUnderCursor(const ToolTipState& st) {
  CPoint screen;
  GetCursorPos(&screen);
  HWND under = WindowFromPoint(screen);
  if (!under) return -1;
  CPoint client = screen;
  ScreenToClient(under, &client);
  return ToolAt(st, under, client);
}

bool MayShow(HWND hwnd, const ToolTipState& st) {
  if (!st.active || st.current < 0) return false;
  const Tool& tool = st.tools[static_cast<size_t>(st.current)];
  if (tool.text.empty()) return false;
  if (GetWindowLong(hwnd, GWL_STYLE) & TTS_ALWAYSTIP) return true;
  return GetActiveWindow() == GetAncestor(tool.Window(), GA_ROOT);
}

void Hide(HWND hwnd, ToolTipState& st) {
  KillTimer(hwnd, kShowTimer);
  KillTimer(hwnd, kPopTimer);
  if (st.shown) {
    st.shown = false;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// Forgets the current tool once the pointer has left it.
void Reset(HWND hwnd, ToolTipState& st) {
  Hide(hwnd, st);
  KillTimer(hwnd, kLeaveTimer);
  st.current = -1;
  st.popped = false;
}

// Below the pointer, kept on the screen: above the pointer when there is no room below.
CPoint TipPosition(CSize size) {
  CPoint cursor;
  GetCursorPos(&cursor);
  CPoint at(cursor.x, cursor.y + kBelowPointer);
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  if (at.x + size.cx > width) at.x = std::max(width - size.cx, 0);
  if (at.y + size.cy > height) at.y = std::max(cursor.y - size.cy - 2, 0);
  return at;
}

void Show(HWND hwnd, ToolTipState& st) {
  KillTimer(hwnd, kShowTimer);
  if (!MayShow(hwnd, st)) return;
  st.text = st.tools[static_cast<size_t>(st.current)].text;
  CSize size = ToolTipSize(hwnd, st.text);
  CPoint at = TipPosition(size);
  SetWindowPos(hwnd, HWND_TOPMOST, at.x, at.y, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hwnd, nullptr, TRUE);
  st.shown = true;
  SetTimer(hwnd, kPopTimer, st.autopop, nullptr);
}

void Enter(HWND hwnd, ToolTipState& st, int tool) {
  bool wasShown = st.shown;
  Hide(hwnd, st);
  st.current = tool;
  st.popped = false;
  SetTimer(hwnd, kLeaveTimer, kLeaveCheckMs, nullptr);
  // Moving straight from one visible tip to the next tool shows it sooner.
  if (st.active) SetTimer(hwnd, kShowTimer, wasShown ? st.reshow : st.initial, nullptr);
}

LRESULT Relay(HWND hwnd, const MSG* msg) {
  if (!msg) return 0;
  auto st = StateOf(hwnd);
  switch (msg->message) {
    case WM_MOUSEMOVE: {
      int tool = ToolAt(*st, msg->hwnd, CPoint(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam)));
      if (tool < 0) Reset(hwnd, *st);
      else if (tool != st->current) Enter(hwnd, *st, tool);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      Hide(hwnd, *st);
      st->popped = st->current >= 0;
      return 0;
    default: return 0;
  }
}

LRESULT Timer(HWND hwnd, WPARAM id) {
  auto st = StateOf(hwnd);
  if (id == kShowTimer && !st->popped) Show(hwnd, *st);
  if (id == kPopTimer) {
    Hide(hwnd, *st);
    st->popped = true;
  }
  if (id == kLeaveTimer && ToolUnderCursor(*st) != st->current) Reset(hwnd, *st);
  return 0;
}

LRESULT AddTool(HWND hwnd, const TOOLINFO* ti) {
  if (!ti) return FALSE;
  Tool tool;
  tool.flags = ti->uFlags;
  tool.hwnd = ti->hwnd;
  tool.id = ti->uId;
  tool.rect = ti->rect;
  tool.text = ti->lpszText ? ti->lpszText : L"";
  StateOf(hwnd)->tools.push_back(tool);
  return TRUE;
}

LRESULT DelTool(HWND hwnd, const TOOLINFO* ti) {
  auto st = StateOf(hwnd);
  int index = FindTool(*st, ti);
  if (index < 0) return 0;
  if (index == st->current) Reset(hwnd, *st);
  if (st->current > index) --st->current;
  st->tools.erase(st->tools.begin() + index);
  return 0;
}

LRESULT UpdateText(HWND hwnd, const TOOLINFO* ti) {
  auto st = StateOf(hwnd);
  int index = FindTool(*st, ti);
  if (index < 0) return 0;
  st->tools[static_cast<size_t>(index)].text = ti->lpszText ? ti->lpszText : L"";
  if (index == st->current && st->shown) {
    if (st->tools[static_cast<size_t>(index)].text.empty()) Hide(hwnd, *st);
    else Show(hwnd, *st);
  }
  return 0;
}

LRESULT GetText(HWND hwnd, WPARAM capacity, const TOOLINFO* ti) {
  auto st = StateOf(hwnd);
  int index = FindTool(*st, ti);
  if (index < 0 || !ti->lpszText) return 0;
  // Callers of the old form give no size; they pass the customary 80 characters.
  size_t room = capacity ? capacity : 80;
  const std::wstring& text = st->tools[static_cast<size_t>(index)].text;
  size_t n = std::min(text.size(), room - 1);
  text.copy(ti->lpszText, n);
  ti->lpszText[n] = 0;
  return static_cast<LRESULT>(n);
}

LRESULT SetDelay(HWND hwnd, WPARAM which, LPARAM lParam) {
  auto st = StateOf(hwnd);
  int ms = static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lParam)));
  UINT value = ms < 0 ? GetDoubleClickTime() : static_cast<UINT>(ms);
  switch (which) {
    case TTDT_RESHOW: st->reshow = ms < 0 ? value / 5 : value; break;
    case TTDT_AUTOPOP: st->autopop = ms < 0 ? value * 10 : value; break;
    case TTDT_INITIAL: st->initial = value; break;
    default: SetDefaultDelays(*st, value); break;
  }
  return 0;
}

LRESULT GetDelay(HWND hwnd, WPARAM which) {
  auto st = StateOf(hwnd);
  switch (which) {
    case TTDT_RESHOW: return st->reshow;
    case TTDT_AUTOPOP: return st->autopop;
    default: return st->initial;
  }
}

LRESULT ToolTipProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* ti = reinterpret_cast<const TOOLINFO*>(lParam);
  switch (message) {
    case WM_NCCREATE:
      SetDefaultDelays(*StateOf(hwnd), GetDoubleClickTime());
      SetWindowLong(hwnd, GWL_EXSTYLE,
                    GetWindowLong(hwnd, GWL_EXSTYLE) | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE);
      return DefWindowProc(hwnd, message, wParam, lParam);
    case WM_NCHITTEST: return HTTRANSPARENT;
    case TTM_ADDTOOLW: return AddTool(hwnd, ti);
    case TTM_DELTOOLW: return DelTool(hwnd, ti);
    case TTM_UPDATETIPTEXTW: return UpdateText(hwnd, ti);
    case TTM_GETTEXTW: return GetText(hwnd, wParam, ti);
    case TTM_NEWTOOLRECTW: {
      auto st = StateOf(hwnd);
      int index = FindTool(*st, ti);
      if (index >= 0) st->tools[static_cast<size_t>(index)].rect = ti->rect;
      return 0;
    }
    case TTM_GETTOOLCOUNT: return static_cast<LRESULT>(StateOf(hwnd)->tools.size());
    case TTM_ACTIVATE:
      StateOf(hwnd)->active = wParam != 0;
      if (!wParam) Reset(hwnd, *StateOf(hwnd));
      return 0;
    case TTM_RELAYEVENT: return Relay(hwnd, reinterpret_cast<const MSG*>(lParam));
    case TTM_POP: Hide(hwnd, *StateOf(hwnd)); return 0;
    case TTM_SETDELAYTIME: return SetDelay(hwnd, wParam, lParam);
    case TTM_GETDELAYTIME: return GetDelay(hwnd, wParam);
    case WM_TIMER: return Timer(hwnd, wParam);
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: PaintToolTip(hwnd, StateOf(hwnd)->text); return 0;
    default: return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterToolTipClass() {
  WNDCLASS wc;
  wc.lpszClassName = TOOLTIPS_CLASS;
  wc.lpfnWndProc = ToolTipProc;
  RegisterClass(&wc);
}

}  // namespace platform::detail

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

CToolTipCtrl::CToolTipCtrl() { platform::detail::EnsureStandardClasses(); }

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  // The extended styles are given at creation so the presenter treats the tip as one.
  HWND owner = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
  return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, TOOLTIPS_CLASS, nullptr, WS_POPUP | dwStyle, 0,
                  0, 0, 0, owner, nullptr);
}

TOOLINFO CToolTipCtrl::ToolInfo(CWnd* pWnd, UINT_PTR nIDTool) const {
  TOOLINFO ti;
  if (!pWnd) return ti;
  if (nIDTool == 0) {
    ti.uFlags = TTF_IDISHWND;
    ti.hwnd = ::GetParent(pWnd->GetSafeHwnd());
    ti.uId = reinterpret_cast<UINT_PTR>(pWnd->GetSafeHwnd());
  } else {
    ti.hwnd = pWnd->GetSafeHwnd();
    ti.uId = nIDTool;
  }
  return ti;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  if (!pWnd) return FALSE;
  TOOLINFO ti = ToolInfo(pWnd, nIDTool);
  if (lpRectTool) ti.rect = *lpRectTool;
  std::wstring text = lpszText ? lpszText : L"";
  ti.lpszText = text.data();
  return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFO ti = ToolInfo(pWnd, nIDTool);
  SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFO ti = ToolInfo(pWnd, nIDTool);
  std::wstring text = lpszText ? lpszText : L"";
  ti.lpszText = text.data();
  SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
  TOOLINFO ti = ToolInfo(pWnd, nIDTool);
  std::wstring buffer(1024, L'\0');
  ti.lpszText = buffer.data();
  LRESULT n = SendMessage(TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&ti));
  buffer.resize(static_cast<size_t>(n));
  str = buffer.c_str();
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
  TOOLINFO ti = ToolInfo(pWnd, nIDTool);
  if (lpRect) ti.rect = *lpRect;
  SendMessage(TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&ti));
}

int CToolTipCtrl::GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
void CToolTipCtrl::Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate)); }
void CToolTipCtrl::RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }
void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime) {
  SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(static_cast<WORD>(iTime), 0));
}
int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const {
  return static_cast<int>(SendMessage(TTM_GETDELAYTIME, dwDuration));
}
void CToolTipCtrl::Pop() { SendMessage(TTM_POP); }

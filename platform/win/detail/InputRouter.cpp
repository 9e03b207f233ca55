#include "platform/win/detail/InputRouter.h"

#include <array>
#include <cstdlib>

#include "platform/win/Input.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Window.h"
#include "platform/win/detail/Clock.h"
#include "platform/win/detail/MessageLoop.h"
#include "platform/win/detail/WindowInternals.h"
#include "platform/win/detail/WindowTree.h"

namespace platform::detail {

namespace {

struct Click {
  HWND hwnd = nullptr;
  MouseButton button = MouseButton::Left;
  DWORD time = 0;
  CPoint point;
  bool valid = false;
};

struct MoveDrag {
  HWND hwnd = nullptr;
  CPoint startPointer;
  CPoint startWindow;
};

struct State {
  CPoint pointer{-1, -1};
  std::array<bool, 256> keys{};
  Click lastClick;
  HWND tracked = nullptr;
  MoveDrag drag;
};

State& S() {
  static State state;
  return state;
}

LPARAM Pack(const CPoint& p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

UINT ButtonVk(MouseButton b) {
  return b == MouseButton::Left ? VK_LBUTTON : b == MouseButton::Right ? VK_RBUTTON : VK_MBUTTON;
}

WPARAM KeyFlags() {
  const auto& k = S().keys;
  WPARAM f = 0;
  if (k[VK_LBUTTON]) f |= MK_LBUTTON;
  if (k[VK_RBUTTON]) f |= MK_RBUTTON;
  if (k[VK_MBUTTON]) f |= MK_MBUTTON;
  if (k[VK_SHIFT]) f |= MK_SHIFT;
  if (k[VK_CONTROL]) f |= MK_CONTROL;
  return f;
}

UINT ClientMessage(MouseButton b, bool down, bool dbl) {
  UINT base = b == MouseButton::Left ? WM_LBUTTONDOWN : b == MouseButton::Right ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
  return down ? (dbl ? base + 2 : base) : base + 1;
}

// Pre-translates and dispatches an input message; false when pre-translation took it.
bool Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD time) {
  MSG msg;
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = time;
  msg.pt = S().pointer;
  if (PreTranslate(msg)) return false;
  DispatchRetrieved(msg);
  return true;
}

void DeliverClient(HWND hwnd, UINT message, WPARAM wParam, DWORD time) {
  CPoint client = S().pointer;
  ScreenToClient(hwnd, &client);
  Deliver(hwnd, message, wParam, Pack(client), time);
}

void UpdateTracking(const HitResult& under) {
  HWND tracked = S().tracked;
  if (!tracked) return;
  if (under.hwnd == tracked && under.hit == HTCLIENT) return;
  S().tracked = nullptr;
  PostMessage(tracked, WM_MOUSELEAVE, 0, 0);
}

bool IsDoubleClick(HWND hwnd, MouseButton button, DWORD time) {
  Click& last = S().lastClick;
  WindowNode* node = FindWindowNode(hwnd);
  bool wants = node && (node->windowClass->style & CS_DBLCLKS);
  bool isDouble = wants && last.valid && last.hwnd == hwnd && last.button == button &&
                  time - last.time <= GetDoubleClickTime() &&
                  std::abs(S().pointer.x - last.point.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                  std::abs(S().pointer.y - last.point.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  if (isDouble) last.valid = false;
  else last = Click{hwnd, button, time, S().pointer, true};
  return isDouble;
}

void MouseMove(DWORD time) {
  MoveDrag& drag = S().drag;
  if (drag.hwnd) {
    if (!IsWindow(drag.hwnd)) {
      drag.hwnd = nullptr;
    } else {
      CPoint to = drag.startWindow + (S().pointer - drag.startPointer);
      SetWindowPos(drag.hwnd, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return;
    }
  }
  HitResult under = HitTestScreen(S().pointer);
  UpdateTracking(under);
  if (HWND capture = GetCapture()) {
    DeliverClient(capture, WM_MOUSEMOVE, KeyFlags(), time);
    return;
  }
  if (!under.hwnd) return;
  SendMessage(under.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(under.hwnd),
              MAKELPARAM(static_cast<WORD>(under.hit), WM_MOUSEMOVE));
  if (!IsWindow(under.hwnd)) return;
  if (under.hit == HTCLIENT) DeliverClient(under.hwnd, WM_MOUSEMOVE, KeyFlags(), time);
  else if (under.hit > HTCLIENT)
    Deliver(under.hwnd, WM_NCMOUSEMOVE, static_cast<WPARAM>(under.hit), Pack(S().pointer), time);
}

void Button(const InputEvent& e, bool down, DWORD time) {
  S().keys[ButtonVk(e.button)] = down;
  if (!down && S().drag.hwnd) {
    S().drag.hwnd = nullptr;
    return;
  }
  if (HWND capture = GetCapture()) {
    bool dbl = down && IsDoubleClick(capture, e.button, time);
    DeliverClient(capture, ClientMessage(e.button, down, dbl), KeyFlags(), time);
    return;
  }
  HitResult under = HitTestScreen(S().pointer);
  if (!under.hwnd) return;
  if (down) {
    HWND top = GetAncestor(under.hwnd, GA_ROOT);
    WindowNode* topNode = FindWindowNode(top);
    if (topNode && !(topNode->exStyle & WS_EX_NOACTIVATE) && GetActiveWindow() != top) ActivateTopLevel(top);
    if (!IsWindow(under.hwnd)) return;
  }
  bool dbl = down && IsDoubleClick(under.hwnd, e.button, time);
  if (under.hit == HTCLIENT) {
    DeliverClient(under.hwnd, ClientMessage(e.button, down, dbl), KeyFlags(), time);
  } else if (under.hit > HTCLIENT && e.button == MouseButton::Left) {
    UINT message = down ? (dbl ? WM_NCLBUTTONDBLCLK : WM_NCLBUTTONDOWN) : WM_NCLBUTTONUP;
    Deliver(under.hwnd, message, static_cast<WPARAM>(under.hit), Pack(S().pointer), time);
  }
}

void Wheel(const InputEvent& e, DWORD time) {
  HWND target = GetCapture();
  if (!target) target = HitTestScreen(S().pointer).hwnd;
  if (!target) return;
  UINT message = e.kind == InputKind::Wheel ? WM_MOUSEWHEEL : WM_MOUSEHWHEEL;
  WPARAM w = MAKEWPARAM(static_cast<WORD>(KeyFlags()), static_cast<WORD>(static_cast<SHORT>(e.wheelDelta)));
  Deliver(target, message, w, Pack(S().pointer), time);
}

void Key(const InputEvent& e, bool down, DWORD time) {
  UINT vk = e.virtualKey & 0xFF;
  bool wasDown = S().keys[vk];
  S().keys[vk] = down;
  HWND target = GetFocus();
  if (!target) target = GetActiveWindow();
  if (!target) return;
  bool alt = S().keys[VK_MENU] && vk != VK_MENU;
  UINT message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
  LPARAM l = 1;
  if (down && (e.repeat || wasDown)) l |= LPARAM(1) << 30;
  if (!down) l |= (LPARAM(1) << 30) | (LPARAM(1) << 31);
  if (!Deliver(target, message, vk, l, time)) return;
  // What TranslateMessage does after a key that was not consumed.
  if (down && e.character && IsWindow(target)) PostMessage(target, alt ? WM_SYSCHAR : WM_CHAR, e.character, l);
}

}  // namespace

void RouteInput(const InputEvent& event) {
  DWORD time = event.time ? event.time : NowMs();
  switch (event.kind) {
    case InputKind::MouseMove:
      S().pointer = event.screen;
      MouseMove(time);
      break;
    case InputKind::ButtonDown:
    case InputKind::ButtonUp:
      S().pointer = event.screen;
      Button(event, event.kind == InputKind::ButtonDown, time);
      break;
    case InputKind::Wheel:
    case InputKind::HorizontalWheel:
      S().pointer = event.screen;
      Wheel(event, time);
      break;
    case InputKind::PointerLeft: UpdateTracking({}); break;
    case InputKind::KeyDown: Key(event, true, time); break;
    case InputKind::KeyUp: Key(event, false, time); break;
  }
}

CPoint LastPointerPosition() { return S().pointer; }
void SetPointerPosition(const CPoint& screen) { S().pointer = screen; }

void BeginMoveDrag(HWND topLevel) {
  CRect rect;
  if (!GetWindowRect(topLevel, &rect)) return;
  S().drag = MoveDrag{topLevel, S().pointer, rect.TopLeft()};
}

void EndMoveDrag() { S().drag.hwnd = nullptr; }

void DropTracking(HWND hwnd, bool destroying) {
  HWND tracked = S().tracked;
  if (!tracked || (tracked != hwnd && !IsChild(hwnd, tracked))) return;
  S().tracked = nullptr;
  if (!destroying) PostMessage(tracked, WM_MOUSELEAVE, 0, 0);
}

bool KeyDown(int vk) { return vk >= 0 && vk < 256 && S().keys[static_cast<size_t>(vk)]; }

HWND& TrackedWindow() { return S().tracked; }

}  // namespace platform::detail

SHORT GetKeyState(int nVirtKey) { return platform::detail::KeyDown(nVirtKey) ? static_cast<SHORT>(0x8000) : 0; }
SHORT GetAsyncKeyState(int nVirtKey) { return GetKeyState(nVirtKey); }

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack) {
  using namespace platform::detail;
  if (!lpEventTrack) return FALSE;
  HWND& tracked = TrackedWindow();
  if (lpEventTrack->dwFlags & TME_QUERY) {
    lpEventTrack->dwFlags = tracked ? TME_LEAVE : 0;
    lpEventTrack->hwndTrack = tracked;
    return TRUE;
  }
  if (!IsWindow(lpEventTrack->hwndTrack)) return FALSE;
  if (!(lpEventTrack->dwFlags & TME_LEAVE)) return TRUE;
  if (lpEventTrack->dwFlags & TME_CANCEL) {
    if (tracked == lpEventTrack->hwndTrack) tracked = nullptr;
    return TRUE;
  }
  tracked = lpEventTrack->hwndTrack;
  HitResult under = HitTestScreen(LastPointerPosition());
  if (under.hwnd != tracked || under.hit != HTCLIENT) {
    tracked = nullptr;
    PostMessage(lpEventTrack->hwndTrack, WM_MOUSELEAVE, 0, 0);
  }
  return TRUE;
}

#include "tests/support/WindowHarness.h"

#include "platform/gdi/Surface.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/win/Paint.h"
#include "platform/win/detail/Clock.h"
#include "platform/win/detail/MessageLoop.h"
#include "platform/win/detail/Timers.h"

namespace platform::test {

WindowHarness::WindowHarness() {
  SetPresenter(std::make_unique<HeadlessPresenter>());
  detail::SetManualClock(true);
  detail::EnsureSource();
}

WindowHarness::~WindowHarness() { Pump(); }

void WindowHarness::Pump(int rounds) {
  for (int i = 0; i < rounds && detail::PumpOnce(); ++i) {
  }
}

void WindowHarness::AdvanceTime(DWORD milliseconds) {
  Pump();
  DWORD end = detail::NowMs() + milliseconds;
  DWORD due = 0;
  while (detail::NextTimerDue(&due) && static_cast<int32_t>(end - due) >= 0) {
    DWORD now = detail::NowMs();
    if (static_cast<int32_t>(due - now) > 0) detail::AdvanceClock(due - now);
    Pump();
  }
  DWORD now = detail::NowMs();
  if (static_cast<int32_t>(end - now) > 0) detail::AdvanceClock(end - now);
  Pump();
}

CPoint WindowHarness::ToScreen(HWND hwnd, CPoint client) const {
  ClientToScreen(hwnd, &client);
  return client;
}

void WindowHarness::Send(const InputEvent& event) {
  QueueInput(event);
  Pump();
}

void WindowHarness::MoveTo(HWND hwnd, CPoint client) { MoveToScreen(ToScreen(hwnd, client)); }

void WindowHarness::MoveToScreen(CPoint screen) {
  InputEvent e;
  e.kind = InputKind::MouseMove;
  e.screen = screen;
  Send(e);
}

void WindowHarness::SendButton(InputKind kind, CPoint screen, MouseButton button) {
  InputEvent e;
  e.kind = kind;
  e.screen = screen;
  e.button = button;
  Send(e);
}

void WindowHarness::Press(HWND hwnd, CPoint client, MouseButton button) {
  SendButton(InputKind::ButtonDown, ToScreen(hwnd, client), button);
}

void WindowHarness::Release(HWND hwnd, CPoint client, MouseButton button) {
  SendButton(InputKind::ButtonUp, ToScreen(hwnd, client), button);
}

void WindowHarness::Click(HWND hwnd, CPoint client, MouseButton button) {
  CPoint screen = ToScreen(hwnd, client);
  MoveToScreen(screen);
  SendButton(InputKind::ButtonDown, screen, button);
  SendButton(InputKind::ButtonUp, screen, button);
}

void WindowHarness::Wheel(HWND hwnd, CPoint client, int delta) {
  InputEvent e;
  e.kind = InputKind::Wheel;
  e.screen = ToScreen(hwnd, client);
  e.wheelDelta = delta;
  Send(e);
}

void WindowHarness::PointerLeaves() {
  InputEvent e;
  e.kind = InputKind::PointerLeft;
  Send(e);
}

void WindowHarness::KeyDown(UINT vk, wchar_t character, bool repeat) {
  InputEvent e;
  e.kind = InputKind::KeyDown;
  e.virtualKey = vk;
  e.character = character;
  e.repeat = repeat;
  Send(e);
}

void WindowHarness::KeyUp(UINT vk) {
  InputEvent e;
  e.kind = InputKind::KeyUp;
  e.virtualKey = vk;
  Send(e);
}

void WindowHarness::Key(UINT vk, wchar_t character) {
  KeyDown(vk, character);
  KeyUp(vk);
}

COLORREF WindowHarness::Pixel(HWND hwnd, CPoint client) const {
  POINT origin{};
  const Surface* surface = GetWindowSurface(hwnd, &origin);
  int x = client.x + origin.x, y = client.y + origin.y;
  if (!surface || x < 0 || y < 0 || x >= surface->width() || y >= surface->height()) return 0xFFFFFFFF;
  return ColorFromPixel(surface->At(x, y));
}

}  // namespace platform::test

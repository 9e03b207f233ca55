#pragma once
// Drives the window layer without a display: the headless presenter, a manual clock,
// injected mouse and key input, pumping until idle, and pixel read-back.
#include "platform/base/Geometry.h"
#include "platform/win/InputEvent.h"
#include "platform/win/Window.h"

namespace platform::test {

class WindowHarness {
public:
  WindowHarness();
  ~WindowHarness();

  // Runs everything that is ready (posted messages, input, painting, due timers) until
  // nothing is left, at most `rounds` loop iterations.
  void Pump(int rounds = 10000);
  // Moves the manual clock forward in steps, firing the timers that fall due in order.
  void AdvanceTime(DWORD milliseconds);

  // Pointer input at a point of the window's client area (or of the screen).
  void MoveTo(HWND hwnd, CPoint client);
  void MoveToScreen(CPoint screen);
  void Press(HWND hwnd, CPoint client, MouseButton button = MouseButton::Left);
  void Release(HWND hwnd, CPoint client, MouseButton button = MouseButton::Left);
  void Click(HWND hwnd, CPoint client, MouseButton button = MouseButton::Left);
  void Wheel(HWND hwnd, CPoint client, int delta);
  void PointerLeaves();
  // Keys go to the focus window; `character` is what the key types, if anything.
  void KeyDown(UINT vk, wchar_t character = 0, bool repeat = false);
  void KeyUp(UINT vk);
  void Key(UINT vk, wchar_t character = 0);

  // The colour at a point of the window's client area, as painted so far; 0xFFFFFFFF
  // outside the surface.
  COLORREF Pixel(HWND hwnd, CPoint client) const;

private:
  CPoint ToScreen(HWND hwnd, CPoint client) const;
  void Send(const InputEvent& event);
  void SendButton(InputKind kind, CPoint screen, MouseButton button);
};

}  // namespace platform::test

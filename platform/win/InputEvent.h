#pragma once
// Input as a presenter (or a test) hands it to the window layer: pointer positions are
// screen coordinates; the layer finds the window and makes the messages.
#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"

namespace platform {

enum class InputKind { MouseMove, ButtonDown, ButtonUp, Wheel, HorizontalWheel, PointerLeft, KeyDown, KeyUp };
enum class MouseButton { Left, Right, Middle };

struct InputEvent {
  InputKind kind = InputKind::MouseMove;
  CPoint screen;                           // pointer events
  MouseButton button = MouseButton::Left;  // ButtonDown, ButtonUp
  int wheelDelta = 0;                      // multiples of WHEEL_DELTA, positive away from the user
  UINT virtualKey = 0;                     // KeyDown, KeyUp
  wchar_t character = 0;                   // the character a KeyDown types, if any
  bool repeat = false;                     // KeyDown from auto-repeat
  DWORD time = 0;                          // 0: the layer's clock
};

// Queues the event for the UI thread's loop; safe from any thread.
void QueueInput(const InputEvent& event);

}  // namespace platform

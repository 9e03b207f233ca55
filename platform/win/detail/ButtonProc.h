#pragma once
// What the button class keeps per window, and its painting.
#include "platform/win/Window.h"

namespace platform::detail {

struct ButtonState {
  UINT state = 0;        // check (low two bits), BST_PUSHED, BST_FOCUS
  bool pressed = false;  // a press by mouse or space is under way
};

// Paints the button in the looks of its kind; owner-drawn ones go to the parent.
void PaintButton(HWND hwnd, UINT state);

}  // namespace platform::detail

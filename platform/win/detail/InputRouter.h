#pragma once
// Turns input events into mouse and key messages: hit-testing, capture, double-clicks,
// mouse tracking, the caption drag, and the key state.
#include "platform/base/Geometry.h"
#include "platform/win/InputEvent.h"

namespace platform::detail {

struct HitResult {
  HWND hwnd = nullptr;
  LRESULT hit = 0;  // HTCLIENT, HTCAPTION, ...
};

void RouteInput(const InputEvent& event);
// The deepest visible, enabled window under the screen point that does not answer
// HTTRANSPARENT, with its hit-test answer.
HitResult HitTestScreen(const CPoint& screen);
CPoint LastPointerPosition();
void SetPointerPosition(const CPoint& screen);
void BeginMoveDrag(HWND topLevel);
void EndMoveDrag();
// Mouse tracking lets go of the window (and its subtree); hidden windows get their
// WM_MOUSELEAVE, destroyed ones nothing.
void DropTracking(HWND hwnd, bool destroying);
bool KeyDown(int vk);
HWND& TrackedWindow();

}  // namespace platform::detail

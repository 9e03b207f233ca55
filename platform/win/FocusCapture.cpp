#include "platform/win/Presenter.h"
#include "platform/win/Input.h"
#include "platform/win/Window.h"
#include "platform/win/detail/InputRouter.h"
#include "platform/win/detail/WindowInternals.h"
#include "platform/win/detail/WindowTree.h"

using platform::detail::FindWindowNode;
using platform::detail::WindowNode;

namespace {

struct FocusState {
  HWND focus = nullptr;
  HWND capture = nullptr;
  HWND active = nullptr;
  HCURSOR cursor = nullptr;
};

FocusState& F() {
  static FocusState state;
  return state;
}

bool InSubtree(HWND root, HWND hwnd) { return hwnd && (hwnd == root || IsChild(root, hwnd)); }

constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;

void ChangeFocus(HWND to) {
  HWND old = F().focus;
  if (old == to) return;
  F().focus = to;
  if (IsWindow(old)) SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(to), 0);
  if (to && F().focus == to && IsWindow(to)) {
    if (WindowNode* top = FindWindowNode(GetAncestor(to, GA_ROOT))) top->lastFocus = to;
    SendMessage(to, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  }
}

}  // namespace

namespace platform::detail {

void ActivateTopLevel(HWND hwnd) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return;
  WindowTree::Get().RaiseTopLevel(hwnd);
  GetPresenter().TopLevelRaised(hwnd);
  HWND old = F().active;
  if (old == hwnd) return;
  F().active = hwnd;
  if (IsWindow(old)) SendMessage(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hwnd));
  if (F().active == hwnd && IsWindow(hwnd))
    SendMessage(hwnd, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(IsWindow(old) ? old : nullptr));
}

void RestoreFocusOnActivate(HWND hwnd) {
  if (InSubtree(hwnd, F().focus)) return;
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return;
  HWND last = node->lastFocus;
  bool usable = InSubtree(hwnd, last) && IsWindowVisible(last) && IsWindowEnabled(last);
  ChangeFocus(usable ? last : hwnd);
}

void ActivateNextAfter(HWND hwnd) {
  if (F().active != hwnd) return;
  F().active = nullptr;
  WindowNode* node = FindWindowNode(hwnd);
  HWND next = nullptr;
  if (node && node->owner && IsWindowVisible(node->owner) && IsWindowEnabled(node->owner) && !IsIconic(node->owner))
    next = node->owner;
  if (!next) {
    for (HWND top : WindowTree::Get().TopLevels()) {
      WindowNode* t = FindWindowNode(top);
      if (top != hwnd && t && t->IsVisible() && t->IsEnabled() && t->show != ShowState::Minimized) {
        next = top;
        break;
      }
    }
  }
  if (InSubtree(hwnd, F().focus)) ChangeFocus(nullptr);
  if (IsWindow(hwnd)) SendMessage(hwnd, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(next));
  if (next) ActivateTopLevel(next);
}

void ReleaseInputState(HWND hwnd, bool destroying) {
  if (InSubtree(hwnd, F().capture)) ReleaseCapture();
  DropTracking(hwnd, destroying);
  if (InSubtree(hwnd, F().focus)) {
    WindowNode* node = FindWindowNode(hwnd);
    HWND parent = node && node->IsChild() ? node->parent : nullptr;
    WindowNode* p = FindWindowNode(parent);
    bool parentUsable = p && !p->destroying && IsWindowVisible(parent);
    // A disabled window gives the focus up to nobody; a hidden or destroyed child to its parent.
    bool disabling = node && !node->IsEnabled();
    ChangeFocus(parentUsable && !disabling ? parent : nullptr);
  }
  if (destroying && F().active == hwnd) ActivateNextAfter(hwnd);
}

}  // namespace platform::detail

HWND SetCapture(HWND hWnd) {
  if (!IsWindow(hWnd)) return nullptr;
  HWND old = F().capture;
  F().capture = hWnd;
  platform::detail::EndMoveDrag();
  if (old && old != hWnd && IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
  platform::GetPresenter().PointerCaptured(hWnd, true);
  return old;
}

BOOL ReleaseCapture() {
  HWND old = F().capture;
  F().capture = nullptr;
  if (old) {
    platform::GetPresenter().PointerCaptured(old, false);
    if (IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  }
  return TRUE;
}

HWND GetCapture() { return F().capture; }

HWND SetFocus(HWND hWnd) {
  HWND old = F().focus;
  if (hWnd) {
    WindowNode* node = FindWindowNode(hWnd);
    if (!node || !node->IsEnabled()) return nullptr;
    HWND top = GetAncestor(hWnd, GA_ROOT);
    if (F().active != top) {
      // Activation would restore the old focus first; mark the new one as the one to restore.
      if (WindowNode* t = FindWindowNode(top)) t->lastFocus = hWnd;
      platform::detail::ActivateTopLevel(top);
    }
    if (!IsWindow(hWnd)) return old;
  }
  ChangeFocus(hWnd);
  return IsWindow(old) ? old : nullptr;
}

HWND GetFocus() { return F().focus; }

HWND SetActiveWindow(HWND hWnd) {
  HWND old = F().active;
  HWND top = GetAncestor(hWnd, GA_ROOT);
  if (top) platform::detail::ActivateTopLevel(top);
  return old;
}

HWND GetActiveWindow() { return F().active; }
BOOL SetForegroundWindow(HWND hWnd) { return SetActiveWindow(hWnd) || IsWindow(hWnd); }
HWND GetForegroundWindow() { return F().active; }

BOOL GetCursorPos(LPPOINT lpPoint) {
  if (!lpPoint) return FALSE;
  *lpPoint = platform::detail::LastPointerPosition();
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  platform::detail::SetPointerPosition(CPoint(x, y));
  return TRUE;
}

HCURSOR SetCursor(HCURSOR hCursor) {
  HCURSOR old = F().cursor;
  F().cursor = hCursor;
  if (old != hCursor)
    platform::GetPresenter().CursorChanged(static_cast<int>(reinterpret_cast<INT_PTR>(hCursor) & 0xFFFF));
  return old;
}

HCURSOR GetCursor() { return F().cursor; }

#include <algorithm>

#include "platform/win/Presenter.h"
#include "platform/win/Paint.h"
#include "platform/win/Window.h"
#include "platform/win/detail/NonClient.h"
#include "platform/win/detail/Painter.h"
#include "platform/win/detail/WindowInternals.h"
#include "platform/win/detail/WindowTree.h"

using platform::detail::FindWindowNode;
using platform::detail::ShowState;
using platform::detail::WindowNode;
using platform::detail::WindowTree;

namespace {

enum class SizeNotice { IfChanged, Always };

platform::PresentedState Presented(ShowState s) {
  switch (s) {
    case ShowState::Minimized: return platform::PresentedState::Minimized;
    case ShowState::Maximized: return platform::PresentedState::Maximized;
    default: return platform::PresentedState::Normal;
  }
}

// Where the window (or its client area) starts on the screen.
CPoint ScreenOrigin(const WindowNode& node, bool client) {
  WindowTree& tree = WindowTree::Get();
  WindowNode* top = tree.TopLevelOf(node);
  if (!top) return CPoint();
  CRect inTop = client ? tree.RectInTopLevel(node) : tree.WindowRectInTopLevel(node);
  return top->rect.TopLeft() + inTop.TopLeft();
}

// WM_WINDOWPOSCHANGED, whose default processing sends WM_MOVE and WM_SIZE.
void SendPositionChanged(HWND hwnd, const CRect& rect, UINT flags) {
  WINDOWPOS wp;
  wp.hwnd = hwnd;
  wp.x = rect.left;
  wp.y = rect.top;
  wp.cx = rect.Width();
  wp.cy = rect.Height();
  wp.flags = flags;
  SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
}

void ApplyPosition(HWND hwnd, CRect rect, UINT flags, SizeNotice notice) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return;
  rect.right = std::max(rect.right, rect.left);
  rect.bottom = std::max(rect.bottom, rect.top);
  CRect old = node->rect;
  bool moved = rect.TopLeft() != old.TopLeft();
  bool sized = rect.Size() != old.Size();
  if (!moved && !sized && notice == SizeNotice::IfChanged) return;
  bool redraw = (flags & SWP_NOREDRAW) == 0 && node->IsVisible();
  if (node->IsChild() && redraw && (moved || sized)) InvalidateRect(node->parent, &old, TRUE);
  node->rect = rect;
  if (sized) {
    platform::detail::RecalcNonClient(hwnd);
    if (!(node = FindWindowNode(hwnd))) return;
  }
  if (redraw) platform::detail::InvalidateFrame(*node);
  if (!node->IsChild()) {
    if (sized) node->surface->Resize(rect.Width(), rect.Height());
    platform::GetPresenter().TopLevelMoved(hwnd, rect);
    if (sized) InvalidateRect(hwnd, nullptr, TRUE);
  }
  if (redraw && (moved || sized)) InvalidateRect(hwnd, nullptr, TRUE);
  SendPositionChanged(hwnd, rect,
                      flags | (moved ? 0 : SWP_NOMOVE) | (sized || notice == SizeNotice::Always ? 0 : SWP_NOSIZE));
}

void SetVisible(HWND hwnd, bool visible, bool activate) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node || node->IsVisible() == visible) return;
  SendMessage(hwnd, WM_SHOWWINDOW, visible ? TRUE : FALSE, 0);
  node = FindWindowNode(hwnd);
  if (!node) return;
  if (visible) node->style |= WS_VISIBLE;
  else node->style &= ~WS_VISIBLE;
  if (node->IsChild()) {
    if (!visible) {
      CRect area = node->rect;
      InvalidateRect(node->parent, &area, TRUE);
      platform::detail::ReleaseInputState(hwnd, false);
    } else {
      platform::detail::InvalidateFrame(*node);
      InvalidateRect(hwnd, nullptr, TRUE);
    }
    return;
  }
  platform::GetPresenter().TopLevelShown(hwnd, visible, Presented(node->show));
  if (visible) {
    InvalidateRect(hwnd, nullptr, TRUE);
    if (activate && !(node->exStyle & WS_EX_NOACTIVATE)) platform::detail::ActivateTopLevel(hwnd);
  } else {
    platform::detail::ReleaseInputState(hwnd, false);
    platform::detail::ActivateNextAfter(hwnd);
  }
}

void SendSize(HWND hwnd, UINT kind) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return;
  int cx = kind == SIZE_MINIMIZED ? 0 : node->rect.Width();
  int cy = kind == SIZE_MINIMIZED ? 0 : node->rect.Height();
  SendMessage(hwnd, WM_SIZE, kind, MAKELPARAM(static_cast<WORD>(cx), static_cast<WORD>(cy)));
}

void Minimize(HWND hwnd, bool activate) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return;
  node->show = ShowState::Minimized;
  node->style |= WS_MINIMIZE;
  if (!node->IsVisible()) SetVisible(hwnd, true, false);
  if (!node->IsChild()) platform::GetPresenter().TopLevelShown(hwnd, true, platform::PresentedState::Minimized);
  SendSize(hwnd, SIZE_MINIMIZED);
  if (!activate) platform::detail::ActivateNextAfter(hwnd);
}

void Maximize(HWND hwnd) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return;
  if (node->show == ShowState::Normal) node->restoreRect = node->rect;
  node->show = ShowState::Maximized;
  node->style = (node->style & ~WS_MINIMIZE) | WS_MAXIMIZE;
  CRect full = platform::GetPresenter().ScreenRect();
  if (node->IsChild())
    if (WindowNode* parent = FindWindowNode(node->parent)) full = parent->ClientRect();
  SetVisible(hwnd, true, true);
  if (!node->IsChild()) platform::GetPresenter().TopLevelShown(hwnd, true, platform::PresentedState::Maximized);
  ApplyPosition(hwnd, full, 0, SizeNotice::Always);
}

void Restore(HWND hwnd, bool activate) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return;
  ShowState was = node->show;
  node->show = ShowState::Normal;
  node->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
  SetVisible(hwnd, true, activate);
  if (was == ShowState::Normal) return;
  if (!node->IsChild()) platform::GetPresenter().TopLevelShown(hwnd, true, platform::PresentedState::Normal);
  if (was == ShowState::Maximized) {
    ApplyPosition(hwnd, node->restoreRect, 0, SizeNotice::Always);
  } else {
    InvalidateRect(hwnd, nullptr, TRUE);
    SendSize(hwnd, SIZE_RESTORED);
    if (activate) platform::detail::ActivateTopLevel(hwnd);
  }
}

void Reorder(HWND hwnd, HWND after) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return;
  if (after == HWND_TOP || after == HWND_TOPMOST) {
    WindowTree::Get().Raise(hwnd);
    if (!node->IsChild()) platform::GetPresenter().TopLevelRaised(hwnd);
  } else if (node->IsChild()) {
    WindowNode* parent = FindWindowNode(node->parent);
    if (!parent) return;
    auto& list = parent->children;
    list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
    auto pos = after == HWND_BOTTOM ? list.end() : std::find(list.begin(), list.end(), after);
    if (pos != list.end()) ++pos;
    list.insert(pos, hwnd);
  }
  if (node->IsVisible()) InvalidateRect(hwnd, nullptr, TRUE);
}

}  // namespace

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node || !lpRect) return FALSE;
  CPoint origin = ScreenOrigin(*node, false);
  *lpRect = CRect(origin, node->rect.Size());
  return TRUE;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node || !lpRect) return FALSE;
  *lpRect = node->ClientRect();
  return TRUE;
}

BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  if (!IsWindow(hWnd)) return FALSE;
  return SetWindowPos(hWnd, nullptr, x, y, nWidth, nHeight,
                      SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return FALSE;
  CRect rect = node->rect;
  if (!(uFlags & SWP_NOMOVE)) rect.MoveToXY(x, y);
  if (!(uFlags & SWP_NOSIZE)) {
    rect.right = rect.left + std::max(cx, 0);
    rect.bottom = rect.top + std::max(cy, 0);
  }
  ApplyPosition(hWnd, rect, uFlags, SizeNotice::IfChanged);
  if ((uFlags & SWP_FRAMECHANGED) && IsWindow(hWnd)) {
    platform::detail::RecalcNonClient(hWnd);
    platform::detail::PresentFrame(hWnd);
    if (WindowNode* again = FindWindowNode(hWnd)) platform::detail::InvalidateFrame(*again);
    InvalidateRect(hWnd, nullptr, TRUE);
  }
  if (!(uFlags & SWP_NOZORDER)) Reorder(hWnd, hWndInsertAfter);
  if (uFlags & SWP_SHOWWINDOW) SetVisible(hWnd, true, (uFlags & SWP_NOACTIVATE) == 0);
  if (uFlags & SWP_HIDEWINDOW) SetVisible(hWnd, false, false);
  if (!(uFlags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) && IsWindowVisible(hWnd))
    if (WindowNode* again = FindWindowNode(hWnd); again && !again->IsChild()) platform::detail::ActivateTopLevel(hWnd);
  return IsWindow(hWnd);
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return FALSE;
  BOOL wasVisible = node->IsVisible() ? TRUE : FALSE;
  switch (nCmdShow) {
    case SW_HIDE: SetVisible(hWnd, false, false); break;
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: Minimize(hWnd, false); break;
    case SW_SHOWMINIMIZED: Minimize(hWnd, true); break;
    case SW_SHOWMAXIMIZED: Maximize(hWnd); break;
    case SW_SHOWNORMAL:
    case SW_RESTORE: Restore(hWnd, true); break;
    case SW_SHOWNOACTIVATE: Restore(hWnd, false); break;
    case SW_SHOWNA: SetVisible(hWnd, true, false); break;
    default: SetVisible(hWnd, true, true); break;
  }
  return wasVisible;
}

BOOL IsWindowVisible(HWND hWnd) {
  WindowNode* node = FindWindowNode(hWnd);
  while (node) {
    if (!node->IsVisible()) return FALSE;
    if (!node->IsChild()) return TRUE;
    node = FindWindowNode(node->parent);
  }
  return FALSE;
}

BOOL IsIconic(HWND hWnd) {
  WindowNode* node = FindWindowNode(hWnd);
  return node && node->show == ShowState::Minimized;
}

BOOL IsZoomed(HWND hWnd) {
  WindowNode* node = FindWindowNode(hWnd);
  return node && node->show == ShowState::Maximized;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return FALSE;
  BOOL wasDisabled = node->IsEnabled() ? FALSE : TRUE;
  if ((bEnable != FALSE) == node->IsEnabled()) return wasDisabled;
  if (bEnable) {
    node->style &= ~WS_DISABLED;
  } else {
    SendMessage(hWnd, WM_CANCELMODE, 0, 0);
    if (!(node = FindWindowNode(hWnd))) return wasDisabled;
    node->style |= WS_DISABLED;
    platform::detail::ReleaseInputState(hWnd, false);
  }
  SendMessage(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hWnd) {
  WindowNode* node = FindWindowNode(hWnd);
  return node && node->IsEnabled();
}

BOOL BringWindowToTop(HWND hWnd) { return SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node || !lpPoint) return FALSE;
  CPoint origin = ScreenOrigin(*node, true);
  lpPoint->x += origin.x;
  lpPoint->y += origin.y;
  return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node || !lpPoint) return FALSE;
  CPoint origin = ScreenOrigin(*node, true);
  lpPoint->x -= origin.x;
  lpPoint->y -= origin.y;
  return TRUE;
}

int MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
  CPoint delta(0, 0);
  if (hWndFrom) ClientToScreen(hWndFrom, &delta);
  if (hWndTo) ScreenToClient(hWndTo, &delta);
  for (UINT i = 0; i < cPoints; ++i) {
    lpPoints[i].x += delta.x;
    lpPoints[i].y += delta.y;
  }
  return MAKELONG(static_cast<WORD>(delta.x), static_cast<WORD>(delta.y));
}

namespace platform {

BOOL SetWindowRegionRect(HWND hWnd, const RECT* lpRect, BOOL bRedraw) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return FALSE;
  // What the old region hid or the new one hides shows the parent again.
  if (bRedraw && node->IsChild() && node->IsVisible()) InvalidateRect(node->parent, &node->rect, TRUE);
  if (lpRect) node->region = CRect(*lpRect);
  else node->region.reset();
  if (bRedraw) {
    platform::detail::InvalidateFrame(*node);
    InvalidateRect(hWnd, nullptr, TRUE);
  }
  return TRUE;
}

void OnPresenterMoved(HWND hwnd, const CPoint& screenTopLeft) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node || node->IsChild() || node->rect.TopLeft() == screenTopLeft) return;
  CRect rect = node->rect;
  rect.MoveToXY(screenTopLeft.x, screenTopLeft.y);
  node->rect = rect;
  SendPositionChanged(hwnd, rect, SWP_NOSIZE | SWP_NOZORDER);
}

void OnPresenterStateChanged(HWND hwnd, PresentedState state) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node || Presented(node->show) == state) return;
  if (state == PresentedState::Minimized) Minimize(hwnd, false);
  else if (state == PresentedState::Maximized) Maximize(hwnd);
  else Restore(hwnd, true);
}

void OnPresenterCloseRequested(HWND hwnd) {
  if (IsWindow(hwnd)) PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void OnPresenterExposed(HWND hwnd) {
  WindowNode* node = FindWindowNode(hwnd);
  if (node && node->surface) platform::detail::AddDamage(hwnd, node->ClientRect());
}

}  // namespace platform

#include "platform/win/Window.h"
#include "platform/win/detail/InputRouter.h"
#include "platform/win/detail/WindowTree.h"

namespace platform::detail {

namespace {

CRect ScreenRectOf(HWND hwnd) {
  CRect r;
  GetWindowRect(hwnd, &r);
  return r;
}

LPARAM PackPoint(const CPoint& p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

HWND Descend(HWND parent, const CPoint& screen, LRESULT* hit) {
  WindowNode* node = FindWindowNode(parent);
  if (!node) return nullptr;
  std::vector<HWND> children = node->children;
  for (HWND child : children) {
    WindowNode* c = FindWindowNode(child);
    if (!c || !c->IsVisible() || !c->IsEnabled()) continue;
    CRect rect = ScreenRectOf(child);
    if (!rect.PtInRect(screen)) continue;
    if (c->region && !c->region->PtInRect(screen - rect.TopLeft())) continue;
    LRESULT h = SendMessage(child, WM_NCHITTEST, 0, PackPoint(screen));
    if (!IsWindow(child) || h == HTTRANSPARENT) continue;
    if (HWND deeper = Descend(child, screen, hit)) return deeper;
    *hit = h;
    return child;
  }
  return nullptr;
}

}  // namespace

HitResult HitTestScreen(const CPoint& screen) {
  std::vector<HWND> tops = WindowTree::Get().TopLevels();
  for (HWND top : tops) {
    WindowNode* node = FindWindowNode(top);
    if (!node || !node->IsVisible() || node->show == ShowState::Minimized) continue;
    if (!node->rect.PtInRect(screen)) continue;
    if (!node->IsEnabled()) return {};
    HitResult result;
    if (HWND child = Descend(top, screen, &result.hit)) {
      result.hwnd = child;
      return result;
    }
    LRESULT h = SendMessage(top, WM_NCHITTEST, 0, PackPoint(screen));
    if (!IsWindow(top) || h == HTTRANSPARENT) continue;
    return {top, h};
  }
  return {};
}

}  // namespace platform::detail

HWND WindowFromPoint(POINT point) { return platform::detail::HitTestScreen(CPoint(point)).hwnd; }

HWND ChildWindowFromPoint(HWND hWndParent, POINT point) {
  auto* node = platform::detail::FindWindowNode(hWndParent);
  if (!node) return nullptr;
  CRect client = node->ClientRect();
  if (!client.PtInRect(point)) return nullptr;
  for (HWND child : node->children) {
    auto* c = platform::detail::FindWindowNode(child);
    if (c && c->IsVisible() && c->rect.PtInRect(point)) return child;
  }
  return hWndParent;
}

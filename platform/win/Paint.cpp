#include "platform/win/Paint.h"

#include <map>
#include <memory>

#include "platform/gdi/DC.h"
#include "platform/win/Window.h"
#include "platform/win/detail/NonClient.h"
#include "platform/win/detail/Painter.h"
#include "platform/win/detail/WindowTree.h"

using platform::detail::FindWindowNode;
using platform::detail::WindowNode;

namespace {

// Device contexts handed out by BeginPaint and GetDC, until EndPaint or ReleaseDC.
std::map<HDC, std::pair<HWND, std::unique_ptr<CDC>>>& LentDCs() {
  static std::map<HDC, std::pair<HWND, std::unique_ptr<CDC>>> dcs;
  return dcs;
}

bool IncludesChildren(const WindowNode& node, UINT flags) {
  if (flags & RDW_NOCHILDREN) return false;
  return (flags & RDW_ALLCHILDREN) || !(node.style & WS_CLIPCHILDREN);
}

void ValidateTree(HWND hwnd, const CRect& rect, bool children) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return;
  node->update.Subtract(rect);
  if (!children) return;
  for (HWND child : node->children) {
    WindowNode* c = FindWindowNode(child);
    if (!c) continue;
    CRect inChild = rect;
    inChild.OffsetRect(-c->rect.left - c->insets.left, -c->rect.top - c->insets.top);
    ValidateTree(child, inChild, true);
  }
}

}  // namespace

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return FALSE;
  CRect rect = lpRect ? CRect(*lpRect) : node->ClientRect();
  platform::detail::Invalidate(*node, rect, bErase != FALSE, IncludesChildren(*node, 0));
  return TRUE;
}

BOOL ValidateRect(HWND hWnd, const RECT* lpRect) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return FALSE;
  node->update.Subtract(lpRect ? CRect(*lpRect) : node->ClientRect());
  return TRUE;
}

BOOL RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN, UINT flags) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return FALSE;
  CRect rect = lprcUpdate ? CRect(*lprcUpdate) : node->ClientRect();
  bool children = IncludesChildren(*node, flags);
  if (flags & RDW_INVALIDATE) platform::detail::Invalidate(*node, rect, (flags & RDW_ERASE) != 0, children);
  if (flags & RDW_FRAME) platform::detail::InvalidateFrame(*node);
  if (flags & RDW_VALIDATE) ValidateTree(hWnd, rect, children);
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) platform::detail::PaintNow(hWnd, children || (flags & RDW_ALLCHILDREN));
  return TRUE;
}

BOOL UpdateWindow(HWND hWnd) {
  if (!IsWindow(hWnd)) return FALSE;
  platform::detail::PaintNow(hWnd, false);
  return TRUE;
}

BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return FALSE;
  if (lpRect) *lpRect = node->update.Bounds();
  if (bErase) platform::detail::EraseNow(hWnd);
  node = FindWindowNode(hWnd);
  return node && !node->update.IsEmpty() ? TRUE : FALSE;
}

HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
  if (!IsWindow(hWnd) || !lpPaint) return nullptr;
  auto dc = std::make_unique<CDC>();
  HDC hdc = dc->GetSafeHdc();
  CDC* raw = dc.get();
  LentDCs()[hdc] = {hWnd, std::move(dc)};
  platform::detail::BeginPaintInto(hWnd, lpPaint, raw);
  return hdc;
}

BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
  if (!lpPaint) return FALSE;
  auto it = LentDCs().find(lpPaint->hdc);
  if (it == LentDCs().end()) return FALSE;
  platform::detail::EndPaintFrom(hWnd, it->second.second.get());
  LentDCs().erase(it);
  return TRUE;
}

HDC GetDC(HWND hWnd) {
  if (!IsWindow(hWnd)) return nullptr;
  auto dc = std::make_unique<CDC>();
  if (!platform::detail::AttachClientDC(hWnd, dc.get())) return nullptr;
  HDC hdc = dc->GetSafeHdc();
  LentDCs()[hdc] = {hWnd, std::move(dc)};
  return hdc;
}

HDC GetWindowDC(HWND hWnd) {
  if (!IsWindow(hWnd)) return nullptr;
  auto dc = std::make_unique<CDC>();
  if (!platform::detail::AttachWindowDC(hWnd, dc.get())) return nullptr;
  HDC hdc = dc->GetSafeHdc();
  LentDCs()[hdc] = {hWnd, std::move(dc)};
  return hdc;
}

int ReleaseDC(HWND, HDC hDC) {
  auto it = LentDCs().find(hDC);
  if (it == LentDCs().end()) return 0;
  platform::detail::ReleaseClientDC(it->second.first, it->second.second.get());
  LentDCs().erase(it);
  return 1;
}

namespace platform {

const Surface* GetWindowSurface(HWND hwnd, POINT* clientOrigin) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return nullptr;
  auto& tree = platform::detail::WindowTree::Get();
  WindowNode* top = tree.TopLevelOf(*node);
  if (!top || !top->surface) return nullptr;
  if (clientOrigin) *clientOrigin = tree.RectInTopLevel(*node).TopLeft();
  return top->surface.get();
}

}  // namespace platform

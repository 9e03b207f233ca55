#include "platform/win/detail/NonClient.h"

#include "platform/gdi/DC.h"
#include "platform/win/OwnerDraw.h"
#include "platform/win/Presenter.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/detail/Painter.h"
#include "platform/win/detail/WindowTree.h"

namespace platform::detail {

namespace {

void FillBand(CDC& dc, int l, int t, int r, int b, COLORREF color) {
  if (r > l && b > t) dc.FillSolidRect(l, t, r - l, b - t, color);
}

// A two-pixel sunken edge, or a one-pixel line for WS_BORDER.
void DrawBorder(CDC& dc, const WindowNode& node) {
  CRect w = node.LocalWindowRect();
  if (node.exStyle & WS_EX_CLIENTEDGE) {
    FillBand(dc, w.left, w.top, w.right, w.top + 1, GetSysColor(COLOR_BTNSHADOW));
    FillBand(dc, w.left, w.top, w.left + 1, w.bottom, GetSysColor(COLOR_BTNSHADOW));
    FillBand(dc, w.left, w.bottom - 1, w.right, w.bottom, GetSysColor(COLOR_BTNHIGHLIGHT));
    FillBand(dc, w.right - 1, w.top, w.right, w.bottom, GetSysColor(COLOR_BTNHIGHLIGHT));
    FillBand(dc, w.left + 1, w.top + 1, w.right - 1, w.top + 2, GetSysColor(COLOR_3DDKSHADOW));
    FillBand(dc, w.left + 1, w.top + 1, w.left + 2, w.bottom - 1, GetSysColor(COLOR_3DDKSHADOW));
  } else if (node.style & WS_BORDER) {
    COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    FillBand(dc, w.left, w.top, w.right, w.top + 1, frame);
    FillBand(dc, w.left, w.bottom - 1, w.right, w.bottom, frame);
    FillBand(dc, w.left, w.top, w.left + 1, w.bottom, frame);
    FillBand(dc, w.right - 1, w.top, w.right, w.bottom, frame);
  }
}

int BorderWidth(const WindowNode& node) {
  if (node.exStyle & WS_EX_CLIENTEDGE) return 2;
  if (node.exStyle & WS_EX_STATICEDGE) return 1;
  return (node.style & WS_BORDER) ? 1 : 0;
}

}  // namespace

bool RecalcNonClient(HWND hwnd) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return false;
  NCCALCSIZE_PARAMS params;
  params.rgrc[0] = node->rect;
  SendMessage(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
  if (!(node = FindWindowNode(hwnd))) return false;
  CRect client(params.rgrc[0]);
  CRect insets(std::max<LONG>(0, client.left - node->rect.left), std::max<LONG>(0, client.top - node->rect.top),
               std::max<LONG>(0, node->rect.right - client.right),
               std::max<LONG>(0, node->rect.bottom - client.bottom));
  if (insets == node->insets) return false;
  node->insets = insets;
  InvalidateFrame(*node);
  return true;
}

LRESULT DefNcCalcSize(HWND hwnd, WPARAM, LPARAM lParam) {
  WindowNode* node = FindWindowNode(hwnd);
  auto* rect = reinterpret_cast<RECT*>(lParam);  // rgrc[0] either way
  if (!node || !rect || !node->IsChild()) return 0;
  CRect r(*rect);
  int border = BorderWidth(*node);
  r.DeflateRect(border, border);
  if (node->style & WS_VSCROLL) r.right -= GetSystemMetrics(SM_CXVSCROLL);
  if (node->style & WS_HSCROLL) r.bottom -= GetSystemMetrics(SM_CYHSCROLL);
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  *rect = r;
  return 0;
}

LRESULT DefNcPaint(HWND hwnd) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node || !node->HasFrame()) return 0;
  CDC dc;
  if (!AttachWindowDC(hwnd, &dc)) return 0;
  CRect w = node->LocalWindowRect();
  CRect c = node->ClientRect();
  c.OffsetRect(node->ClientOffset());
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  FillBand(dc, w.left, w.top, w.right, c.top, face);
  FillBand(dc, w.left, c.bottom, w.right, w.bottom, face);
  FillBand(dc, w.left, c.top, c.left, c.bottom, face);
  FillBand(dc, c.right, c.top, w.right, c.bottom, face);
  DrawBorder(dc, *node);
  ReleaseClientDC(hwnd, &dc);
  return 0;
}

LRESULT DefNcHitTest(HWND hwnd, LPARAM lParam) {
  CPoint p(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  CRect window;
  GetWindowRect(hwnd, &window);
  if (!window.PtInRect(p)) return HTNOWHERE;
  CRect client;
  GetClientRect(hwnd, &client);
  CPoint inClient = p;
  ScreenToClient(hwnd, &inClient);
  if (client.PtInRect(inClient)) return HTCLIENT;
  WindowNode* node = FindWindowNode(hwnd);
  if (node && (node->style & WS_VSCROLL) && inClient.x >= client.right && inClient.y >= 0 && inClient.y < client.bottom)
    return HTVSCROLL;
  if (node && (node->style & WS_HSCROLL) && inClient.y >= client.bottom && inClient.x >= 0 && inClient.x < client.right)
    return HTHSCROLL;
  return HTBORDER;
}

bool AttachWindowDC(HWND hwnd, CDC* dc) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return false;
  WindowTree& tree = WindowTree::Get();
  WindowNode* top = tree.TopLevelOf(*node);
  if (!top || !top->surface) return false;
  CRect clip = tree.VisibleWindowRectInTopLevel(*node);
  dc->AttachSurface(top->surface.get(), tree.WindowRectInTopLevel(*node).TopLeft(), clip);
  AddDamage(top->handle, clip);
  return true;
}

void PresentFrame(HWND hwnd) {
  WindowNode* node = FindWindowNode(hwnd);
  if (node && !node->IsChild()) GetPresenter().TopLevelDecorated(hwnd, (node->style & WS_CAPTION) == WS_CAPTION);
}

}  // namespace platform::detail

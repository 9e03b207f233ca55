#include <algorithm>

#include "platform/base/Check.h"
#include "platform/gdi/DC.h"
#include "platform/win/Presenter.h"
#include "platform/win/Input.h"
#include "platform/win/Keys.h"
#include "platform/win/Paint.h"
#include "platform/win/Resources.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Window.h"
#include "platform/win/Wnd.h"
#include "platform/win/detail/InputRouter.h"
#include "platform/win/detail/MessageLoop.h"
#include "platform/win/detail/NonClient.h"
#include "platform/win/detail/Painter.h"
#include "platform/win/detail/WindowInternals.h"
#include "platform/win/detail/WindowTree.h"

using platform::detail::FindWindowNode;
using platform::detail::WindowNode;

namespace {

LRESULT SetText(WindowNode& node, LPARAM lParam) {
  node.text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : L"";
  if (!node.IsChild()) platform::GetPresenter().TopLevelTitle(node.handle, node.text);
  return TRUE;
}

LRESULT GetText(const WindowNode& node, WPARAM max, LPARAM lParam) {
  auto* buffer = reinterpret_cast<LPWSTR>(lParam);
  if (!buffer || max == 0) return 0;
  size_t n = std::min(node.text.size(), static_cast<size_t>(max) - 1);
  std::copy(node.text.begin(), node.text.begin() + static_cast<std::ptrdiff_t>(n), buffer);
  buffer[n] = 0;
  return static_cast<LRESULT>(n);
}

LRESULT Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  BeginPaint(hwnd, &ps);
  EndPaint(hwnd, &ps);
  return 0;
}

LRESULT EraseBackground(const WindowNode& node, WPARAM wParam) {
  int background = node.windowClass->background;
  if (background <= 0) return 0;
  CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
  if (!dc) return 0;
  CRect client = node.ClientRect();
  dc->FillSolidRect(&client, GetSysColor(background - 1));
  return 1;
}

LRESULT SetCursorDefault(WindowNode& node, WPARAM wParam, LPARAM lParam) {
  if (platform::WaitCursorCount() > 0) {
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    return TRUE;
  }
  HWND hwnd = node.handle;
  if (node.IsChild() && SendMessage(node.parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
  WindowNode* again = FindWindowNode(hwnd);
  if (!again || static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lParam))) != HTCLIENT) return FALSE;
  HCURSOR cursor = again->windowClass->cursor;
  SetCursor(cursor ? cursor : LoadCursor(nullptr, IDC_ARROW));
  return FALSE;
}

LRESULT SystemCommand(HWND hwnd, WPARAM wParam) {
  switch (wParam & 0xFFF0) {
    case SC_MOVE: platform::detail::BeginMoveDrag(GetAncestor(hwnd, GA_ROOT)); return 0;
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); return 0;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); return 0;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); return 0;
    case SC_CLOSE: SendMessage(hwnd, WM_CLOSE, 0, 0); return 0;
    default: return 0;
  }
}

LRESULT PositionChanged(HWND hwnd, LPARAM lParam) {
  const auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
  WindowNode* node = FindWindowNode(hwnd);
  if (!wp || !node) return 0;
  if (!(wp->flags & SWP_NOMOVE))
    SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(wp->x), static_cast<WORD>(wp->y)));
  if (!(wp->flags & SWP_NOSIZE) && (node = FindWindowNode(hwnd))) {
    UINT kind = node->show == platform::detail::ShowState::Maximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
    SendMessage(hwnd, WM_SIZE, kind, MAKELPARAM(static_cast<WORD>(wp->cx), static_cast<WORD>(wp->cy)));
  }
  return 0;
}

LRESULT SetRedraw(WindowNode& node, WPARAM wParam) {
  // Only suspends and resumes painting; visibility is ShowWindow's alone.
  node.redrawSuspended = wParam == FALSE;
  if (!node.redrawSuspended && !node.update.IsEmpty()) platform::detail::MarkDirty(node.handle);
  return 0;
}

LRESULT SetIcon(WindowNode& node, WPARAM wParam, LPARAM lParam) {
  HICON& slot = wParam == ICON_BIG ? node.iconBig : node.iconSmall;
  HICON old = slot;
  slot = reinterpret_cast<HICON>(lParam);
  if (!node.IsChild())
    platform::GetPresenter().TopLevelIcon(node.handle,
                                          platform::GetIconImage(node.iconBig ? node.iconBig : node.iconSmall));
  return reinterpret_cast<LRESULT>(old);
}

}  // namespace

LRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return 0;
  switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_SETTEXT: return SetText(*node, lParam);
    case WM_GETTEXT: return GetText(*node, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(node->text.size());
    case WM_PAINT: return Paint(hWnd);
    case WM_ERASEBKGND: return EraseBackground(*node, wParam);
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_NCHITTEST: return platform::detail::DefNcHitTest(hWnd, lParam);
    case WM_NCCALCSIZE: return platform::detail::DefNcCalcSize(hWnd, wParam, lParam);
    case WM_NCPAINT: return platform::detail::DefNcPaint(hWnd);
    case WM_SETCURSOR: return SetCursorDefault(*node, wParam, lParam);
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: return node->IsChild() ? SendMessage(node->parent, message, wParam, lParam) : 0;
    case WM_WINDOWPOSCHANGED: return PositionChanged(hWnd, lParam);
    case WM_NCLBUTTONDOWN:
      if (wParam == static_cast<WPARAM>(HTCAPTION)) SendMessage(hWnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
      return 0;
    case WM_SYSCOMMAND: return SystemCommand(hWnd, wParam);
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4) SendMessage(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_CANCELMODE:
      if (GetCapture() == hWnd) ReleaseCapture();
      return 0;
    case WM_SETREDRAW: return SetRedraw(*node, wParam);
    case WM_SETICON: return SetIcon(*node, wParam, lParam);
    case WM_SETFONT:
      node->font = reinterpret_cast<HFONT>(wParam);
      if (lParam) InvalidateRect(hWnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(node->font);
    case WM_ACTIVATE:
      if (LOWORD(wParam) != 0 && !node->IsChild()) platform::detail::RestoreFocusOnActivate(hWnd);
      return 0;
    default: return 0;
  }
}

LRESULT CallWindowProc(WNDPROC proc, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(hWnd)) return 0;
  return proc ? proc(hWnd, message, wParam, lParam) : DefWindowProc(hWnd, message, wParam, lParam);
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  RODEMIR_CHECK(platform::detail::IsUiThread(), "windows belong to the UI thread");
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return 0;
  if (CWnd* wnd = node->object) return platform::detail::WndAttach::Call(wnd, message, wParam, lParam);
  return CallWindowProc(node->proc, hWnd, message, wParam, lParam);
}

#include "platform/web/WebBrowserWindow.h"

#include <memory>

#include "platform/web/WebBrowser.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowStyles.h"

namespace platform {

namespace {

// Where the browser shows, in the client coordinates of the top-level window; empty
// while the window is hidden.
CRect Placement(HWND hwnd, bool visible) {
  CRect rect;
  if (!visible || !GetWindowRect(hwnd, &rect)) return CRect();
  POINT corner{rect.left, rect.top};
  ScreenToClient(GetAncestor(hwnd, GA_ROOT), &corner);
  rect.MoveToXY(corner.x, corner.y);
  return rect;
}

bool OwnStyleVisible(HWND hwnd) { return (GetWindowLong(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

LRESULT BrowserWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      std::shared_ptr<WebBrowser> browser = WebBrowser::Create(hwnd, Placement(hwnd, OwnStyleVisible(hwnd)));
      SetWindowState(hwnd, browser);
      break;
    }
    case WM_WINDOWPOSCHANGED:
      if (auto browser = GetWindowState<WebBrowser>(hwnd)) browser->SetRect(Placement(hwnd, OwnStyleVisible(hwnd)));
      break;
    case WM_SHOWWINDOW:
      // Sent before the style changes: wParam is the new visibility.
      if (auto browser = GetWindowState<WebBrowser>(hwnd)) browser->SetRect(Placement(hwnd, wParam != 0));
      break;
    case WM_DESTROY: SetWindowState(hwnd, nullptr); break;
    default: break;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterWebBrowserClass() {
  WNDCLASS cls;
  if (GetClassInfo(WEBBROWSER_CLASS, &cls)) return;
  cls.lpfnWndProc = BrowserWindowProc;
  cls.lpszClassName = WEBBROWSER_CLASS;
  RegisterClass(&cls);
}

}  // namespace platform

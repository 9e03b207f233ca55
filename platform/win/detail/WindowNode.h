#pragma once
// The window layer's record of one window. Only the layer's own files include this.
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/Geometry.h"
#include "platform/gdi/Surface.h"
#include "platform/win/Window.h"
#include "platform/win/detail/UpdateRegion.h"

class CWnd;

namespace platform::detail {

enum class ShowState { Normal, Minimized, Maximized };

struct WindowClassEntry {
  std::wstring name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  HCURSOR cursor = nullptr;
  int background = -1;  // COLOR_ index + 1, or -1
};

struct WindowNode {
  HWND handle = nullptr;
  std::shared_ptr<const WindowClassEntry> windowClass;
  WNDPROC proc = nullptr;  // the procedure under any CWnd attached to the window
  CWnd* object = nullptr;  // the permanent CWnd, if one is attached
  DWORD style = 0;
  DWORD exStyle = 0;
  CRect rect;                   // in the parent's client area; on the screen for top-level windows
  CRect insets;                 // the non-client margins (borders, scroll bars) on each side, from WM_NCCALCSIZE
  std::optional<CRect> region;  // window coordinates: clips painting and hit-testing
  bool frameDirty = false;      // the non-client area waits for WM_NCPAINT
  std::wstring text;
  int id = 0;
  HWND parent = nullptr;       // child windows only
  HWND owner = nullptr;        // pop-ups only
  std::vector<HWND> children;  // z-order, topmost first
  LONG_PTR userData = 0;
  std::shared_ptr<void> classState;
  UpdateRegion update;
  ShowState show = ShowState::Normal;
  CRect restoreRect;                 // before maximising
  std::unique_ptr<Surface> surface;  // top-level windows only
  HWND lastFocus = nullptr;          // top-level windows: the focus to restore on activation
  HICON iconBig = nullptr;
  HICON iconSmall = nullptr;
  HFONT font = nullptr;
  bool destroying = false;
  bool redrawSuspended = false;  // WM_SETREDRAW FALSE
  int painting = 0;              // inside its own WM_PAINT

  bool IsChild() const { return (style & WS_CHILD) != 0; }
  bool IsVisible() const { return (style & WS_VISIBLE) != 0; }
  bool IsEnabled() const { return (style & WS_DISABLED) == 0; }
  CRect ClientRect() const {
    return CRect(0, 0, std::max(0, rect.Width() - insets.left - insets.right),
                 std::max(0, rect.Height() - insets.top - insets.bottom));
  }
  CRect LocalWindowRect() const { return CRect(0, 0, rect.Width(), rect.Height()); }
  CPoint ClientOffset() const { return CPoint(insets.left, insets.top); }  // client origin in the window
  bool HasFrame() const { return !insets.IsRectNull(); }
};

}  // namespace platform::detail

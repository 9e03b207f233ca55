#include "platform/win/Window.h"

#include <algorithm>

#include "platform/win/Presenter.h"
#include "platform/win/Paint.h"
#include "platform/win/VideoOverlay.h"
#include "platform/win/Wnd.h"
#include "platform/win/detail/MessageLoop.h"
#include "platform/win/detail/NonClient.h"
#include "platform/win/detail/Painter.h"
#include "platform/win/detail/StandardClasses.h"
#include "platform/win/detail/Timers.h"
#include "platform/win/detail/WindowInternals.h"
#include "platform/win/detail/WindowTree.h"

using platform::detail::FindWindowNode;
using platform::detail::WindowNode;
using platform::detail::WindowTree;

namespace {

std::shared_ptr<const platform::detail::WindowClassEntry> ClassFor(LPCWSTR name) {
  std::wstring className = name ? name : L"";
  platform::detail::EnsureStandardClasses();
  if (auto entry = WindowTree::Get().FindClass(className)) return entry;
  // A plain window, as the class library's own default class: double-clicks, no erase.
  auto plain = std::make_shared<platform::detail::WindowClassEntry>();
  plain->name = className;
  plain->style = CS_DBLCLKS;
  return plain;
}

// Creates the record; the caller sends the creation messages.
WindowNode* NewNode(DWORD exStyle, LPCWSTR className, LPCWSTR text, DWORD style, CRect rect, HWND parent, HMENU menu) {
  auto node = std::make_unique<WindowNode>();
  node->windowClass = ClassFor(className);
  node->proc = node->windowClass->proc ? node->windowClass->proc : DefWindowProc;
  node->style = style & ~WS_VISIBLE;
  node->exStyle = exStyle;
  node->rect = rect;
  node->text = text ? text : L"";
  if (style & WS_CHILD) {
    node->parent = parent;
    node->id = static_cast<int>(reinterpret_cast<INT_PTR>(menu));
  } else {
    node->owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
    node->surface = std::make_unique<platform::Surface>(rect.Width(), rect.Height());
  }
  return WindowTree::Get().Add(std::move(node));
}

void DestroyOwnedPopups(HWND owner) {
  std::vector<HWND> owned;
  for (HWND h : WindowTree::Get().TopLevels()) {
    WindowNode* n = FindWindowNode(h);
    if (n && n->owner == owner) owned.push_back(h);
  }
  for (HWND h : owned) DestroyWindow(h);
}

}  // namespace

HWND CreateWindowEx(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int x, int y, int nWidth,
                    int nHeight, HWND hWndParent, HMENU hMenu, LPVOID lpParam) {
  platform::detail::EnsureSource();
  CWnd* attach = platform::detail::TakeCreatingWnd();
  if ((dwStyle & WS_CHILD) && !IsWindow(hWndParent)) return nullptr;
  if (hWndParent && !IsWindow(hWndParent)) return nullptr;
  if (x == CW_USEDEFAULT) x = y = 0;
  if (nWidth == CW_USEDEFAULT) nWidth = nHeight = 0;
  CRect rect(x, y, x + std::max(nWidth, 0), y + std::max(nHeight, 0));
  WindowNode* node = NewNode(dwExStyle, lpClassName, lpWindowName, dwStyle, rect, hWndParent, hMenu);
  HWND hwnd = node->handle;
  if (!node->IsChild()) {
    platform::GetPresenter().TopLevelCreated(hwnd, node->owner, rect);
    platform::GetPresenter().TopLevelTitle(hwnd, node->text);
    platform::detail::PresentFrame(hwnd);
  }
  if (attach) platform::detail::WndAttach::AttachAtCreation(attach, hwnd);

  CREATESTRUCT cs;
  cs.lpCreateParams = lpParam;
  cs.hMenu = hMenu;
  cs.hwndParent = hWndParent;
  cs.x = x;
  cs.y = y;
  cs.cx = rect.Width();
  cs.cy = rect.Height();
  cs.style = static_cast<LONG>(dwStyle);
  cs.lpszName = lpWindowName;
  cs.lpszClass = lpClassName;
  cs.dwExStyle = dwExStyle;
  if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) || !IsWindow(hwnd)) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  platform::detail::RecalcNonClient(hwnd);
  if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1 || !IsWindow(hwnd)) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (dwStyle & WS_VISIBLE) ShowWindow(hwnd, (dwStyle & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOW);
  return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hWnd) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node || node->destroying) return FALSE;
  node->destroying = true;
  bool topLevel = !node->IsChild();
  DestroyOwnedPopups(hWnd);
  if (IsWindowVisible(hWnd)) ShowWindow(hWnd, SW_HIDE);
  platform::detail::ReleaseInputState(hWnd, true);
  SendMessage(hWnd, WM_DESTROY, 0, 0);
  if (WindowNode* again = FindWindowNode(hWnd)) {
    std::vector<HWND> children = again->children;
    for (HWND child : children) DestroyWindow(child);
  }
  platform::detail::KillWindowTimers(hWnd);
  platform::ClearVideoOverlay(hWnd);
  SendMessage(hWnd, WM_NCDESTROY, 0, 0);
  node = FindWindowNode(hWnd);
  if (!node) return TRUE;
  CWnd* object = node->object;
  node->object = nullptr;
  platform::detail::ForgetWindow(hWnd);
  platform::detail::DropTemporaryWnd(hWnd);
  WindowTree::Get().Remove(hWnd);
  if (topLevel) platform::GetPresenter().TopLevelDestroyed(hWnd);
  if (object) platform::detail::WndAttach::DetachAfterDestroy(object);
  return TRUE;
}

BOOL IsWindow(HWND hWnd) { return FindWindowNode(hWnd) != nullptr; }

HWND GetParent(HWND hWnd) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return nullptr;
  return node->IsChild() ? node->parent : node->owner;
}

HWND SetParent(HWND hWndChild, HWND hWndNewParent) {
  WindowNode* node = FindWindowNode(hWndChild);
  WindowNode* parent = FindWindowNode(hWndNewParent);
  if (!node || !node->IsChild() || !parent) return nullptr;
  HWND old = node->parent;
  if (WindowNode* oldParent = FindWindowNode(old)) {
    auto& list = oldParent->children;
    list.erase(std::remove(list.begin(), list.end(), hWndChild), list.end());
    if (node->IsVisible()) InvalidateRect(old, &node->rect, TRUE);
  }
  node->parent = hWndNewParent;
  parent->children.insert(parent->children.begin(), hWndChild);
  if (node->IsVisible()) InvalidateRect(hWndChild, nullptr, TRUE);
  return old;
}

HWND GetWindow(HWND hWnd, UINT uCmd) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return nullptr;
  if (uCmd == GW_CHILD) return node->children.empty() ? nullptr : node->children.front();
  if (uCmd == GW_OWNER) return node->owner;
  const std::vector<HWND>* siblings = &WindowTree::Get().TopLevels();
  if (node->IsChild()) {
    WindowNode* parent = FindWindowNode(node->parent);
    if (!parent) return nullptr;
    siblings = &parent->children;
  }
  if (siblings->empty()) return nullptr;
  auto it = std::find(siblings->begin(), siblings->end(), hWnd);
  switch (uCmd) {
    case GW_HWNDFIRST: return siblings->front();
    case GW_HWNDLAST: return siblings->back();
    case GW_HWNDNEXT: return (it == siblings->end() || it + 1 == siblings->end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV: return (it == siblings->end() || it == siblings->begin()) ? nullptr : *(it - 1);
    default: return nullptr;
  }
}

HWND GetAncestor(HWND hWnd, UINT gaFlags) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return nullptr;
  if (gaFlags == GA_PARENT) return node->IsChild() ? node->parent : nullptr;
  while (node->IsChild()) node = FindWindowNode(node->parent);
  if (gaFlags == GA_ROOTOWNER)
    while (WindowNode* owner = FindWindowNode(node->owner)) node = owner;
  return node->handle;
}

HWND GetTopWindow(HWND hWnd) {
  if (!hWnd) return WindowTree::Get().TopLevels().empty() ? nullptr : WindowTree::Get().TopLevels().front();
  return GetWindow(hWnd, GW_CHILD);
}

HWND GetDesktopWindow() { return nullptr; }

BOOL IsChild(HWND hWndParent, HWND hWnd) {
  WindowNode* node = FindWindowNode(hWnd);
  while (node && node->IsChild()) {
    if (node->parent == hWndParent) return TRUE;
    node = FindWindowNode(node->parent);
  }
  return FALSE;
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
  WindowNode* node = FindWindowNode(hDlg);
  if (!node) return nullptr;
  for (HWND child : node->children) {
    WindowNode* c = FindWindowNode(child);
    if (c && c->id == nIDDlgItem) return child;
  }
  return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
  WindowNode* node = FindWindowNode(hWnd);
  return node && node->IsChild() ? node->id : 0;
}

LONG_PTR GetWindowLongPtr(HWND hWnd, int nIndex) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return 0;
  switch (nIndex) {
    case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(node->style));
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(node->exStyle);
    case GWL_ID: return node->id;
    case GWLP_USERDATA: return node->userData;
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(GetParent(hWnd));
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(node->proc);
    default: return 0;
  }
}

// Styles change without side effects, as in Win32: the caller repaints or repositions.
LONG_PTR SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR value) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node) return 0;
  LONG_PTR old = GetWindowLongPtr(hWnd, nIndex);
  switch (nIndex) {
    case GWL_STYLE: {
      // Visibility and enabling stay under ShowWindow and EnableWindow.
      DWORD keep = node->style & (WS_VISIBLE | WS_CHILD);
      node->style = (static_cast<DWORD>(value) & ~(WS_VISIBLE | WS_CHILD)) | keep;
      break;
    }
    case GWL_EXSTYLE: node->exStyle = static_cast<DWORD>(value); break;
    case GWL_ID: node->id = static_cast<int>(value); break;
    case GWLP_USERDATA: node->userData = value; break;
    case GWLP_WNDPROC: node->proc = reinterpret_cast<WNDPROC>(value); break;
    default: return 0;
  }
  return old;
}

int GetClassName(HWND hWnd, LPWSTR lpClassName, int nMaxCount) {
  WindowNode* node = FindWindowNode(hWnd);
  if (!node || !lpClassName || nMaxCount <= 0) return 0;
  const std::wstring& name = node->windowClass->name;
  int n = std::min<int>(static_cast<int>(name.size()), nMaxCount - 1);
  std::copy(name.begin(), name.begin() + n, lpClassName);
  lpClassName[n] = 0;
  return n;
}

BOOL SetWindowText(HWND hWnd, LPCWSTR lpString) {
  if (!IsWindow(hWnd)) return FALSE;
  return static_cast<BOOL>(SendMessage(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString ? lpString : L"")));
}

int GetWindowText(HWND hWnd, LPWSTR lpString, int nMaxCount) {
  if (!IsWindow(hWnd) || !lpString || nMaxCount <= 0) return 0;
  return static_cast<int>(
      SendMessage(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLength(HWND hWnd) {
  return IsWindow(hWnd) ? static_cast<int>(SendMessage(hWnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

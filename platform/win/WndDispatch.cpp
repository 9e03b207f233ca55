// CWnd's message dispatch: the message map walk, commands and notifications, and the
// reflection of control messages back to the control's own object.
#include <vector>

#include "platform/win/Wnd.h"
#include "platform/win/detail/WindowTree.h"

namespace {

struct Current {
  MSG msg;
  UINT ctlColorKind = 0;
};

std::vector<Current>& Stack() {
  static std::vector<Current> stack;
  return stack;
}

bool IsCtlColor(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

HWND ControlOf(UINT message, WPARAM wParam, LPARAM lParam, HWND self) {
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL: return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY: return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: return lParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_MEASUREITEM:
      return lParam ? GetDlgItem(self, static_cast<int>(reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlID))
                    : nullptr;
    default: return IsCtlColor(message) ? reinterpret_cast<HWND>(lParam) : nullptr;
  }
  (void)wParam;
}

}  // namespace

IMPLEMENT_DYNAMIC(CWnd, CObject)

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

const MSG* CWnd::GetCurrentMessage() { return Stack().empty() ? nullptr : &Stack().back().msg; }

UINT CWnd::GetCurrentCtlColorKind() { return Stack().empty() ? 0 : Stack().back().ctlColorKind; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  auto* node = platform::detail::FindWindowNode(m_hWnd);
  if (!node) return 0;
  return CallWindowProc(node->proc, m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG* msg = GetCurrentMessage();
  if (!msg) return 0;
  MSG copy = *msg;
  return DefWindowProc(copy.message, copy.wParam, copy.lParam);
}

const AFX_MSGMAP_ENTRY* CWnd::FindEntry(UINT message, UINT code, UINT id) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
      if (e->nMessage != message) continue;
      bool keyed = message == WM_COMMAND || message == WM_NOTIFY || message == WM_REFLECT_BASE + WM_COMMAND ||
                   message == WM_REFLECT_BASE + WM_NOTIFY;
      if (!keyed || (e->nCode == code && id >= e->nID && id <= e->nLastID)) return e;
    }
  }
  return nullptr;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND) return OnCommand(wParam, lParam) ? (*pResult = 0, TRUE) : FALSE;
  if (message == WM_NOTIFY) return OnNotify(wParam, lParam, pResult);
  if (TryReflect(message, wParam, lParam, pResult)) return TRUE;
  UINT lookup = IsCtlColor(message) ? WM_CTLCOLOR : message;
  const AFX_MSGMAP_ENTRY* entry = FindEntry(lookup, 0, 0);
  if (!entry) return FALSE;
  *pResult = entry->pfn(this, wParam, lParam);
  return TRUE;
}

BOOL CWnd::TryReflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  bool reflects = message == WM_DRAWITEM || message == WM_MEASUREITEM || message == WM_HSCROLL ||
                  message == WM_VSCROLL || IsCtlColor(message);
  if (!reflects) return FALSE;
  HWND control = ControlOf(message, wParam, lParam, m_hWnd);
  CWnd* child = FromHandlePermanent(control);
  if (!child || child == this) return FALSE;
  return child->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam))) {
    HWND self = m_hWnd;
    if (child != this && child->OnChildNotify(WM_COMMAND, wParam, lParam, &result)) return TRUE;
    if (!IsWindow(self)) return TRUE;
  }
  return DispatchCommand(wParam, lParam, &result);
}

BOOL CWnd::DispatchCommand(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  // Menu and accelerator commands (no control) are plain commands whatever their code.
  UINT code = lParam ? HIWORD(wParam) : CN_COMMAND;
  const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_COMMAND, code, LOWORD(wParam));
  if (!entry) return FALSE;
  *pResult = entry->pfn(this, wParam, lParam);
  return TRUE;
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* hdr = reinterpret_cast<NMHDR*>(lParam);
  if (!hdr) return FALSE;
  if (CWnd* child = FromHandlePermanent(hdr->hwndFrom)) {
    HWND self = m_hWnd;
    if (child != this && child->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult)) return TRUE;
    if (!IsWindow(self)) return TRUE;
  }
  return DispatchNotify(wParam, lParam, pResult);
}

BOOL CWnd::DispatchNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  auto* hdr = reinterpret_cast<NMHDR*>(lParam);
  const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_NOTIFY, hdr->code, static_cast<UINT>(hdr->idFrom));
  if (!entry) return FALSE;
  *pResult = entry->pfn(this, 0, lParam);
  return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT result = 0;
  const AFX_MSGMAP_ENTRY* entry = nullptr;
  WPARAM w = wParam;
  LPARAM l = lParam;
  if (message == WM_COMMAND) {
    entry = FindEntry(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0);
  } else if (message == WM_NOTIFY) {
    entry = FindEntry(WM_REFLECT_BASE + WM_NOTIFY, reinterpret_cast<NMHDR*>(lParam)->code, 0);
  } else if (IsCtlColor(message)) {
    entry = FindEntry(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0);
    l = static_cast<LPARAM>(message - WM_CTLCOLORMSGBOX);
  } else {
    entry = FindEntry(WM_REFLECT_BASE + message, 0, 0);
  }
  if (!entry) return FALSE;
  result = entry->pfn(this, w, l);
  // A colour handler that gives no brush leaves the message to the parent.
  if (IsCtlColor(message) && result == 0) return FALSE;
  if (pResult) *pResult = result;
  return TRUE;
}

namespace platform::detail {

LRESULT WndAttach::Call(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Current current;
  current.msg.hwnd = wnd->m_hWnd;
  current.msg.message = message;
  current.msg.wParam = wParam;
  current.msg.lParam = lParam;
  if (IsCtlColor(message)) current.ctlColorKind = message - WM_CTLCOLORMSGBOX;
  Stack().push_back(current);
  LRESULT result = wnd->WindowProc(message, wParam, lParam);
  Stack().pop_back();
  return result;
}

}  // namespace platform::detail

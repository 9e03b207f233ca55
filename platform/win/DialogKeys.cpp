// The dialog manager's keyboard: Tab order, arrow keys within groups, Enter and Esc.
#include <vector>

#include "platform/win/Dialog.h"

namespace {

// The control's own styles count, so that a dialog still hidden during WM_INITDIALOG
// can find its first control.
bool Usable(HWND hwnd) {
  DWORD style = static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
  return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

std::vector<HWND> Controls(HWND dlg) {
  std::vector<HWND> out;
  for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
  return out;
}

// The control of `dlg` that holds `hwnd` (a control's own child counts as the control).
HWND ControlOf(HWND dlg, HWND hwnd) {
  while (hwnd && GetParent(hwnd) != dlg) hwnd = GetAncestor(hwnd, GA_PARENT);
  return hwnd;
}

UINT DlgCode(HWND hwnd, MSG* msg) {
  return static_cast<UINT>(SendMessage(hwnd, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg)));
}

void PressButton(HWND dlg, int id) {
  HWND button = GetDlgItem(dlg, id);
  if (button && !IsWindowEnabled(button)) return;
  SendMessage(dlg, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

}  // namespace

HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  std::vector<HWND> all = Controls(hDlg);
  if (all.empty()) return nullptr;
  HWND from = ControlOf(hDlg, hCtl);
  size_t n = all.size(), start = n - 1;
  for (size_t i = 0; i < n; ++i)
    if (all[i] == from) start = i;
  if (!from && bPrevious) start = 0;
  for (size_t step = 1; step <= n; ++step) {
    size_t i = bPrevious ? (start + n - step) % n : (start + step) % n;
    if ((GetWindowLong(all[i], GWL_STYLE) & WS_TABSTOP) && Usable(all[i])) return all[i];
  }
  return from;
}

// Win32's rule: a group runs from a WS_GROUP control to the next one and wraps; only
// visible, enabled controls count; with none, the control itself comes back.
HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  std::vector<HWND> all = Controls(hDlg);
  HWND from = ControlOf(hDlg, hCtl);
  size_t index = all.size();
  for (size_t i = 0; i < all.size(); ++i)
    if (all[i] == from) index = i;
  if (index == all.size()) return all.empty() ? nullptr : all.front();
  size_t first = index;
  while (first > 0 && !(GetWindowLong(all[first], GWL_STYLE) & WS_GROUP)) --first;
  size_t last = index + 1;
  while (last < all.size() && !(GetWindowLong(all[last], GWL_STYLE) & WS_GROUP)) ++last;
  size_t count = last - first;
  for (size_t step = 1; step < count; ++step) {
    size_t offset = bPrevious ? (index - first + count - step) % count : (index - first + step) % count;
    HWND candidate = all[first + offset];
    if (Usable(candidate)) return candidate;
  }
  return from;
}

BOOL IsDialogMessage(HWND hDlg, LPMSG lpMsg) {
  if (!lpMsg || !IsWindow(hDlg)) return FALSE;
  if (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)) return FALSE;
  HWND target = lpMsg->hwnd;
  if (lpMsg->message == WM_KEYDOWN) {
    UINT code = DlgCode(target, lpMsg);
    if (!IsWindow(target)) return TRUE;
    if (!(code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))) {
      switch (lpMsg->wParam) {
        case VK_TAB:
          if (code & DLGC_WANTTAB) break;
          if (HWND next = GetNextDlgTabItem(hDlg, target, GetKeyState(VK_SHIFT) < 0)) SetFocus(next);
          return TRUE;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
          if (code & DLGC_WANTARROWS) break;
          if (HWND next = GetNextDlgGroupItem(hDlg, target, lpMsg->wParam == VK_LEFT || lpMsg->wParam == VK_UP))
            SetFocus(next);
          return TRUE;
        case VK_RETURN:
          // A focused push button is the one Enter presses; otherwise the dialog's OK.
          if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) PressButton(hDlg, GetDlgCtrlID(target));
          else PressButton(hDlg, IDOK);
          return TRUE;
        case VK_ESCAPE: PressButton(hDlg, IDCANCEL); return TRUE;
        default: break;
      }
    }
  }
  SendMessage(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
  return TRUE;
}

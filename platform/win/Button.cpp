#include "platform/win/Button.h"

#include "platform/win/Dialog.h"
#include "platform/win/WindowClass.h"
#include "platform/win/detail/ButtonProc.h"
#include "platform/win/detail/ControlSupport.h"
#include "platform/win/detail/StandardClasses.h"

namespace platform::detail {

namespace {

DWORD TypeOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE)) & BS_TYPEMASK; }

// The highest check each kind can hold; push buttons, group boxes and owner-drawn ones none.
UINT MaxCheck(DWORD type) {
  switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return BST_CHECKED;
    case BS_3STATE:
    case BS_AUTO3STATE: return BST_INDETERMINATE;
    default: return BST_UNCHECKED;
  }
}

std::shared_ptr<ButtonState> StateOf(HWND hwnd) { return ControlState<ButtonState>(hwnd); }

// An automatic radio button that becomes checked clears the others of its group.
void UncheckGroupRadios(HWND hwnd) {
  HWND parent = GetParent(hwnd);
  if (!parent) return;
  for (HWND other = GetNextDlgGroupItem(parent, hwnd, FALSE); other && other != hwnd;
       other = GetNextDlgGroupItem(parent, other, FALSE)) {
    wchar_t cls[16] = {};
    GetClassName(other, cls, 16);
    if (std::wstring(cls) == WC_BUTTON && TypeOf(other) == BS_AUTORADIOBUTTON)
      SendMessage(other, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

LRESULT SetCheck(HWND hwnd, WPARAM wParam) {
  auto state = StateOf(hwnd);
  DWORD type = TypeOf(hwnd);
  UINT check = static_cast<UINT>(wParam) > MaxCheck(type) ? MaxCheck(type) : static_cast<UINT>(wParam);
  if ((state->state & 3) != check) {
    state->state = (state->state & ~3u) | check;
    InvalidateRect(hwnd, nullptr, FALSE);
  }
  if (type == BS_AUTORADIOBUTTON && check == BST_CHECKED && (GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD))
    UncheckGroupRadios(hwnd);
  return 0;
}

LRESULT SetPushed(HWND hwnd, WPARAM wParam) {
  auto state = StateOf(hwnd);
  UINT pushed = wParam ? BST_PUSHED : 0;
  if ((state->state & BST_PUSHED) != pushed) {
    state->state = (state->state & ~BST_PUSHED) | pushed;
    // Invalidated only: owner-drawn faces call this from their own drawing.
    InvalidateRect(hwnd, nullptr, FALSE);
  }
  return 0;
}

void Press(HWND hwnd) {
  StateOf(hwnd)->pressed = true;
  SendMessage(hwnd, BM_SETSTATE, TRUE, 0);
  SetCapture(hwnd);
}

// Ends a press; the click counts when `inside` (the key release always counts).
void Release(HWND hwnd, bool inside) {
  auto state = StateOf(hwnd);
  if (!state->pressed) return;
  state->pressed = false;
  if (!(state->state & BST_PUSHED)) {
    if (GetCapture() == hwnd) ReleaseCapture();
    return;
  }
  SendMessage(hwnd, BM_SETSTATE, FALSE, 0);
  if (GetCapture() == hwnd) ReleaseCapture();
  if (!inside || !IsWindow(hwnd)) return;
  DWORD type = TypeOf(hwnd);
  if (type == BS_AUTOCHECKBOX)
    SendMessage(hwnd, BM_SETCHECK, (state->state & BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED, 0);
  if (type == BS_AUTORADIOBUTTON) SendMessage(hwnd, BM_SETCHECK, BST_CHECKED, 0);
  if (type == BS_AUTO3STATE) SendMessage(hwnd, BM_SETCHECK, ((state->state & 3) + 1) % 3, 0);
  NotifyParent(hwnd, BN_CLICKED);
}

bool PointInClient(HWND hwnd, LPARAM lParam) {
  CRect client;
  GetClientRect(hwnd, &client);
  return client.PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) != FALSE;
}

UINT DialogCode(HWND hwnd) {
  switch (TypeOf(hwnd)) {
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
  }
}

bool NotifiesDoubleClicks(HWND hwnd) {
  DWORD type = TypeOf(hwnd);
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON || type == BS_OWNERDRAW ||
         (GetWindowLong(hwnd, GWL_STYLE) & BS_NOTIFY);
}

LRESULT FocusChanged(HWND hwnd, bool gained) {
  auto state = StateOf(hwnd);
  state->state = gained ? (state->state | BST_FOCUS) : (state->state & ~BST_FOCUS);
  if (!gained && state->pressed && GetCapture() == hwnd) ReleaseCapture();
  InvalidateRect(hwnd, nullptr, FALSE);
  return 0;
}

LRESULT ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: StateOf(hwnd); return DefWindowProc(hwnd, message, wParam, lParam);
    case WM_GETDLGCODE: return DialogCode(hwnd);
    case WM_NCHITTEST:
      return TypeOf(hwnd) == BS_GROUPBOX ? HTTRANSPARENT : DefWindowProc(hwnd, message, wParam, lParam);
    case WM_LBUTTONDBLCLK:
      if (NotifiesDoubleClicks(hwnd)) {
        NotifyParent(hwnd, BN_DOUBLECLICKED);
        return 0;
      }
      [[fallthrough]];
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      if (IsWindow(hwnd)) Press(hwnd);
      return 0;
    case WM_MOUSEMOVE:
      if (StateOf(hwnd)->pressed && GetCapture() == hwnd)
        SendMessage(hwnd, BM_SETSTATE, PointInClient(hwnd, lParam), 0);
      return 0;
    case WM_LBUTTONUP: Release(hwnd, PointInClient(hwnd, lParam)); return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && !(lParam & (1 << 30))) Press(hwnd);
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE) Release(hwnd, true);
      return 0;
    case WM_CAPTURECHANGED:
      if (StateOf(hwnd)->pressed) {
        StateOf(hwnd)->pressed = false;
        SendMessage(hwnd, BM_SETSTATE, FALSE, 0);
      }
      return 0;
    case WM_SETFOCUS: return FocusChanged(hwnd, true);
    case WM_KILLFOCUS: return FocusChanged(hwnd, false);
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProc(hwnd, message, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
    case WM_ERASEBKGND: return TRUE;  // the paint covers the whole face
    case WM_PAINT: PaintButton(hwnd, StateOf(hwnd)->state); return 0;
    case BM_GETCHECK: return StateOf(hwnd)->state & 3;
    case BM_SETCHECK: return SetCheck(hwnd, wParam);
    case BM_GETSTATE: return StateOf(hwnd)->state;
    case BM_SETSTATE: return SetPushed(hwnd, wParam);
    case BM_SETSTYLE:
      SetWindowLong(hwnd, GWL_STYLE, static_cast<LONG>((GetWindowLong(hwnd, GWL_STYLE) & ~0xFFFF) | (wParam & 0xFFFF)));
      if (lParam) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    default: return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterButtonClass() {
  WNDCLASS wc;
  wc.lpszClassName = WC_BUTTON;
  wc.lpfnWndProc = ButtonProc;
  wc.style = CS_DBLCLKS | CS_PARENTDC;
  RegisterClass(&wc);
}

}  // namespace platform::detail

IMPLEMENT_DYNAMIC(CButton, CWnd)

BEGIN_MESSAGE_MAP(CButton, CWnd)
  ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

CButton::CButton() { platform::detail::EnsureStandardClasses(); }

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_BUTTON, lpszCaption, dwStyle, rect, pParentWnd, nID);
}

int CButton::GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
void CButton::SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
UINT CButton::GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
void CButton::SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(bHighlight)); }
UINT CButton::GetButtonStyle() const { return GetStyle() & 0xFFFF; }
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) { SendMessage(BM_SETSTYLE, nStyle, bRedraw); }
void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

UINT IsDlgButtonChecked(HWND hDlg, int nIDButton) {
  HWND button = GetDlgItem(hDlg, nIDButton);
  return button ? static_cast<UINT>(SendMessage(button, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
  HWND button = GetDlgItem(hDlg, nIDButton);
  if (!button) return FALSE;
  SendMessage(button, BM_SETCHECK, uCheck, 0);
  return TRUE;
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }
void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }

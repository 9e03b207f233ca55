#include "platform/win/Dialog.h"

#include <map>

#include "platform/gdi/Font.h"
#include "platform/win/WinApp.h"
#include "platform/win/WindowClass.h"
#include "platform/win/detail/DialogPlacement.h"
#include "platform/win/detail/MessageLoop.h"

namespace {

struct DialogState {
  int fontPointSize = 8;
  HFONT font = nullptr;  // owned: the template's font, handed to every control
  INT_PTR result = 0;
  bool ended = false;
  HWND disabledOwner = nullptr;  // a modal dialog's owner, enabled again when it ends
};

std::map<HWND, DialogState>& Dialogs() {
  static std::map<HWND, DialogState> dialogs;
  return dialogs;
}

LRESULT CALLBACK_DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      // Closing a dialog is cancelling it.
      PostMessage(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                  reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
      return 0;
    case WM_NCDESTROY: {
      auto it = Dialogs().find(hwnd);
      if (it != Dialogs().end()) {
        if (it->second.font) DeleteObject(reinterpret_cast<HGDIOBJ>(it->second.font));
        Dialogs().erase(it);
      }
      return DefWindowProc(hwnd, message, wParam, lParam);
    }
    case WM_ACTIVATE: {
      DefWindowProc(hwnd, message, wParam, lParam);
      // A dialog activated with nothing to restore focuses its first tab stop.
      HWND first = LOWORD(wParam) ? GetNextDlgTabItem(hwnd, nullptr, FALSE) : nullptr;
      if (first && GetFocus() == hwnd) SetFocus(first);
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL && !lParam) EndDialog(hwnd, IDCANCEL);
      return 0;
    default: return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

void RegisterDialogClass() {
  static bool done = [] {
    WNDCLASS wc;
    wc.lpszClassName = WC_DIALOG;
    wc.lpfnWndProc = CALLBACK_DialogProc;
    wc.hbrBackground = COLOR_BTNFACE + 1;
    wc.style = CS_DBLCLKS;
    return RegisterClass(&wc) != FALSE;
  }();
  (void)done;
}

HWND FirstTabStop(HWND dlg) { return GetNextDlgTabItem(dlg, nullptr, FALSE); }

// The template's face at its point size (96 pixels per inch), or null without DS_SETFONT.
HFONT TemplateFont(const DialogTemplate& t) {
  if (!(t.style & DS_SETFONT) || t.fontFace.empty()) return nullptr;
  int height = -(t.fontPointSize * 96 + 36) / 72;
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, t.fontFace.c_str());
}

}  // namespace

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

BOOL CDialog::CreateFromTemplate(HWND owner) {
  const DialogTemplate* t = platform::FindDialogTemplate(m_nIDTemplate);
  if (!t) return FALSE;
  RegisterDialogClass();
  CRect rect = platform::detail::DialogOpeningRect(*t, owner);
  DWORD style = (t->style & ~WS_VISIBLE);
  if (!(style & WS_CHILD)) style |= WS_POPUP;
  if (!CreateEx(t->exStyle, WC_DIALOG, t->caption.c_str(), style, rect.left, rect.top, rect.Width(), rect.Height(),
                owner, nullptr))
    return FALSE;
  HWND self = m_hWnd;
  DialogState& state = Dialogs()[self];
  state.fontPointSize = t->fontPointSize;
  state.font = TemplateFont(*t);
  if (state.font) ::SendMessage(self, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
  for (const DialogControlTemplate& c : t->controls) {
    CRect r = platform::DialogUnitsToPixels(c.rect, t->fontPointSize);
    HWND control =
        ::CreateWindowEx(c.exStyle, c.className.c_str(), c.text.c_str(), c.style | WS_CHILD, r.left, r.top, r.Width(),
                         r.Height(), self, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), nullptr);
    if (!control || !IsWindow(self)) {
      if (IsWindow(self)) ::DestroyWindow(self);
      return FALSE;
    }
    if (HFONT font = Dialogs()[self].font) ::SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  CRect beforeInit;
  ::GetWindowRect(self, &beforeInit);
  HWND focus = FirstTabStop(self);
  if (::SendMessage(self, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), 0) && IsWindow(self)) {
    focus = FirstTabStop(self);
    if (focus && !Dialogs()[self].ended) ::SetFocus(focus);
  }
  if (!IsWindow(self)) return FALSE;
  if (CentresAfterInit(beforeInit.TopLeft(), owner)) CenterWindow();
  if ((t->style & WS_VISIBLE) && !Dialogs()[self].ended) ::ShowWindow(self, SW_SHOW);
  return TRUE;
}

// A modal or unowned pop-up that its initialisation neither showed nor moved opens
// centred over its owner.
bool CDialog::CentresAfterInit(CPoint topLeftBeforeInit, HWND owner) const {
  CRect now;
  ::GetWindowRect(m_hWnd, &now);
  return !(GetStyle() & WS_CHILD) && (m_bModal || !owner) && !::IsWindowVisible(m_hWnd) &&
         now.TopLeft() == topLeftBeforeInit;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

INT_PTR CDialog::DoModal() {
  HWND owner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
  // A dialog made without a parent is owned by the main window, which it disables.
  CWnd* mainWnd = AfxGetMainWnd();
  if (!owner && mainWnd && mainWnd != this) owner = mainWnd->GetSafeHwnd();
  if (owner) owner = ::GetAncestor(owner, GA_ROOT);
  bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
  m_bModal = true;
  if (!CreateFromTemplate(owner)) {
    m_bModal = false;
    return -1;
  }
  HWND self = m_hWnd;
  if (ownerWasEnabled) {
    ::EnableWindow(owner, FALSE);
    Dialogs()[self].disabledOwner = owner;
  }
  // A modal dialog shows itself whether or not its template asks for it.
  if (IsWindow(self) && !Dialogs()[self].ended && !::IsWindowVisible(self)) ::ShowWindow(self, SW_SHOW);
  platform::detail::RunLoop([self] {
    auto it = Dialogs().find(self);
    return it == Dialogs().end() || it->second.ended;
  });
  INT_PTR result = Dialogs().count(self) ? Dialogs()[self].result : IDCANCEL;
  // The owner is enabled before the dialog goes, so that activation returns to it.
  if (ownerWasEnabled && IsWindow(owner)) ::EnableWindow(owner, TRUE);
  if (IsWindow(self)) {
    ::ShowWindow(self, SW_HIDE);
    ::DestroyWindow(self);
  }
  m_bModal = false;
  return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  m_nIDTemplate = nIDTemplate;
  if (pParentWnd) m_pParentWnd = pParentWnd;
  HWND owner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
  return CreateFromTemplate(owner);
}

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }
void CDialog::OnOK() {
  UpdateData(TRUE);
  EndDialog(IDOK);
}
void CDialog::OnCancel() { EndDialog(IDCANCEL); }
void CDialog::OnClose() { Default(); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  bool input = (pMsg->message >= WM_KEYDOWN && pMsg->message <= WM_SYSCHAR) ||
               (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
  return input && ::IsDialogMessage(m_hWnd, pMsg);
}

void CDialog::NextDlgCtrl() const {
  if (HWND next = ::GetNextDlgTabItem(m_hWnd, ::GetFocus(), FALSE)) ::SetFocus(next);
}

void CDialog::PrevDlgCtrl() const {
  if (HWND prev = ::GetNextDlgTabItem(m_hWnd, ::GetFocus(), TRUE)) ::SetFocus(prev);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  if (pWndCtrl) ::SetFocus(pWndCtrl->m_hWnd);
}

BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
  auto it = Dialogs().find(hDlg);
  if (it == Dialogs().end()) return FALSE;
  it->second.result = nResult;
  it->second.ended = true;
  // The owner is enabled before the dialog hides, so that activation returns to it.
  HWND owner = it->second.disabledOwner;
  it->second.disabledOwner = nullptr;
  if (owner && IsWindow(owner)) EnableWindow(owner, TRUE);
  // A modeless dialog only hides; a modal one also ends its loop.
  if (IsWindowVisible(hDlg)) ShowWindow(hDlg, SW_HIDE);
  platform::detail::WakeLoop();
  return TRUE;
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect) {
  auto it = Dialogs().find(hDlg);
  if (it == Dialogs().end() || !lpRect) return FALSE;
  *lpRect = platform::DialogUnitsToPixels(CRect(*lpRect), it->second.fontPointSize);
  return TRUE;
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const {
  return FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl ? pWndCtl->m_hWnd : nullptr, bPrevious));
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const {
  return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl ? pWndCtl->m_hWnd : nullptr, bPrevious));
}

BOOL CWnd::IsDialogMessage(LPMSG lpMsg) { return ::IsDialogMessage(m_hWnd, lpMsg); }

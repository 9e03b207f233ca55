#include "platform/win/Wnd.h"

#include <algorithm>
#include <map>
#include <memory>

#include "platform/gdi/Font.h"
#include "platform/win/DataExchange.h"
#include "platform/win/detail/DialogPlacement.h"
#include "platform/win/detail/MessageLoop.h"
#include "platform/win/detail/Painter.h"
#include "platform/win/detail/WindowInternals.h"
#include "platform/win/detail/WindowTree.h"

using platform::detail::FindWindowNode;

namespace {

std::map<HWND, std::unique_ptr<CWnd>>& Temporaries() {
  static std::map<HWND, std::unique_ptr<CWnd>> temporaries;
  return temporaries;
}

CWnd* g_creating = nullptr;

// wndTop and friends stand for the special insert-after handles of SetWindowPos.
HWND InsertAfterHandle(const CWnd* wnd) {
  if (wnd == &CWnd::wndTop || !wnd) return HWND_TOP;
  if (wnd == &CWnd::wndBottom) return HWND_BOTTOM;
  if (wnd == &CWnd::wndTopMost) return HWND_TOPMOST;
  if (wnd == &CWnd::wndNoTopMost) return HWND_NOTOPMOST;
  return wnd->m_hWnd;
}

}  // namespace

namespace platform::detail {

void SetCreatingWnd(CWnd* wnd) { g_creating = wnd; }

CWnd* TakeCreatingWnd() {
  CWnd* wnd = g_creating;
  g_creating = nullptr;
  return wnd;
}

void DropTemporaryWnd(HWND hwnd) {
  auto it = Temporaries().find(hwnd);
  if (it == Temporaries().end()) return;
  it->second->m_hWnd = nullptr;
  Temporaries().erase(it);
}

void WndAttach::AttachAtCreation(CWnd* wnd, HWND hwnd) {
  wnd->m_hWnd = hwnd;
  if (auto* node = FindWindowNode(hwnd)) node->object = wnd;
  wnd->PreSubclassWindow();
}

void WndAttach::DetachAfterDestroy(CWnd* wnd) {
  wnd->m_hWnd = nullptr;
  wnd->PostNcDestroy();
}

}  // namespace platform::detail

const CWnd CWnd::wndTop;
const CWnd CWnd::wndBottom;
const CWnd CWnd::wndTopMost;
const CWnd CWnd::wndNoTopMost;

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
    // The derived parts are gone: let the window end without calling back into them.
    auto* node = FindWindowNode(m_hWnd);
    if (node) node->object = nullptr;
    ::DestroyWindow(m_hWnd);
  }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  auto* node = FindWindowNode(hWnd);
  return node ? node->object : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (!IsWindow(hWnd)) return nullptr;
  if (CWnd* permanent = FromHandlePermanent(hWnd)) return permanent;
  auto& temp = Temporaries()[hWnd];
  if (!temp) {
    temp = std::make_unique<CWnd>();
    temp->m_hWnd = hWnd;
  }
  return temp.get();
}

BOOL CWnd::Attach(HWND hWndNew) {
  auto* node = FindWindowNode(hWndNew);
  if (!node || node->object) return FALSE;
  platform::detail::DropTemporaryWnd(hWndNew);
  node->object = this;
  m_hWnd = hWndNew;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hwnd = m_hWnd;
  if (auto* node = FindWindowNode(hwnd); node && node->object == this) node->object = nullptr;
  m_hWnd = nullptr;
  return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  HWND item = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : nullptr;
  return item ? SubclassWindow(item) : FALSE;
}

HWND CWnd::UnsubclassWindow() { return Detach(); }

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, void*) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  CRect r(rect);
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, r.left, r.top, r.Width(), r.Height(),
                  pParentWnd ? pParentWnd->m_hWnd : nullptr, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                  lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
  if (m_hWnd) return FALSE;
  CREATESTRUCT cs;
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = static_cast<LONG>(dwStyle);
  cs.x = x;
  cs.y = y;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.hwndParent = hWndParent;
  cs.hMenu = nIDorHMenu;
  cs.lpCreateParams = lpParam;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  platform::detail::SetCreatingWnd(this);
  HWND hwnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx,
                               cs.cy, cs.hwndParent, cs.hMenu, cs.lpCreateParams);
  platform::detail::SetCreatingWnd(nullptr);
  return hwnd ? TRUE : FALSE;
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessage(::GetDlgItem(m_hWnd, nID), message, wParam, lParam);
}

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }
CWnd* CWnd::GetTopLevelParent() const { return FromHandle(::GetAncestor(m_hWnd, GA_ROOT)); }

CWnd* CWnd::SetParent(CWnd* pWndNewParent) {
  return FromHandle(::SetParent(m_hWnd, pWndNewParent ? pWndNewParent->m_hWnd : nullptr));
}

CWnd* CWnd::GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
CWnd* CWnd::GetTopWindow() const { return FromHandle(::GetTopWindow(m_hWnd)); }
CWnd* CWnd::GetNextWindow(UINT nFlag) const { return FromHandle(::GetWindow(m_hWnd, nFlag)); }
BOOL CWnd::IsChild(const CWnd* pWnd) const { return pWnd && ::IsChild(m_hWnd, pWnd->m_hWnd); }
CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
void CWnd::GetDlgItem(int nID, HWND* phWnd) const { *phWnd = ::GetDlgItem(m_hWnd, nID); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int nID) { return static_cast<int>(::SetWindowLongPtr(m_hWnd, GWL_ID, nID)); }
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE)); }

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  if (!IsWindow(m_hWnd)) return FALSE;
  DWORD style = GetStyle();
  DWORD changed = (style & ~dwRemove) | dwAdd;
  if (changed == style) return FALSE;
  ::SetWindowLongPtr(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
  if (nFlags)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  if (!IsWindow(m_hWnd)) return FALSE;
  DWORD style = GetExStyle();
  DWORD changed = (style & ~dwRemove) | dwAdd;
  if (changed == style) return FALSE;
  ::SetWindowLongPtr(m_hWnd, GWL_EXSTYLE, static_cast<LONG>(changed));
  if (nFlags)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  return TRUE;
}

void CWnd::SetWindowText(LPCTSTR lpszString) { ::SetWindowText(m_hWnd, lpszString); }
int CWnd::GetWindowText(LPTSTR buf, int nMaxCount) const { return ::GetWindowText(m_hWnd, buf, nMaxCount); }

void CWnd::GetWindowText(CString& rString) const {
  int length = ::GetWindowTextLength(m_hWnd);
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  ::GetWindowText(m_hWnd, buffer.data(), length + 1);
  rString = buffer.c_str();
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }
void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString) { ::SetWindowText(::GetDlgItem(m_hWnd, nID), lpszString); }

int CWnd::GetDlgItemText(int nID, CString& rString) const {
  CWnd* item = GetDlgItem(nID);
  if (!item) {
    rString = L"";
    return 0;
  }
  item->GetWindowText(rString);
  return rString.GetLength();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
  ::SendMessage(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? static_cast<HFONT>(*pFont) : nullptr), bRedraw);
}

CFont* CWnd::GetFont() const {
  auto font = reinterpret_cast<HFONT>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0));
  return font ? CFont::FromHandle(font) : nullptr;
}

void CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
  ::SendMessage(m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
}

HICON CWnd::GetIcon(BOOL bBigIcon) const {
  auto* node = FindWindowNode(m_hWnd);
  return node ? (bBigIcon ? node->iconBig : node->iconSmall) : nullptr;
}

void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
void CWnd::ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }

void CWnd::ClientToScreen(LPRECT lpRect) const {
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
  CRect r(lpRect);
  ::MoveWindow(m_hWnd, r.left, r.top, r.Width(), r.Height(), bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  return ::SetWindowPos(m_hWnd, InsertAfterHandle(pWndInsertAfter), x, y, cx, cy, nFlags);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  HWND around = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetParent(m_hWnd);
  CRect mine;
  ::GetWindowRect(m_hWnd, &mine);
  CPoint to;
  if (GetStyle() & WS_CHILD) {
    CRect area;
    ::GetWindowRect(around, &area);
    to = CPoint(area.left + (area.Width() - mine.Width()) / 2, area.top + (area.Height() - mine.Height()) / 2);
    ::ScreenToClient(::GetParent(m_hWnd), &to);
  } else {
    to = platform::detail::CentredOn(mine.Size(), platform::detail::CentringArea(around)).TopLeft();
  }
  ::SetWindowPos(m_hWnd, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
void CWnd::BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
CWnd* CWnd::SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
BOOL CWnd::SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
void CWnd::SetRedraw(BOOL bRedraw) { ::SendMessage(m_hWnd, WM_SETREDRAW, bRedraw, 0); }
CWnd* CWnd::WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }
CWnd* CWnd::ChildWindowFromPoint(POINT point) const { return FromHandle(::ChildWindowFromPoint(m_hWnd, point)); }

void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
void CWnd::ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, void*, UINT flags) {
  return ::RedrawWindow(m_hWnd, lpRectUpdate, nullptr, flags);
}

void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL bErase) { return ::GetUpdateRect(m_hWnd, lpRect, bErase); }
CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint) { return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint)); }
void CWnd::EndPaint(LPPAINTSTRUCT lpPaint) { ::EndPaint(m_hWnd, lpPaint); }
CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* pDC) { return pDC ? ::ReleaseDC(m_hWnd, pDC->GetSafeHdc()) : 0; }

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
  return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }
CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }

int CWnd::GetScrollPos(int nBar) const { return ::GetScrollPos(m_hWnd, nBar); }
int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) { return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw); }
void CWnd::GetScrollRange(int nBar, int* lpMinPos, int* lpMaxPos) const {
  ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
}
void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
  ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}
BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
  if (!lpScrollInfo || !IsWindow(m_hWnd)) return FALSE;
  ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
  return TRUE;
}
BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const {
  if (!lpScrollInfo) return FALSE;
  lpScrollInfo->fMask = nMask;
  return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}
int CWnd::GetScrollLimit(int nBar) const {
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE;
  if (!::GetScrollInfo(m_hWnd, nBar, &si)) return 0;
  return si.nMax - std::max<int>(static_cast<int>(si.nPage) - 1, 0);
}
void CWnd::ShowScrollBar(UINT nBar, BOOL bShow) { ::ShowScrollBar(m_hWnd, static_cast<int>(nBar), bShow); }
void CWnd::CreateSolidCaret(int nWidth, int nHeight) { ::CreateCaret(m_hWnd, nullptr, nWidth, nHeight); }
void CWnd::ShowCaret() { ::ShowCaret(m_hWnd); }
void CWnd::HideCaret() { ::HideCaret(m_hWnd); }
void CWnd::SetCaretPos(POINT point) { ::SetCaretPos(point.x, point.y); }
CPoint CWnd::GetCaretPos() {
  CPoint p;
  ::GetCaretPos(&p);
  return p;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
  platform::detail::BeginPaintInto(m_hWnd, &m_ps, this);
}

CPaintDC::~CPaintDC() { platform::detail::EndPaintFrom(m_hWnd, this); }

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
  platform::detail::AttachClientDC(m_hWnd, this);
}

CClientDC::~CClientDC() { platform::detail::ReleaseClientDC(m_hWnd, this); }

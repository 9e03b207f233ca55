#include "platform/win/ComboBox.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <memory>
#include <utility>

#include "platform/win/Dialog.h"
#include "platform/win/Input.h"
#include "platform/win/WindowClass.h"
#include "platform/win/detail/ControlSupport.h"
#include "platform/win/detail/StandardClasses.h"
#include "platform/win/detail/ComboState.h"
#include "platform/win/detail/ControlText.h"

using platform::detail::ComboState;

namespace {

int Count(const ComboState& s) { return static_cast<int>(s.items.size()); }
bool Valid(const ComboState& s, int i) { return i >= 0 && i < Count(s); }

void Notify(HWND hwnd, UINT code) { platform::detail::NotifyParent(hwnd, code); }

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
  size_t n = std::wcslen(prefix);
  return text.size() >= n && wcsncasecmp(text.c_str(), prefix, n) == 0;
}

// The first item after `after` (wrapping round) that matches.
int Find(const ComboState& s, WPARAM after, const wchar_t* text, bool exact) {
  if (!text) return CB_ERR;
  int n = Count(s);
  int start = static_cast<int>(after) < 0 || static_cast<int>(after) >= n ? 0 : static_cast<int>(after) + 1;
  for (int k = 0; k < n; ++k) {
    int i = (start + k) % n;
    const std::wstring& t = s.items[i].text;
    if (exact ? wcscasecmp(t.c_str(), text) == 0 : StartsWith(t, text)) return i;
  }
  return CB_ERR;
}

int Insert(ComboState& s, int index, const wchar_t* text, bool sorted) {
  std::wstring value = text ? text : L"";
  if (sorted) {
    auto it = std::upper_bound(s.items.begin(), s.items.end(), value,
                               [](const std::wstring& v, const platform::detail::ComboItem& item) {
                                 return wcscasecmp(v.c_str(), item.text.c_str()) < 0;
                               });
    index = static_cast<int>(it - s.items.begin());
  } else if (index < 0 || index > Count(s)) {
    if (index >= 0) return CB_ERR;
    index = Count(s);
  }
  s.items.insert(s.items.begin() + index, platform::detail::ComboItem{value, 0});
  if (s.cur >= index) ++s.cur;
  return index;
}

LRESULT Delete(HWND hwnd, ComboState& s, int index) {
  if (!Valid(s, index)) return CB_ERR;
  s.items.erase(s.items.begin() + index);
  if (s.cur == index) s.cur = -1;
  else if (s.cur > index) --s.cur;
  InvalidateRect(hwnd, nullptr, TRUE);
  return Count(s);
}

// Selection by code: no notification.
LRESULT SetSelection(HWND hwnd, ComboState& s, int index) {
  s.cur = Valid(s, index) ? index : -1;
  InvalidateRect(hwnd, nullptr, TRUE);
  return s.cur >= 0 ? s.cur : CB_ERR;
}

// Selection by the user: the parent hears of it.
void UserSelect(HWND hwnd, ComboState& s, int index) {
  if (!Valid(s, index) || index == s.cur) return;
  s.cur = index;
  s.hot = index;
  platform::detail::EnsureComboItemVisible(s, index);
  InvalidateRect(hwnd, nullptr, TRUE);
  if (s.list) InvalidateRect(s.list, nullptr, TRUE);
  Notify(hwnd, CBN_SELCHANGE);
}

LRESULT GetText(const ComboState& s, WPARAM max, LPARAM lParam) {
  auto* buffer = reinterpret_cast<wchar_t*>(lParam);
  if (!buffer || max == 0) return 0;
  std::wstring text = Valid(s, s.cur) ? s.items[s.cur].text : L"";
  size_t n = std::min<size_t>(text.size(), max - 1);
  std::wmemcpy(buffer, text.c_str(), n);
  buffer[n] = 0;
  return static_cast<LRESULT>(n);
}

LRESULT GetItemText(const ComboState& s, int index, LPARAM lParam) {
  if (!Valid(s, index)) return CB_ERR;
  if (auto* buffer = reinterpret_cast<wchar_t*>(lParam)) std::wcscpy(buffer, s.items[index].text.c_str());
  return static_cast<LRESULT>(s.items[index].text.size());
}

void ToggleList(HWND hwnd, ComboState& s, bool open) {
  if (open == (s.list != nullptr)) return;
  if (open) {
    Notify(hwnd, CBN_DROPDOWN);
    if (IsWindow(hwnd) && !s.list) platform::detail::OpenComboList(hwnd, s);
  } else {
    platform::detail::CloseComboList(hwnd, s, true);
  }
}

// Keys while the list is closed move the selection; with the list open they move it too,
// and Enter or Esc close it.
void OnKey(HWND hwnd, ComboState& s, UINT vk) {
  int last = Count(s) - 1;
  int page = std::max(1, std::min(Count(s), platform::detail::kComboMaxVisible) - 1);
  int cur = s.list ? s.hot : s.cur;
  switch (vk) {
    case VK_F4: ToggleList(hwnd, s, !s.list); return;
    case VK_RETURN:
      if (s.list) platform::detail::CloseComboList(hwnd, s, true);
      return;
    case VK_ESCAPE:
      if (s.list) platform::detail::CloseComboList(hwnd, s, false);
      return;
    case VK_UP:
    case VK_LEFT: UserSelect(hwnd, s, cur < 0 ? 0 : std::max(0, cur - 1)); return;
    case VK_DOWN:
    case VK_RIGHT: UserSelect(hwnd, s, std::min(last, cur + 1)); return;
    case VK_HOME: UserSelect(hwnd, s, 0); return;
    case VK_END: UserSelect(hwnd, s, last); return;
    case VK_PRIOR: UserSelect(hwnd, s, std::max(0, cur - page)); return;
    case VK_NEXT: UserSelect(hwnd, s, std::min(last, cur + page)); return;
    default: return;
  }
}

void OnChar(HWND hwnd, ComboState& s, wchar_t ch) {
  if (ch < L' ') return;
  wchar_t prefix[2] = {ch, 0};
  int found = Find(s, static_cast<WPARAM>(s.cur), prefix, false);
  if (found >= 0) UserSelect(hwnd, s, found);
}

CRect ArrowRect(const CRect& client) {
  return CRect(client.right - GetSystemMetrics(SM_CXVSCROLL), client.top, client.right, client.bottom);
}

void Paint(HWND hwnd, const ComboState& s) {
  PAINTSTRUCT ps;
  CDC* dc = CDC::FromHandle(BeginPaint(hwnd, &ps));
  CRect client;
  GetClientRect(hwnd, &client);
  bool enabled = IsWindowEnabled(hwnd);
  dc->FillSolidRect(&client, GetSysColor(enabled ? COLOR_WINDOW : COLOR_3DFACE));
  dc->Draw3dRect(&client, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHIGHLIGHT));
  CRect arrow = ArrowRect(client);
  arrow.DeflateRect(1, 1);
  dc->FillSolidRect(&arrow, GetSysColor(COLOR_3DFACE));
  dc->Draw3dRect(&arrow, GetSysColor(COLOR_3DHIGHLIGHT), GetSysColor(COLOR_3DSHADOW));
  CPoint c = arrow.CenterPoint();
  for (int row = 0; row < 4; ++row)
    dc->FillSolidRect(c.x - 3 + row, c.y - 1 + row, 7 - 2 * row, 1, GetSysColor(COLOR_BTNTEXT));
  CRect face(client.left + 2, client.top + 2, arrow.left - 1, client.bottom - 2);
  bool highlight = s.focused && !s.list && enabled;
  if (highlight) dc->FillSolidRect(&face, GetSysColor(COLOR_HIGHLIGHT));
  if (Valid(s, s.cur)) {
    CDCStateRestorer restore(dc);
    platform::detail::SelectWindowFont(hwnd, *dc);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(GetSysColor(!enabled ? COLOR_GRAYTEXT : highlight ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    CRect text = face;
    text.left += 2;
    dc->DrawText(s.items[s.cur].text.c_str(), -1, &text, platform::detail::kComboItemFormat);
  }
  if (s.focused && !s.list && enabled) dc->DrawFocusRect(&face);
  EndPaint(hwnd, &ps);
}

// The window is as high as its face; the open list shows up to kComboMaxVisible items
// whatever height the window was created with.
void FitFace(HWND hwnd, ComboState& s) {
  int textHeight = platform::detail::MeasureControlText(hwnd, L"Ay").cy;
  s.itemHeight = textHeight + 2;
  RECT r;
  GetWindowRect(hwnd, &r);
  SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, s.itemHeight + 6, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK_ComboProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto s = platform::detail::ControlState<ComboState>(hwnd);
  bool sorted = GetWindowLong(hwnd, GWL_STYLE) & CBS_SORT;
  switch (message) {
    case WM_CREATE: FitFace(hwnd, *s); return 0;
    case CB_ADDSTRING:
      InvalidateRect(hwnd, nullptr, TRUE);
      return Insert(*s, -1, reinterpret_cast<LPCWSTR>(lParam), sorted);
    case CB_INSERTSTRING: return Insert(*s, static_cast<int>(wParam), reinterpret_cast<LPCWSTR>(lParam), false);
    case CB_DELETESTRING: return Delete(hwnd, *s, static_cast<int>(wParam));
    case CB_RESETCONTENT:
      s->items.clear();
      s->cur = -1;
      InvalidateRect(hwnd, nullptr, TRUE);
      return CB_OKAY;
    case CB_GETCOUNT: return Count(*s);
    case CB_GETCURSEL: return s->cur;
    case CB_SETCURSEL: return SetSelection(hwnd, *s, static_cast<int>(wParam));
    case CB_GETLBTEXT: return GetItemText(*s, static_cast<int>(wParam), lParam);
    case CB_GETLBTEXTLEN:
      return Valid(*s, static_cast<int>(wParam)) ? static_cast<LRESULT>(s->items[wParam].text.size()) : CB_ERR;
    case CB_FINDSTRING: return Find(*s, wParam, reinterpret_cast<LPCWSTR>(lParam), false);
    case CB_FINDSTRINGEXACT: return Find(*s, wParam, reinterpret_cast<LPCWSTR>(lParam), true);
    case CB_SELECTSTRING: {
      int found = static_cast<int>(Find(*s, wParam, reinterpret_cast<LPCWSTR>(lParam), false));
      return found >= 0 ? SetSelection(hwnd, *s, found) : CB_ERR;
    }
    case CB_GETITEMDATA:
      return Valid(*s, static_cast<int>(wParam)) ? static_cast<LRESULT>(s->items[wParam].data) : CB_ERR;
    case CB_SETITEMDATA:
      if (!Valid(*s, static_cast<int>(wParam))) return CB_ERR;
      s->items[wParam].data = static_cast<DWORD_PTR>(lParam);
      return CB_OKAY;
    case CB_SHOWDROPDOWN: ToggleList(hwnd, *s, wParam != 0); return TRUE;
    case CB_GETDROPPEDSTATE: return s->list != nullptr;
    case CB_GETITEMHEIGHT: return s->itemHeight;
    case CB_GETDROPPEDWIDTH: return platform::detail::ComboListWidth(hwnd, *s);
    case CB_SETDROPPEDWIDTH:
      s->droppedWidth = static_cast<int>(std::min<WPARAM>(wParam, 0x7FFF));
      return platform::detail::ComboListWidth(hwnd, *s);
    case WM_GETTEXT: return GetText(*s, wParam, lParam);
    case WM_GETTEXTLENGTH: return Valid(*s, s->cur) ? static_cast<LRESULT>(s->items[s->cur].text.size()) : 0;
    case WM_SETTEXT: {
      int found = static_cast<int>(Find(*s, static_cast<WPARAM>(-1), reinterpret_cast<LPCWSTR>(lParam), true));
      return found >= 0 && SetSelection(hwnd, *s, found) >= 0;
    }
    case WM_SETFONT:
      DefWindowProc(hwnd, message, wParam, lParam);
      FitFace(hwnd, *s);
      return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | (s->list ? DLGC_WANTALLKEYS : 0);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != hwnd) SetFocus(hwnd);
      if (IsWindow(hwnd)) ToggleList(hwnd, *s, !s->list);
      return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_DOWN || wParam == VK_UP) {
        ToggleList(hwnd, *s, !s->list);
        return 0;
      }
      return DefWindowProc(hwnd, message, wParam, lParam);
    case WM_KEYDOWN: OnKey(hwnd, *s, static_cast<UINT>(wParam)); return 0;
    case WM_CHAR: OnChar(hwnd, *s, static_cast<wchar_t>(wParam)); return 0;
    case WM_SETFOCUS:
      s->focused = true;
      InvalidateRect(hwnd, nullptr, TRUE);
      Notify(hwnd, CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      s->focused = false;
      if (s->list) platform::detail::CloseComboList(hwnd, *s, false);
      InvalidateRect(hwnd, nullptr, TRUE);
      if (IsWindow(hwnd)) Notify(hwnd, CBN_KILLFOCUS);
      return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: Paint(hwnd, *s); return 0;
    case WM_DESTROY:
      if (s->list) DestroyWindow(std::exchange(s->list, nullptr));
      return 0;
    default: return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

}  // namespace

namespace platform::detail {

void RegisterComboBoxClass() {
  RegisterComboListClass();
  WNDCLASS wc;
  wc.lpszClassName = WC_COMBOBOX;
  wc.lpfnWndProc = CALLBACK_ComboProc;
  wc.style = CS_DBLCLKS;
  RegisterClass(&wc);
}

void NotifyComboChoice(HWND combo, ComboState& s, bool accept, int choice) {
  if (accept && choice >= 0 && choice != s.cur) UserSelect(combo, s, choice);
  if (!IsWindow(combo)) return;
  Notify(combo, accept ? CBN_SELENDOK : CBN_SELENDCANCEL);
  if (IsWindow(combo)) Notify(combo, CBN_CLOSEUP);
  if (IsWindow(combo)) InvalidateRect(combo, nullptr, TRUE);
}

}  // namespace platform::detail

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_COMBOBOX, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
int CComboBox::SetCurSel(int nSelect) {
  return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
}
int CComboBox::AddString(LPCTSTR s) {
  return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s)));
}
int CComboBox::InsertString(int nIndex, LPCTSTR s) {
  return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(s)));
}
int CComboBox::DeleteString(UINT nIndex) { return static_cast<int>(SendMessage(CB_DELETESTRING, nIndex)); }
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const {
  return static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText)));
}
void CComboBox::GetLBText(int nIndex, CString& rString) const {
  int length = GetLBTextLen(nIndex);
  if (length < 0) {
    rString = L"";
    return;
  }
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  GetLBText(nIndex, buffer.data());
  rString = buffer.c_str();
}
int CComboBox::GetLBTextLen(int nIndex) const {
  return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)));
}
int CComboBox::FindString(int nStartAfter, LPCTSTR s) const {
  return static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(s)));
}
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR s) const {
  return static_cast<int>(
      SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), reinterpret_cast<LPARAM>(s)));
}
int CComboBox::SelectString(int nStartAfter, LPCTSTR s) {
  return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(s)));
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
  return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
}
int CComboBox::SetItemData(int nIndex, DWORD_PTR data) {
  return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(data)));
}
void CComboBox::ShowDropDown(BOOL bShowIt) { SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt)); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
int CComboBox::GetDroppedWidth() const { return static_cast<int>(SendMessage(CB_GETDROPPEDWIDTH)); }
int CComboBox::SetDroppedWidth(UINT nWidth) { return static_cast<int>(SendMessage(CB_SETDROPPEDWIDTH, nWidth)); }

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
  HWND control = ::GetDlgItem(pDX->m_pDlgWnd->GetSafeHwnd(), nIDC);
  if (!control) return;
  if (pDX->m_bSaveAndValidate) {
    int length = ::GetWindowTextLength(control);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    ::GetWindowText(control, buffer.data(), length + 1);
    value = buffer.c_str();
  } else if (!value.IsEmpty()) {
    ::SendMessage(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                  reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value)));
  }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND control = ::GetDlgItem(pDX->m_pDlgWnd->GetSafeHwnd(), nIDC);
  if (!control) return;
  if (pDX->m_bSaveAndValidate) index = static_cast<int>(::SendMessage(control, CB_GETCURSEL, 0, 0));
  else ::SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

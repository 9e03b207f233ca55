// The pop-up list of an open combo box: a top-level window below the combo that holds the
// capture while open. A press outside it closes it unchanged; a release on an item
// chooses that item.
#include <algorithm>

#include "platform/gdi/DC.h"
#include "platform/win/Input.h"
#include "platform/win/Paint.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowClass.h"
#include "platform/win/detail/ComboState.h"
#include "platform/win/detail/ControlSupport.h"
#include "platform/win/detail/ControlText.h"
#include "platform/win/detail/DialogPlacement.h"

namespace platform::detail {

namespace {

constexpr wchar_t kListClass[] = L"ComboLBox";

struct ListState {
  HWND combo = nullptr;
};

ComboState* ComboOf(HWND list, HWND* combo) {
  auto ls = GetWindowState<ListState>(list);
  if (!ls || !IsWindow(ls->combo)) return nullptr;
  *combo = ls->combo;
  return GetWindowState<ComboState>(ls->combo).get();
}

int Visible(const ComboState& s) { return std::max(1, std::min(static_cast<int>(s.items.size()), kComboMaxVisible)); }

int ItemAt(const ComboState& s, HWND list, POINT pt) {
  RECT client;
  GetClientRect(list, &client);
  if (pt.x < client.left || pt.x >= client.right || pt.y < 1 || pt.y >= client.bottom - 1) return -1;
  int index = s.top + (pt.y - 1) / s.itemHeight;
  return index < static_cast<int>(s.items.size()) ? index : -1;
}

void Paint(HWND list, const ComboState& s, HWND combo) {
  PAINTSTRUCT ps;
  CDC* dc = CDC::FromHandle(BeginPaint(list, &ps));
  CRect client;
  GetClientRect(list, &client);
  dc->FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
  dc->Draw3dRect(&client, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
  {
    // Restored before EndPaint, which deletes the DC.
    CDCStateRestorer restore(dc);
    SelectWindowFont(combo, *dc);
    dc->SetBkMode(TRANSPARENT);
    int count = static_cast<int>(s.items.size());
    for (int i = s.top, row = 0; i < count && row < Visible(s); ++i, ++row) {
      CRect r(client.left + 1, client.top + 1 + row * s.itemHeight, client.right - 1,
              client.top + 1 + (row + 1) * s.itemHeight);
      bool hot = i == s.hot;
      if (hot) dc->FillSolidRect(&r, GetSysColor(COLOR_HIGHLIGHT));
      dc->SetTextColor(GetSysColor(hot ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
      r.left += 2;
      dc->DrawText(s.items[i].text.c_str(), -1, &r, kComboItemFormat);
    }
  }
  EndPaint(list, &ps);
}

void Track(HWND list, ComboState& s, POINT pt) {
  int index = ItemAt(s, list, pt);
  if (index < 0 || index == s.hot) return;
  s.hot = index;
  InvalidateRect(list, nullptr, TRUE);
}

void Scroll(HWND list, ComboState& s, int rows) {
  int maxTop = std::max(0, static_cast<int>(s.items.size()) - Visible(s));
  int top = std::max(0, std::min(maxTop, s.top + rows));
  if (top == s.top) return;
  s.top = top;
  InvalidateRect(list, nullptr, TRUE);
}

LRESULT CALLBACK_ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND combo = nullptr;
  ComboState* s = message == WM_NCCREATE ? nullptr : ComboOf(list, &combo);
  if (!s) return DefWindowProc(list, message, wParam, lParam);
  POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_MOUSEMOVE: Track(list, *s, pt); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (ItemAt(*s, list, pt) < 0) CloseComboList(combo, *s, false);
      return 0;
    case WM_LBUTTONUP: {
      int index = ItemAt(*s, list, pt);
      if (index >= 0) CloseComboList(combo, *s, true);
      return 0;
    }
    case WM_MOUSEWHEEL: Scroll(list, *s, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? -3 : 3); return 0;
    case WM_CAPTURECHANGED:
      // Someone else took the pointer: the list goes, unchanged.
      if (reinterpret_cast<HWND>(lParam) != list && s->list == list) CloseComboList(combo, *s, false);
      return 0;
    case WM_MOUSEACTIVATE: return 3;  // MA_NOACTIVATE
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: Paint(list, *s, combo); return 0;
    default: return DefWindowProc(list, message, wParam, lParam);
  }
}

// Below the combo, its left edges on the combo's; above it when there is no room below;
// moved in as far as it takes to stay on the screen.
CRect ListRect(HWND combo, CSize size) {
  CRect face;
  GetWindowRect(combo, &face);
  const CRect area = WorkArea();
  CRect below(CPoint(face.left, face.bottom), size);
  if (below.bottom > area.bottom && face.top - size.cy >= area.top) below.MoveToY(face.top - size.cy);
  return KeptInside(below, area);
}

}  // namespace

void RegisterComboListClass() {
  WNDCLASS wc;
  wc.lpszClassName = kListClass;
  wc.lpfnWndProc = CALLBACK_ListProc;
  RegisterClass(&wc);
}

void EnsureComboItemVisible(ComboState& s, int index) {
  if (index < 0) return;
  if (index < s.top) s.top = index;
  else if (index >= s.top + Visible(s)) s.top = index - Visible(s) + 1;
}

int ComboListWidth(HWND combo, const ComboState& s) {
  RECT r;
  GetWindowRect(combo, &r);
  return std::max(static_cast<int>(r.right - r.left), s.droppedWidth);
}

HWND OpenComboList(HWND combo, ComboState& s) {
  s.hot = s.cur;
  s.top = 0;
  EnsureComboItemVisible(s, s.cur);
  const CRect at = ListRect(combo, CSize(ComboListWidth(combo, s), Visible(s) * s.itemHeight + 2));
  HWND list = CreateWindowEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kListClass, L"", WS_POPUP, at.left,
                             at.top, at.Width(), at.Height(), GetAncestor(combo, GA_ROOT), nullptr, nullptr);
  if (!list) return nullptr;
  auto ls = std::make_shared<ListState>();
  ls->combo = combo;
  SetWindowState(list, ls);
  s.list = list;
  ShowWindow(list, SW_SHOWNOACTIVATE);
  SetCapture(list);
  InvalidateRect(combo, nullptr, TRUE);
  return list;
}

void CloseComboList(HWND combo, ComboState& s, bool accept) {
  HWND list = s.list;
  if (!list) return;
  int choice = s.hot;
  s.list = nullptr;
  s.hot = -1;
  if (GetCapture() == list) ReleaseCapture();
  DestroyWindow(list);
  NotifyComboChoice(combo, s, accept, choice);
}

}  // namespace platform::detail

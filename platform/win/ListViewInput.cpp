// The list view's default mouse and keyboard processing: a press selects the row under
// it (one row at a time) and tells the parent at once with NM_CLICK or NM_RCLICK, so a
// click is never lost to a drag; a double-click sends NM_DBLCLK; the arrow, page, Home and
// End keys move the selection; the wheel and WM_VSCROLL scroll by rows.
#include <algorithm>

#include "platform/win/Input.h"
#include "platform/win/Keys.h"
#include "platform/win/Paint.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/detail/ListViewState.h"

namespace platform::detail {

namespace {

constexpr UINT kSelectAndFocus = LVIS_SELECTED | LVIS_FOCUSED;
constexpr UINT LVKF_ALT = 0x0001;
constexpr UINT LVKF_CONTROL = 0x0002;
constexpr UINT LVKF_SHIFT = 0x0004;

UINT KeyFlags() {
  UINT flags = 0;
  if (GetKeyState(VK_MENU) & 0x8000) flags |= LVKF_ALT;
  if (GetKeyState(VK_CONTROL) & 0x8000) flags |= LVKF_CONTROL;
  if (GetKeyState(VK_SHIFT) & 0x8000) flags |= LVKF_SHIFT;
  return flags;
}

void SendActivate(HWND hwnd, UINT code, int item, int subItem, POINT at) {
  NMITEMACTIVATE notice;
  notice.iItem = item;
  notice.iSubItem = subItem;
  notice.ptAction = at;
  notice.uKeyFlags = KeyFlags();
  Notify(hwnd, code, &notice.hdr);
}

// Selects and focuses the row, or with -1 clears the selection.
void SelectRow(HWND hwnd, ListViewState& s, int item) {
  if (item >= 0) s.model.SetItemState(item, kSelectAndFocus, kSelectAndFocus);
  else s.model.SetItemState(-1, 0, LVIS_SELECTED);
  InvalidateRect(hwnd, nullptr, TRUE);
}

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

void HitAt(HWND hwnd, ListViewState& s, POINT pt, int& item, int& subItem) {
  SyncClientArea(hwnd, s);
  s.model.HitTest(pt, item, subItem);
}

int KeyTarget(const ListViewModel& model, UINT vk) {
  const int count = model.ItemCount();
  int current = model.NextItem(-1, LVIS_FOCUSED);
  if (current < 0) current = model.NextItem(-1, LVIS_SELECTED);
  const int top = model.TopIndex();
  const int perPage = model.CountPerPage();
  const int bottom = std::min(top + perPage - 1, count - 1);
  switch (vk) {
    case VK_UP: return current < 0 ? 0 : std::max(current - 1, 0);
    case VK_DOWN: return current < 0 ? 0 : std::min(current + 1, count - 1);
    case VK_HOME: return 0;
    case VK_END: return count - 1;
    case VK_PRIOR: return current != top ? top : std::max(current - perPage + 1, 0);
    case VK_NEXT: return current != bottom ? bottom : std::min(current + perPage - 1, count - 1);
    default: return -1;
  }
}

}  // namespace

LRESULT ButtonDown(HWND hwnd, UINT message, WPARAM, LPARAM at) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return 0;
  POINT pt = PointOf(at);
  int item = -1, subItem = -1;
  HitAt(hwnd, *s, pt, item, subItem);
  SelectRow(hwnd, *s, item);
  if (GetFocus() != hwnd) SetFocus(hwnd);
  if (!IsWindow(hwnd)) return 0;
  SendActivate(hwnd, message == WM_LBUTTONDOWN ? NM_CLICK : NM_RCLICK, item, subItem, pt);
  return 0;
}

LRESULT ButtonDoubleClick(HWND hwnd, WPARAM, LPARAM at) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return 0;
  POINT pt = PointOf(at);
  int item = -1, subItem = -1;
  HitAt(hwnd, *s, pt, item, subItem);
  SendActivate(hwnd, NM_DBLCLK, item, subItem, pt);
  return 0;
}

LRESULT KeyDown(HWND hwnd, WPARAM vk) {
  auto s = ListViewStateOf(hwnd);
  if (!s || s->model.ItemCount() == 0) return 0;
  SyncClientArea(hwnd, *s);
  int target = KeyTarget(s->model, static_cast<UINT>(vk));
  if (target < 0) return 0;
  SelectRow(hwnd, *s, target);
  if (s->model.EnsureVisible(target)) UpdateScrollBar(hwnd, *s);
  return 0;
}

// Three rows a notch; with Shift or Ctrl held the wheel is the parent's.
LRESULT Wheel(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (GET_KEYSTATE_WPARAM(wParam) & (MK_SHIFT | MK_CONTROL))
    return ::DefWindowProc(hwnd, WM_MOUSEWHEEL, wParam, lParam);
  auto s = ListViewStateOf(hwnd);
  if (!s) return 0;
  int rows = -GET_WHEEL_DELTA_WPARAM(wParam) * 3 / WHEEL_DELTA;
  ScrollToTop(hwnd, *s, s->model.TopIndex() + rows);
  return 0;
}

LRESULT VerticalScroll(HWND hwnd, WPARAM wParam) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return 0;
  SyncClientArea(hwnd, *s);
  const int top = s->model.TopIndex();
  const int perPage = s->model.CountPerPage();
  switch (LOWORD(wParam)) {
    case SB_LINEUP: ScrollToTop(hwnd, *s, top - 1); break;
    case SB_LINEDOWN: ScrollToTop(hwnd, *s, top + 1); break;
    case SB_PAGEUP: ScrollToTop(hwnd, *s, top - perPage); break;
    case SB_PAGEDOWN: ScrollToTop(hwnd, *s, top + perPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollToTop(hwnd, *s, HIWORD(wParam)); break;
    case SB_TOP: ScrollToTop(hwnd, *s, 0); break;
    case SB_BOTTOM: ScrollToTop(hwnd, *s, s->model.ScrollLimit()); break;
    default: break;
  }
  return 0;
}

// The focused row is drawn with ODS_FOCUS only while the list has the focus.
LRESULT FocusChanged(HWND hwnd) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return 0;
  int focused = s->model.NextItem(-1, LVIS_FOCUSED);
  if (focused >= 0) InvalidateRows(hwnd, *s, focused, focused);
  return 0;
}

}  // namespace platform::detail

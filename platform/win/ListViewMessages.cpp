// The list-view class procedure: one flat dispatcher over the list's messages, the
// item, column and geometry messages, and the scroll-bar upkeep they share. Painting and
// input are in ListViewPaint.cpp and ListViewInput.cpp.
#include <algorithm>
#include <utility>

#include "platform/gdi/DC.h"
#include "platform/win/Dialog.h"
#include "platform/win/ImageList.h"
#include "platform/win/OwnerDraw.h"
#include "platform/win/Paint.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowClass.h"
#include "platform/win/detail/ControlSupport.h"
#include "platform/win/detail/ListViewState.h"
#include "platform/win/detail/StandardClasses.h"
#include "platform/win/detail/WindowTree.h"

namespace platform::detail {

namespace {

constexpr UINT kSelectionStates = LVIS_SELECTED | LVIS_FOCUSED;

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE)); }
bool OwnerDrawn(HWND hwnd) { return (StyleOf(hwnd) & LVS_OWNERDRAWFIXED) != 0; }

bool RedrawSuspended(HWND hwnd) {
  WindowNode* node = FindWindowNode(hwnd);
  return !node || node->redrawSuspended;
}

std::wstring TextOf(LPCWSTR text) { return text ? std::wstring(text) : std::wstring(); }

// Copies at most max - 1 characters and a terminator; returns the characters copied.
int CopyText(const std::wstring& text, LPWSTR buffer, int max) {
  if (!buffer || max <= 0) return 0;
  size_t n = std::min(text.size(), static_cast<size_t>(max - 1));
  std::copy_n(text.begin(), n, buffer);
  buffer[n] = 0;
  return static_cast<int>(n);
}

// The height a row gets from the list's font and its small images.
int NaturalHeight(HWND hwnd, const ListViewState& s) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  if (auto font = reinterpret_cast<HGDIOBJ>(::DefWindowProc(hwnd, WM_GETFONT, 0, 0))) dc.SelectObject(font);
  int height = dc.GetTextExtent(L"Ag", 2).cy + 4;
  int cx = 0, cy = 0;
  if (ImageList_GetIconSize(s.smallImages, &cx, &cy)) height = std::max(height, cy);
  return std::max(height, 1);
}

void RowsChanged(HWND hwnd, ListViewState& s, int from) {
  InvalidateFrom(hwnd, s, from);
  UpdateScrollBar(hwnd, s);
}

LRESULT Create(HWND hwnd) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return -1;
  s->header = CreateWindowEx(0, WC_HEADER, L"", WS_CHILD, 0, 0, 0, 0, hwnd, nullptr, nullptr);
  if (!IsWindow(hwnd)) return -1;
  s->model.SetItemHeight(NaturalHeight(hwnd, *s));
  MeasureRows(hwnd, *s);
  return IsWindow(hwnd) ? 0 : -1;
}

LRESULT PositionChanged(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  auto s = ListViewStateOf(hwnd);
  const auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
  if (!s || !wp) return 0;
  if (!(wp->flags & SWP_NOSIZE)) MeasureRows(hwnd, *s);
  if (!IsWindow(hwnd)) return 0;
  ::DefWindowProc(hwnd, WM_WINDOWPOSCHANGED, wParam, lParam);
  if (IsWindow(hwnd)) UpdateScrollBar(hwnd, *s);
  return 0;
}

LRESULT SetRedraw(HWND hwnd, WPARAM wParam) {
  ::DefWindowProc(hwnd, WM_SETREDRAW, wParam, 0);
  auto s = ListViewStateOf(hwnd);
  if (!s || !wParam) return 0;
  UpdateScrollBar(hwnd, *s);
  InvalidateRect(hwnd, nullptr, TRUE);
  return 0;
}

LRESULT SetFont(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  ::DefWindowProc(hwnd, WM_SETFONT, wParam, lParam);
  auto s = ListViewStateOf(hwnd);
  if (s && !OwnerDrawn(hwnd)) {
    s->model.SetItemHeight(NaturalHeight(hwnd, *s));
    UpdateScrollBar(hwnd, *s);
  }
  return 0;
}

LRESULT InsertItem(HWND hwnd, const LVITEM* item) {
  auto s = ListViewStateOf(hwnd);
  if (!s || !item || item->iSubItem != 0 || s->sorting) return -1;
  LPARAM data = (item->mask & LVIF_PARAM) ? item->lParam : 0;
  std::wstring text = (item->mask & LVIF_TEXT) ? TextOf(item->pszText) : std::wstring();
  int index = s->model.InsertItem(item->iItem, std::move(text), data);
  bool selects = (item->mask & LVIF_STATE) && s->model.SetItemState(index, item->state, item->stateMask) &&
                 (item->stateMask & kSelectionStates);
  RowsChanged(hwnd, *s, selects ? 0 : index);
  return index;
}

LRESULT DeleteItem(HWND hwnd, int index) {
  auto s = ListViewStateOf(hwnd);
  if (!s || s->sorting || !s->model.DeleteItem(index)) return FALSE;
  if (s->hotItem >= s->model.ItemCount()) s->hotItem = -1;
  RowsChanged(hwnd, *s, index);
  return TRUE;
}

LRESULT DeleteAllItems(HWND hwnd) {
  auto s = ListViewStateOf(hwnd);
  if (!s || s->sorting) return FALSE;
  s->model.DeleteAllItems();
  s->hotItem = -1;
  RowsChanged(hwnd, *s, 0);
  return TRUE;
}

LRESULT SetItem(HWND hwnd, const LVITEM* item) {
  auto s = ListViewStateOf(hwnd);
  if (!s || !item || item->iItem < 0 || item->iItem >= s->model.ItemCount()) return FALSE;
  bool ok = true;
  if (item->mask & LVIF_TEXT) ok = s->model.SetItemText(item->iItem, item->iSubItem, TextOf(item->pszText));
  if ((item->mask & LVIF_PARAM) && item->iSubItem == 0) s->model.SetItemData(item->iItem, item->lParam);
  if ((item->mask & LVIF_STATE) && item->iSubItem == 0) {
    s->model.SetItemState(item->iItem, item->state, item->stateMask);
    InvalidateRect(hwnd, nullptr, TRUE);
  }
  InvalidateRows(hwnd, *s, item->iItem, item->iItem);
  return ok ? TRUE : FALSE;
}

LRESULT GetItem(HWND hwnd, LVITEM* item) {
  auto s = ListViewStateOf(hwnd);
  if (!s || !item || item->iItem < 0 || item->iItem >= s->model.ItemCount()) return FALSE;
  if (item->mask & LVIF_TEXT) CopyText(s->model.ItemText(item->iItem, item->iSubItem), item->pszText, item->cchTextMax);
  if (item->mask & LVIF_PARAM) item->lParam = s->model.ItemData(item->iItem);
  if (item->mask & LVIF_STATE) item->state = s->model.ItemState(item->iItem, item->stateMask);
  return TRUE;
}

LRESULT SetItemText(HWND hwnd, int index, const LVITEM* item) {
  auto s = ListViewStateOf(hwnd);
  if (!s || !item || !s->model.SetItemText(index, item->iSubItem, TextOf(item->pszText))) return FALSE;
  InvalidateRows(hwnd, *s, index, index);
  return TRUE;
}

LRESULT GetItemText(HWND hwnd, int index, LVITEM* item) {
  auto s = ListViewStateOf(hwnd);
  if (!s || !item) return 0;
  return CopyText(s->model.ItemText(index, item->iSubItem), item->pszText, item->cchTextMax);
}

LRESULT SetItemState(HWND hwnd, int index, const LVITEM* item) {
  auto s = ListViewStateOf(hwnd);
  if (!s || !item || !s->model.SetItemState(index, item->state, item->stateMask)) return FALSE;
  // One row selected can mean another one cleared anywhere in the list.
  if (item->stateMask & kSelectionStates) InvalidateRect(hwnd, nullptr, TRUE);
  return TRUE;
}

LRESULT NextItem(HWND hwnd, int start, UINT flags) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return -1;
  UINT mask = flags & kSelectionStates;
  if (mask) return s->model.NextItem(start, mask);
  int next = std::max(start + 1, 0);
  return next < s->model.ItemCount() ? next : -1;
}

LRESULT InsertColumn(HWND hwnd, int index, const LVCOLUMN* column) {
  auto s = ListViewStateOf(hwnd);
  if (!s || !column) return -1;
  int format = (column->mask & LVCF_FMT) ? column->fmt : LVCFMT_LEFT;
  int width = (column->mask & LVCF_WIDTH) ? column->cx : 0;
  std::wstring text = (column->mask & LVCF_TEXT) ? TextOf(column->pszText) : std::wstring();
  int at = s->model.InsertColumn(index, text, format, width);
  InvalidateRect(hwnd, nullptr, TRUE);
  return at;
}

LRESULT SetColumnWidth(HWND hwnd, int column, LPARAM lParam) {
  auto s = ListViewStateOf(hwnd);
  int width = static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lParam)));
  if (!s || width < 0 || !s->model.SetColumnWidth(column, width)) return FALSE;
  InvalidateRect(hwnd, nullptr, TRUE);
  return TRUE;
}

LRESULT GetHeader(HWND hwnd) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return 0;
  if (!IsWindow(s->header)) s->header = CreateWindowEx(0, WC_HEADER, L"", WS_CHILD, 0, 0, 0, 0, hwnd, nullptr, nullptr);
  return reinterpret_cast<LRESULT>(s->header);
}

bool ItemRect(const ListViewState& s, int item, int area, RECT* out) {
  if (item < 0 || item >= s.model.ItemCount()) return false;
  CRect row = s.model.RowRect(item);
  CRect column0 = s.model.SubItemRect(item, 0);
  int iconLeft = column0.left + 2;
  switch (area) {
    case LVIR_ICON: *out = CRect(iconLeft, row.top, column0.left + LabelOffset(s), row.bottom); return true;
    case LVIR_LABEL: *out = CRect(column0.left + LabelOffset(s), row.top, column0.right, row.bottom); return true;
    case LVIR_BOUNDS:
    case LVIR_SELECTBOUNDS: *out = row; return true;
    default: return false;
  }
}

LRESULT GetItemRect(HWND hwnd, int item, RECT* rect) {
  auto s = ListViewStateOf(hwnd);
  if (!s || !rect) return FALSE;
  SyncClientArea(hwnd, *s);
  return ItemRect(*s, item, rect->left, rect) ? TRUE : FALSE;
}

// rect->top names the sub-item and rect->left the area. Sub-items other than 0 answer
// for any row index, as their rectangles are the columns'.
LRESULT GetSubItemRect(HWND hwnd, int item, RECT* rect) {
  auto s = ListViewStateOf(hwnd);
  if (!s || !rect) return FALSE;
  SyncClientArea(hwnd, *s);
  int sub = rect->top;
  if (sub < 0 || sub >= s->model.ColumnCount()) return FALSE;
  if (sub == 0) return ItemRect(*s, item, rect->left, rect) ? TRUE : FALSE;
  *rect = s->model.SubItemRect(item, sub);
  return TRUE;
}

LRESULT HitTest(HWND hwnd, LVHITTESTINFO* info, bool subItems) {
  auto s = ListViewStateOf(hwnd);
  if (!s || !info) return -1;
  SyncClientArea(hwnd, *s);
  CRect client;
  GetClientRect(hwnd, &client);
  int item = -1, sub = -1;
  s->model.HitTest(info->pt, item, sub);
  info->flags = item >= 0 ? LVHT_ONITEMLABEL : LVHT_NOWHERE;
  if (info->pt.y < 0) info->flags = LVHT_ABOVE;
  if (info->pt.y >= client.bottom) info->flags = LVHT_BELOW;
  if (info->pt.x >= client.right) info->flags |= LVHT_TORIGHT;
  if (info->pt.x < 0) info->flags |= LVHT_TOLEFT;
  info->iItem = item;
  if (subItems) info->iSubItem = sub;
  return item;
}

LRESULT EnsureVisible(HWND hwnd, int item) {
  auto s = ListViewStateOf(hwnd);
  if (!s || item < 0 || item >= s->model.ItemCount()) return FALSE;
  SyncClientArea(hwnd, *s);
  if (s->model.EnsureVisible(item)) {
    UpdateScrollBar(hwnd, *s);
    InvalidateRect(hwnd, nullptr, TRUE);
  }
  return TRUE;
}

LRESULT Scroll(HWND hwnd, LPARAM dy) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return FALSE;
  SyncClientArea(hwnd, *s);
  if (s->model.ScrollPixels(static_cast<int>(dy))) {
    UpdateScrollBar(hwnd, *s);
    InvalidateRect(hwnd, nullptr, TRUE);
  }
  return TRUE;
}

LRESULT CountPerPage(HWND hwnd) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return 0;
  SyncClientArea(hwnd, *s);
  return s->model.CountPerPage();
}

LRESULT SetImageList(HWND hwnd, WPARAM which, LPARAM lParam) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return 0;
  auto images = reinterpret_cast<HIMAGELIST>(lParam);
  HIMAGELIST* slot = which == LVSIL_SMALL ? &s->smallImages : which == LVSIL_STATE ? &s->stateImages : &s->normalImages;
  HIMAGELIST old = *slot;
  *slot = images;
  // An owner-drawn list keeps the height its parent gave it.
  if (which == LVSIL_SMALL && !OwnerDrawn(hwnd)) {
    s->model.SetItemHeight(NaturalHeight(hwnd, *s));
    UpdateScrollBar(hwnd, *s);
  }
  InvalidateRect(hwnd, nullptr, TRUE);
  return reinterpret_cast<LRESULT>(old);
}

LRESULT GetImageList(HWND hwnd, WPARAM which) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return 0;
  HIMAGELIST h = which == LVSIL_SMALL ? s->smallImages : which == LVSIL_STATE ? s->stateImages : s->normalImages;
  return reinterpret_cast<LRESULT>(h);
}

LRESULT SetExtendedStyle(HWND hwnd, WPARAM mask, LPARAM style) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return 0;
  DWORD old = s->exStyle;
  DWORD m = mask ? static_cast<DWORD>(mask) : 0xFFFFFFFF;
  s->exStyle = (old & ~m) | (static_cast<DWORD>(style) & m);
  if (s->exStyle != old) InvalidateRect(hwnd, nullptr, TRUE);
  return old;
}

LRESULT ExtendedStyle(HWND hwnd) {
  auto s = ListViewStateOf(hwnd);
  return s ? s->exStyle : 0;
}

LRESULT HotItem(HWND hwnd) {
  auto s = ListViewStateOf(hwnd);
  return s ? s->hotItem : -1;
}

LRESULT SetHotItem(HWND hwnd, int item) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return -1;
  int old = s->hotItem;
  s->hotItem = item;
  return old;
}

LRESULT SortItems(HWND hwnd, WPARAM lParamSort, LPARAM comparator) {
  auto s = ListViewStateOf(hwnd);
  auto compare = reinterpret_cast<PFNLVCOMPARE>(comparator);
  if (!s || !compare || s->sorting) return FALSE;
  s->sorting = true;
  s->model.SortItems([&](int a, int b) { return compare(a, b, static_cast<LPARAM>(lParamSort)); });
  s->sorting = false;
  if (IsWindow(hwnd)) InvalidateRect(hwnd, nullptr, TRUE);
  return TRUE;
}

LRESULT SetView(HWND hwnd, WPARAM view) {
  if (view > LVS_TYPEMASK) return -1;
  SetWindowLongPtr(hwnd, GWL_STYLE, static_cast<LONG_PTR>((StyleOf(hwnd) & ~LVS_TYPEMASK) | static_cast<DWORD>(view)));
  InvalidateRect(hwnd, nullptr, TRUE);
  return 1;
}

LRESULT RedrawItems(HWND hwnd, int first, int last) {
  auto s = ListViewStateOf(hwnd);
  if (!s) return FALSE;
  InvalidateRows(hwnd, *s, first, last);
  return TRUE;
}

LRESULT ColumnWidth(HWND hwnd, int column) {
  auto s = ListViewStateOf(hwnd);
  return s ? s->model.ColumnWidth(column) : 0;
}

LRESULT ItemCount(HWND hwnd) {
  auto s = ListViewStateOf(hwnd);
  return s ? s->model.ItemCount() : 0;
}

LRESULT ItemState(HWND hwnd, int item, UINT mask) {
  auto s = ListViewStateOf(hwnd);
  return s ? s->model.ItemState(item, mask) : 0;
}

LRESULT TopIndex(HWND hwnd) {
  auto s = ListViewStateOf(hwnd);
  return s ? s->model.TopIndex() : 0;
}

LRESULT ListViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
  switch (message) {
    case WM_CREATE: return Create(hwnd);
    case WM_PAINT: return PaintList(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_WINDOWPOSCHANGED: return PositionChanged(hwnd, wParam, lParam);
    case WM_SIZE:
      if (auto s = ListViewStateOf(hwnd)) UpdateScrollBar(hwnd, *s);
      return 0;
    case WM_SETREDRAW: return SetRedraw(hwnd, wParam);
    case WM_SETFONT: return SetFont(hwnd, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: return ButtonDown(hwnd, message, wParam, lParam);
    case WM_LBUTTONDBLCLK: return ButtonDoubleClick(hwnd, wParam, lParam);
    case WM_LBUTTONUP: return 0;
    case WM_KEYDOWN: return KeyDown(hwnd, wParam);
    case WM_MOUSEWHEEL: return Wheel(hwnd, wParam, lParam);
    case WM_VSCROLL: return VerticalScroll(hwnd, wParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return FocusChanged(hwnd);
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_COMMAND: return SendMessage(GetParent(hwnd), message, wParam, lParam);
    case LVM_GETITEMCOUNT: return ItemCount(hwnd);
    case LVM_INSERTITEM: return InsertItem(hwnd, reinterpret_cast<const LVITEM*>(lParam));
    case LVM_DELETEITEM: return DeleteItem(hwnd, index);
    case LVM_DELETEALLITEMS: return DeleteAllItems(hwnd);
    case LVM_SETITEM: return SetItem(hwnd, reinterpret_cast<const LVITEM*>(lParam));
    case LVM_GETITEM: return GetItem(hwnd, reinterpret_cast<LVITEM*>(lParam));
    case LVM_SETITEMTEXT: return SetItemText(hwnd, index, reinterpret_cast<const LVITEM*>(lParam));
    case LVM_GETITEMTEXT: return GetItemText(hwnd, index, reinterpret_cast<LVITEM*>(lParam));
    case LVM_SETITEMSTATE: return SetItemState(hwnd, index, reinterpret_cast<const LVITEM*>(lParam));
    case LVM_GETITEMSTATE: return ItemState(hwnd, index, static_cast<UINT>(lParam));
    case LVM_GETNEXTITEM: return NextItem(hwnd, index, static_cast<UINT>(lParam));
    case LVM_GETSELECTEDCOUNT: return NextItem(hwnd, -1, LVNI_SELECTED) >= 0 ? 1 : 0;
    case LVM_INSERTCOLUMN: return InsertColumn(hwnd, index, reinterpret_cast<const LVCOLUMN*>(lParam));
    case LVM_GETCOLUMNWIDTH: return ColumnWidth(hwnd, index);
    case LVM_SETCOLUMNWIDTH: return SetColumnWidth(hwnd, index, lParam);
    case LVM_GETHEADER: return GetHeader(hwnd);
    case LVM_GETITEMRECT: return GetItemRect(hwnd, index, reinterpret_cast<RECT*>(lParam));
    case LVM_GETSUBITEMRECT: return GetSubItemRect(hwnd, index, reinterpret_cast<RECT*>(lParam));
    case LVM_HITTEST: return HitTest(hwnd, reinterpret_cast<LVHITTESTINFO*>(lParam), false);
    case LVM_SUBITEMHITTEST: return HitTest(hwnd, reinterpret_cast<LVHITTESTINFO*>(lParam), true);
    case LVM_ENSUREVISIBLE: return EnsureVisible(hwnd, index);
    case LVM_SCROLL: return Scroll(hwnd, lParam);
    case LVM_REDRAWITEMS: return RedrawItems(hwnd, index, static_cast<int>(lParam));
    case LVM_GETTOPINDEX: return TopIndex(hwnd);
    case LVM_GETCOUNTPERPAGE: return CountPerPage(hwnd);
    case LVM_SETIMAGELIST: return SetImageList(hwnd, wParam, lParam);
    case LVM_GETIMAGELIST: return GetImageList(hwnd, wParam);
    case LVM_SETEXTENDEDLISTVIEWSTYLE: return SetExtendedStyle(hwnd, wParam, lParam);
    case LVM_GETEXTENDEDLISTVIEWSTYLE: return ExtendedStyle(hwnd);
    case LVM_SETHOTITEM: return SetHotItem(hwnd, index);
    case LVM_GETHOTITEM: return HotItem(hwnd);
    case LVM_SORTITEMSEX: return SortItems(hwnd, wParam, lParam);
    case LVM_SETVIEW: return SetView(hwnd, wParam);
    case LVM_GETVIEW: return StyleOf(hwnd) & LVS_TYPEMASK;
    default: return ::DefWindowProc(hwnd, message, wParam, lParam);
  }
}

// The hidden header: the columns live in the list; the header answers for them.
LRESULT HeaderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case HDM_GETITEMCOUNT: {
      auto s = ListViewStateOf(GetParent(hwnd));
      return s ? s->model.ColumnCount() : -1;
    }
    case HDM_GETITEMRECT: {
      auto s = ListViewStateOf(GetParent(hwnd));
      int column = static_cast<int>(wParam);
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (!s || !rect || column < 0 || column >= s->model.ColumnCount()) return FALSE;
      CRect client;
      GetClientRect(hwnd, &client);
      int left = s->model.ColumnLeft(column);
      *rect = CRect(left, 0, left + s->model.ColumnWidth(column), client.bottom);
      return TRUE;
    }
    default: return ::DefWindowProc(hwnd, message, wParam, lParam);
  }
}

}  // namespace

std::shared_ptr<ListViewState> ListViewStateOf(HWND hwnd) {
  return IsWindow(hwnd) ? ControlState<ListViewState>(hwnd) : nullptr;
}

void SyncClientArea(HWND hwnd, ListViewState& s) {
  CRect client;
  GetClientRect(hwnd, &client);
  s.model.SetClientHeight(client.Height());
}

void UpdateScrollBar(HWND hwnd, ListViewState& s) {
  SyncClientArea(hwnd, s);
  const int h = s.model.ItemHeight();
  CRect client;
  GetClientRect(hwnd, &client);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = std::max(s.model.ItemCount() - 1, 0);
  si.nPage = static_cast<UINT>(std::max(client.Height(), h) / h);
  si.nPos = s.model.TopIndex();
  bool suspended = RedrawSuspended(hwnd);
  SetScrollInfo(hwnd, SB_VERT, &si, suspended ? FALSE : TRUE);
  if (suspended) return;
  bool show = s.model.NeedsScrollBar();
  if (show != ((StyleOf(hwnd) & WS_VSCROLL) != 0)) ShowScrollBar(hwnd, SB_VERT, show ? TRUE : FALSE);
}

void InvalidateRows(HWND hwnd, ListViewState& s, int first, int last) {
  if (last < first) std::swap(first, last);
  const int top = s.model.TopIndex();
  if (last < top || first > top + s.model.CountPerPage()) return;
  CRect client;
  GetClientRect(hwnd, &client);
  CRect rows(client.left, s.model.RowRect(first).top, client.right, s.model.RowRect(last).bottom);
  InvalidateRect(hwnd, &rows, TRUE);
}

void InvalidateFrom(HWND hwnd, ListViewState& s, int first) {
  const int top = s.model.TopIndex();
  if (first > top + s.model.CountPerPage()) return;
  CRect client;
  GetClientRect(hwnd, &client);
  client.top = std::max<LONG>(client.top, s.model.RowRect(std::max(first, top)).top);
  InvalidateRect(hwnd, &client, TRUE);
}

void MeasureRows(HWND hwnd, ListViewState& s) {
  if (!OwnerDrawn(hwnd)) return;
  MEASUREITEMSTRUCT measure;
  measure.CtlType = ODT_LISTVIEW;
  measure.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  measure.itemHeight = static_cast<UINT>(NaturalHeight(hwnd, s));
  SendMessage(GetParent(hwnd), WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
  if (!IsWindow(hwnd) || measure.itemHeight == 0) return;
  int height = static_cast<int>(std::min<UINT>(measure.itemHeight, 0x7FFF));
  if (height == s.model.ItemHeight()) return;
  s.model.SetItemHeight(height);
  UpdateScrollBar(hwnd, s);
  InvalidateRect(hwnd, nullptr, TRUE);
}

bool ScrollToTop(HWND hwnd, ListViewState& s, int top) {
  SyncClientArea(hwnd, s);
  if (!s.model.SetTopIndex(top)) return false;
  UpdateScrollBar(hwnd, s);
  InvalidateRect(hwnd, nullptr, TRUE);
  return true;
}

int LabelOffset(const ListViewState& s) {
  int cx = 0, cy = 0;
  return 2 + (ImageList_GetIconSize(s.smallImages, &cx, &cy) ? cx : 0);
}

LRESULT Notify(HWND hwnd, UINT code, NMHDR* hdr) {
  hdr->hwndFrom = hwnd;
  hdr->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
  hdr->code = code;
  return SendMessage(GetParent(hwnd), WM_NOTIFY, hdr->idFrom, reinterpret_cast<LPARAM>(hdr));
}

void RegisterListViewClass() {
  WNDCLASS list;
  list.style = CS_DBLCLKS;
  list.lpfnWndProc = ListViewProc;
  list.hbrBackground = COLOR_WINDOW + 1;
  list.lpszClassName = WC_LISTVIEW;
  RegisterClass(&list);
  WNDCLASS header;
  header.lpfnWndProc = HeaderProc;
  header.lpszClassName = WC_HEADER;
  RegisterClass(&header);
}

}  // namespace platform::detail

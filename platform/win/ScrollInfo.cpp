#include "platform/win/ScrollInfo.h"

#include <algorithm>
#include <map>

#include "platform/win/Window.h"
#include "platform/win/detail/Painter.h"
#include "platform/win/detail/WindowTree.h"

namespace {

struct Bar {
  int min = 0;
  int max = 0;
  UINT page = 0;
  int pos = 0;
  int trackPos = 0;
};

// Kept beside the tree: most windows never scroll. Forgotten with the window.
std::map<std::pair<HWND, int>, Bar>& Bars() {
  static std::map<std::pair<HWND, int>, Bar> bars;
  return bars;
}

Bar* Find(HWND hwnd, int nBar, bool create) {
  if (!IsWindow(hwnd) || nBar < SB_HORZ || nBar > SB_CTL) return nullptr;
  // Entries of destroyed windows are dropped lazily, whenever a lookup meets one.
  for (auto it = Bars().begin(); it != Bars().end();) it = IsWindow(it->first.first) ? std::next(it) : Bars().erase(it);
  auto key = std::make_pair(hwnd, nBar);
  auto it = Bars().find(key);
  if (it != Bars().end()) return &it->second;
  return create ? &Bars()[key] : nullptr;
}

void Clamp(Bar& bar) {
  long long span = static_cast<long long>(bar.max) - bar.min + 1;
  if (span < 0) span = 0;
  bar.page = static_cast<UINT>(std::min<long long>(bar.page, span));
  int last = bar.max - std::max<int>(static_cast<int>(bar.page) - 1, 0);
  bar.pos = std::max(bar.min, std::min(bar.pos, std::max(last, bar.min)));
}

void Redraw(HWND hwnd, int nBar) {
  auto* node = platform::detail::FindWindowNode(hwnd);
  if (!node) return;
  if (nBar == SB_CTL) InvalidateRect(hwnd, nullptr, TRUE);
  else platform::detail::InvalidateFrame(*node);
}

}  // namespace

int SetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO lpsi, BOOL bRedraw) {
  Bar* bar = lpsi ? Find(hWnd, nBar, true) : nullptr;
  if (!bar) return 0;
  if (lpsi->fMask & SIF_RANGE) {
    bar->min = lpsi->nMin;
    bar->max = std::max(lpsi->nMin, lpsi->nMax);
  }
  if (lpsi->fMask & SIF_PAGE) bar->page = lpsi->nPage;
  if (lpsi->fMask & SIF_POS) bar->pos = lpsi->nPos;
  Clamp(*bar);
  if (bRedraw) Redraw(hWnd, nBar);
  return bar->pos;
}

BOOL GetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO lpsi) {
  if (!lpsi || !IsWindow(hWnd)) return FALSE;
  Bar* bar = Find(hWnd, nBar, false);
  Bar none;
  if (!bar) bar = &none;
  if (lpsi->fMask & SIF_RANGE) {
    lpsi->nMin = bar->min;
    lpsi->nMax = bar->max;
  }
  if (lpsi->fMask & SIF_PAGE) lpsi->nPage = bar->page;
  if (lpsi->fMask & SIF_POS) lpsi->nPos = bar->pos;
  if (lpsi->fMask & SIF_TRACKPOS) lpsi->nTrackPos = bar->trackPos;
  return TRUE;
}

int SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw) {
  Bar* bar = Find(hWnd, nBar, true);
  if (!bar) return 0;
  int old = bar->pos;
  bar->pos = nPos;
  Clamp(*bar);
  if (bRedraw) Redraw(hWnd, nBar);
  return old;
}

int GetScrollPos(HWND hWnd, int nBar) {
  Bar* bar = Find(hWnd, nBar, false);
  return bar ? bar->pos : 0;
}

BOOL SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
  SCROLLINFO si;
  si.fMask = SIF_RANGE;
  si.nMin = nMinPos;
  si.nMax = nMaxPos;
  if (!IsWindow(hWnd)) return FALSE;
  SetScrollInfo(hWnd, nBar, &si, bRedraw);
  return TRUE;
}

BOOL GetScrollRange(HWND hWnd, int nBar, int* lpMinPos, int* lpMaxPos) {
  SCROLLINFO si;
  si.fMask = SIF_RANGE;
  if (!GetScrollInfo(hWnd, nBar, &si)) return FALSE;
  if (lpMinPos) *lpMinPos = si.nMin;
  if (lpMaxPos) *lpMaxPos = si.nMax;
  return TRUE;
}

BOOL ShowScrollBar(HWND hWnd, int wBar, BOOL bShow) {
  if (!IsWindow(hWnd)) return FALSE;
  if (wBar == SB_CTL) {
    ShowWindow(hWnd, bShow ? SW_SHOW : SW_HIDE);
    return TRUE;
  }
  DWORD bits = wBar == SB_HORZ ? WS_HSCROLL : wBar == SB_VERT ? WS_VSCROLL : (WS_HSCROLL | WS_VSCROLL);
  DWORD style = static_cast<DWORD>(GetWindowLongPtr(hWnd, GWL_STYLE));
  DWORD changed = bShow ? (style | bits) : (style & ~bits);
  if (changed == style) return TRUE;
  SetWindowLongPtr(hWnd, GWL_STYLE, static_cast<LONG>(changed));
  return SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                      SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

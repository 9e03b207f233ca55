#pragma once
// What the list-view class procedure keeps per window, and the procedure's parts, which
// live in ListViewMessages.cpp (messages), ListViewPaint.cpp and ListViewInput.cpp.
#include <memory>

#include "platform/win/ListView.h"
#include "platform/win/Window.h"
#include "platform/win/detail/ListViewModel.h"

namespace platform::detail {

struct ListViewState {
  ListViewModel model;
  HWND header = nullptr;
  DWORD exStyle = 0;
  HIMAGELIST smallImages = nullptr;
  HIMAGELIST normalImages = nullptr;
  HIMAGELIST stateImages = nullptr;
  int hotItem = -1;
  bool sorting = false;  // the comparator runs: the rows must not change under it
};

// The list's state, made on first use; null for a window that is gone.
std::shared_ptr<ListViewState> ListViewStateOf(HWND hwnd);

// Geometry and scrolling (ListViewMessages.cpp).
void SyncClientArea(HWND hwnd, ListViewState& s);
// Scroll-bar state from the rows: range, page and position, and the bar shown only when
// the rows do not fit. Skipped while redrawing is off.
void UpdateScrollBar(HWND hwnd, ListViewState& s);
void InvalidateRows(HWND hwnd, ListViewState& s, int first, int last);
void InvalidateFrom(HWND hwnd, ListViewState& s, int first);
// Asks the parent for the row height of an owner-drawn list; repaints when it changed.
void MeasureRows(HWND hwnd, ListViewState& s);
bool ScrollToTop(HWND hwnd, ListViewState& s, int top);
// The label area of column 0 starts after the report margin and the small image.
int LabelOffset(const ListViewState& s);

// Painting (ListViewPaint.cpp).
LRESULT PaintList(HWND hwnd, HDC given);

// Input (ListViewInput.cpp).
LRESULT ButtonDown(HWND hwnd, UINT message, WPARAM keys, LPARAM at);
LRESULT ButtonDoubleClick(HWND hwnd, WPARAM keys, LPARAM at);
LRESULT KeyDown(HWND hwnd, WPARAM vk);
LRESULT Wheel(HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT VerticalScroll(HWND hwnd, WPARAM wParam);
LRESULT FocusChanged(HWND hwnd);
LRESULT Notify(HWND hwnd, UINT code, NMHDR* hdr);

}  // namespace platform::detail

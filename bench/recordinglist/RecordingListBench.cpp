// Recording list benchmark on the headless presenter: the main window's list (308 + 17 x
// 508 pixels, 24 rows a page) with its skinned scroll bar. Fills it with 10,000
// recordings the way the catalogue does (each row shifted in, six texts, a check-box
// cell), sorts it by name, then scrolls from top to bottom a page at a time, painting each
// page with its grid, cells and scroll bar. Prints the fill time, the time per page and
// how much the process grew; then empties the list from the top.
//   bench_recordinglist [--smoke]
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/support/ListPages.h"
#include "bench/support/Measures.h"
#include "bench/support/RecordingNames.h"
#include "bench/support/Smoke.h"
#include "platform/present/HeadlessPresenter.h"
#include "skin/CellCheckBox.h"
#include "skin/ConfigListCtrl.h"

namespace {

using bench::Clock;
using bench::Ms;
using bench::PumpAll;
using bench::ResidentKb;

double Fill(CConfigListCtrl& list, const std::vector<std::wstring>& names) {
  auto start = Clock::now();
  list.SetRedraw(FALSE);
  for (const std::wstring& name : names) {
    const int r = list.GetItemCount();
    list.ShiftCellRows(r, TRUE);
    list.ShiftTabOrderRows(r, TRUE);
    list.InsertItem(r, name.c_str());
    list.SetItemText(r, 4, (L"/media/card/Driving/" + name).c_str());
    list.SetItemText(r, 1, L"2026-03-14");
    list.SetItemText(r, 2, L"51,200");
    list.SetItemText(r, 5, L"2026-03-14 10:20:30");
    list.SetCellCtrl(r, new CCellCheckBox);
  }
  list.SetRedraw(TRUE);
  return Ms(start);
}

}  // namespace

int main(int argc, char** argv) {
  const bool smoke = bench::TakeSmoke(argc, argv);
  platform::SetPresenter(std::make_unique<platform::HeadlessPresenter>());
  CWnd dialog;
  dialog.CreateEx(0, nullptr, L"bench", WS_POPUP | WS_VISIBLE, 0, 0, 1022, 682, nullptr, nullptr);
  CConfigListCtrl list;
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                      LVS_OWNERDRAWFIXED | LVS_ALIGNLEFT | LVS_NOCOLUMNHEADER;
  list.Create(style, CRect(695, 126, 695 + 308, 126 + 508), &dialog, 1029);
  const wchar_t* headings[] = {L"Name", L"Data", L"Size", L"Check", L"Path", L"Full Date"};
  const int widths[] = {163, 51, 54, 40, 0, 0};
  for (int c = 0; c < 6; ++c) {
    list.ShiftCellColumns(c);
    list.ShiftTabOrderColumns(c);
    list.InsertColumn(c, headings[c], c ? LVCFMT_CENTER : LVCFMT_LEFT, widths[c]);
  }
  list.CreateSkinScrollBar();
  list.MoveWindow(695, 126, 308 + 17, 508);
  list.RepositionSkinScrollBar();
  PumpAll();

  const int rows = smoke ? 500 : 10000;
  std::vector<std::wstring> names = bench::RecordingNames(rows);
  const long before = ResidentKb();
  const double filled = Fill(list, names);
  CONFIGLIST_SORTINFO info{list.m_hWnd, 0, 1};
  auto start = Clock::now();
  list.SortItemsEx(CompareItemText, reinterpret_cast<DWORD_PTR>(&info));
  const double sorted = Ms(start);
  PumpAll();

  std::vector<double> pages = bench::PagePaintTimes(list, list.GetCountPerPage());
  std::sort(pages.begin(), pages.end());
  const long after = ResidentKb();

  start = Clock::now();
  for (int n = list.GetItemCount(); n > 0; --n) {
    list.DeleteRowCells();
    list.DeleteItem(0);
  }
  const double emptied = Ms(start);

  std::printf("recordings: %d, check-box cells: %d, %d rows a page\n", rows, rows, list.GetCountPerPage());
  std::printf("fill:                %.2f ms (target under 200 ms)\n", filled);
  std::printf("sort by name:        %.2f ms\n", sorted);
  std::printf("page paints:         %zu pages, median %.3f ms, 95th percentile %.3f ms, worst %.3f ms "
              "(target under 3 ms)\n",
              pages.size(), pages[pages.size() / 2], pages[pages.size() * 95 / 100], pages.back());
  std::printf("memory:              %.1f MB resident, grown by %.1f MB (target under 20 MB)\n", after / 1024.0,
              (after - before) / 1024.0);
  std::printf("empty from the top:  %.2f ms\n", emptied);
  list.DestroyWindow();
  dialog.DestroyWindow();
  return 0;
}

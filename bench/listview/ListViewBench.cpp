// List view benchmark: an owner-drawn report list of 308 x 508 pixels (24 rows a page) on
// the headless presenter. Inserts 10,000 rows of six columns, sorts them by name with a
// comparator that reads both texts back from the list, then scrolls page by page, painting
// each page as the recording list does (a memory image of the client area, one row at a
// time, a fill and a text per visible column). Prints each time.
//   bench_listview [--smoke]
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "bench/support/ListPages.h"
#include "bench/support/Measures.h"
#include "bench/support/RecordingNames.h"
#include "bench/support/Smoke.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/win/ListCtrl.h"

namespace {

using bench::Clock;
using bench::Ms;
using bench::PumpAll;

class CBenchList : public CMFCListCtrl {
public:
  CBenchList() {
    LOGFONT lf{};
    lf.lfHeight = 12;
    lf.lfWeight = FW_NORMAL;
    std::wcscpy(lf.lfFaceName, L"돋움체");
    m_font.CreateFontIndirect(&lf);
  }

  bool m_drawText = true;

  void DrawItem(LPDRAWITEMSTRUCT dis) override {
    CDC dc;
    dc.Attach(dis->hDC);
    int saved = dc.SaveDC();
    const int row = static_cast<int>(dis->itemID);
    for (int column = 0; column < 6; ++column) {
      CRect cell;
      GetSubItemRect(row, column, LVIR_LABEL, cell);
      dc.FillSolidRect(&cell, (dis->itemState & ODS_SELECTED) ? RGB(71, 71, 71) : RGB(33, 33, 33));
      if (cell.Width() <= 0 || !m_drawText) continue;
      dc.SelectObject(&m_font);
      dc.SetTextColor(RGB(150, 150, 150));
      cell.left -= 3;
      dc.DrawText(GetItemText(row, column), &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    dc.RestoreDC(saved);
    dc.Detach();
  }

protected:
  void MeasureItem(LPMEASUREITEMSTRUCT mis) { mis->itemHeight = 21; }

  void OnPaint() {
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CDC memory;
    memory.CreateCompatibleDC(&paint);
    CBitmap image;
    image.CreateCompatibleBitmap(&paint, client.Width(), client.Height());
    CBitmap* old = memory.SelectObject(&image);
    memory.FillSolidRect(&client, RGB(33, 33, 33));
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memory.GetSafeHdc()), 0);
    paint.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
  }
  BOOL OnEraseBkgnd(CDC*) { return TRUE; }

  CFont m_font;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchList, CMFCListCtrl)
  ON_WM_MEASUREITEM_REFLECT()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

struct SortInfo {
  HWND list;
  int column;
  BYTE ascending;
};

int CompareText(LPARAM a, LPARAM b, LPARAM param) {
  const auto* info = reinterpret_cast<const SortInfo*>(param);
  wchar_t first[256], second[256];
  LVITEM item;
  item.iSubItem = info->column;
  item.cchTextMax = 256;
  item.pszText = first;
  SendMessage(info->list, LVM_GETITEMTEXT, static_cast<WPARAM>(a), reinterpret_cast<LPARAM>(&item));
  item.pszText = second;
  SendMessage(info->list, LVM_GETITEMTEXT, static_cast<WPARAM>(b), reinterpret_cast<LPARAM>(&item));
  int c = std::wcscmp(first, second);
  return info->ascending ? c : -c;
}

double Insert(CBenchList& list, const std::vector<std::wstring>& names, BOOL redrawOff) {
  auto start = Clock::now();
  if (redrawOff) list.SetRedraw(FALSE);
  for (size_t i = 0; i < names.size(); ++i) {
    int row = list.InsertItem(static_cast<int>(i), names[i].c_str());
    list.SetItemText(row, 4, (L"/media/card/Driving/" + names[i]).c_str());
    list.SetItemText(row, 1, L"2026-03-14");
    list.SetItemText(row, 2, L"51,200");
    list.SetItemText(row, 5, L"2026-03-14 10:20:30");
    list.SetItemText(row, 3, L"0");
  }
  if (redrawOff) list.SetRedraw(TRUE);
  return Ms(start);
}

struct Pages {
  std::vector<double> times;
  double Median() const { return Sorted()[times.size() / 2]; }
  double Percentile95() const { return Sorted()[times.size() * 95 / 100]; }
  double Worst() const { return Sorted().back(); }
  std::vector<double> Sorted() const {
    std::vector<double> v = times;
    std::sort(v.begin(), v.end());
    return v;
  }
};

}  // namespace

int main(int argc, char** argv) {
  const bool smoke = bench::TakeSmoke(argc, argv);
  platform::SetPresenter(std::make_unique<platform::HeadlessPresenter>());
  CWnd dialog;
  dialog.CreateEx(0, nullptr, L"bench", WS_POPUP | WS_VISIBLE, 0, 0, 1022, 682, nullptr, nullptr);
  CBenchList list;
  DWORD style =
      WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER;
  list.Create(style, CRect(695, 126, 695 + 308 + 17, 126 + 508), &dialog, 1029);
  const wchar_t* headings[] = {L"Name", L"Data", L"Size", L"Check", L"Path", L"Full Date"};
  const int widths[] = {163, 51, 54, 40, 0, 0};
  for (int c = 0; c < 6; ++c) list.InsertColumn(c, headings[c], c ? LVCFMT_CENTER : LVCFMT_LEFT, widths[c]);
  PumpAll();

  const int rows = smoke ? 500 : 10000;
  std::vector<std::wstring> names = bench::RecordingNames(rows);
  double insertedLive = Insert(list, names, FALSE);
  list.DeleteAllItems();
  double inserted = Insert(list, names, TRUE);
  SortInfo info{list.m_hWnd, 0, 1};
  auto start = Clock::now();
  list.SortItemsEx(CompareText, reinterpret_cast<DWORD_PTR>(&info));
  double sorted = Ms(start);
  PumpAll();

  const int perPage = list.GetCountPerPage();
  Pages pages{bench::PagePaintTimes(list, perPage)};
  list.m_drawText = false;
  list.Scroll(CSize(0, -1000000));
  Pages fills{bench::PagePaintTimes(list, perPage)};

  start = Clock::now();
  while (list.GetItemCount() > 0) list.DeleteItem(0);
  double emptied = Ms(start);

  std::printf("rows: %d, six columns, %d rows a page\n", rows, perPage);
  std::printf("insert (redraw off): %.2f ms\n", inserted);
  std::printf("insert (redraw on):  %.2f ms\n", insertedLive);
  std::printf("sort by name:        %.2f ms\n", sorted);
  std::printf("insert + sort:       %.2f ms (target under 100 ms)\n", inserted + sorted);
  std::printf("page paints:         %zu pages, median %.3f ms, 95th percentile %.3f ms, worst %.3f ms "
              "(target under 2 ms each)\n",
              pages.times.size(), pages.Median(), pages.Percentile95(), pages.Worst());
  std::printf("  of which the list:  median %.3f ms, worst %.3f ms (the same pages with fills only, no text)\n",
              fills.Median(), fills.Worst());
  std::printf("empty from the top:  %.2f ms\n", emptied);
  list.DestroyWindow();
  dialog.DestroyWindow();
  return 0;
}

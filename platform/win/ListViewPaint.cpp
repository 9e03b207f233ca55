// Painting of the list view: a custom-draw notice to the parent, then one WM_DRAWITEM per
// visible row when the list is owner-drawn, else the rows' texts in the system colours.
// The parent's handlers may change the list while it paints (a new row height, fewer
// rows); the pass keeps the geometry it started with and stops at the last row left.
#include <algorithm>

#include "platform/gdi/DC.h"
#include "platform/win/Input.h"
#include "platform/win/OwnerDraw.h"
#include "platform/win/Paint.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/detail/ListViewState.h"

namespace platform::detail {

namespace {

struct Pass {
  HWND hwnd = nullptr;
  std::shared_ptr<ListViewState> s;
  CDC* dc = nullptr;
  CRect client;
  int top = 0;
  int height = 1;
  int first = 0;
  int last = -1;
};

CRect RowRect(const Pass& p, int row, int width) {
  int y = (row - p.top) * p.height;
  return CRect(0, y, width, y + p.height);
}

UINT OwnerDrawState(const Pass& p, int row) {
  UINT state = 0;
  if (p.s->model.ItemState(row, LVIS_SELECTED)) state |= ODS_SELECTED;
  if (GetFocus() == p.hwnd && p.s->model.ItemState(row, LVIS_FOCUSED)) state |= ODS_FOCUS;
  return state;
}

void DrawOwnerRows(const Pass& p) {
  CDCStateRestorer restore(p.dc);
  auto font = reinterpret_cast<HGDIOBJ>(::DefWindowProc(p.hwnd, WM_GETFONT, 0, 0));
  HWND parent = GetParent(p.hwnd);
  const UINT id = static_cast<UINT>(GetDlgCtrlID(p.hwnd));
  const int width = p.s->model.TotalColumnWidth();
  for (int row = p.first; row <= p.last; ++row) {
    if (!IsWindow(p.hwnd) || row >= p.s->model.ItemCount()) break;
    if (font) p.dc->SelectObject(font);
    DRAWITEMSTRUCT draw;
    draw.CtlType = ODT_LISTVIEW;
    draw.CtlID = id;
    draw.itemID = static_cast<UINT>(row);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = OwnerDrawState(p, row);
    draw.hwndItem = p.hwnd;
    draw.hDC = p.dc->GetSafeHdc();
    draw.rcItem = RowRect(p, row, width);
    draw.itemData = static_cast<ULONG_PTR>(p.s->model.ItemData(row));
    SendMessage(parent, WM_DRAWITEM, id, reinterpret_cast<LPARAM>(&draw));
  }
}

UINT AlignmentOf(int format) {
  if (format & LVCFMT_CENTER) return DT_CENTER;
  return (format & LVCFMT_RIGHT) ? DT_RIGHT : DT_LEFT;
}

void DrawPlainRows(const Pass& p) {
  CDCStateRestorer restore(p.dc);
  if (auto font = reinterpret_cast<HGDIOBJ>(::DefWindowProc(p.hwnd, WM_GETFONT, 0, 0))) p.dc->SelectObject(font);
  p.dc->SetBkMode(TRANSPARENT);
  const ListViewModel& model = p.s->model;
  const bool showSelection = GetFocus() == p.hwnd || (GetWindowLongPtr(p.hwnd, GWL_STYLE) & LVS_SHOWSELALWAYS);
  for (int row = p.first; row <= p.last && row < model.ItemCount(); ++row) {
    bool selected = showSelection && model.ItemState(row, LVIS_SELECTED);
    CRect line = RowRect(p, row, std::max<int>(model.TotalColumnWidth(), p.client.right));
    p.dc->FillSolidRect(&line, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    p.dc->SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    for (int column = 0; column < model.ColumnCount(); ++column) {
      CRect cell(model.ColumnLeft(column), line.top, model.ColumnLeft(column) + model.ColumnWidth(column), line.bottom);
      cell.left += column == 0 ? LabelOffset(*p.s) : 6;
      cell.right -= 6;
      if (cell.IsRectEmpty()) continue;
      CString text(model.ItemText(row, column).c_str());
      p.dc->DrawText(
          text, &cell,
          DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | AlignmentOf(model.ColumnFormat(column)));
    }
  }
}

LRESULT CustomDraw(const Pass& p, DWORD stage) {
  NMLVCUSTOMDRAW notice;
  notice.nmcd.dwDrawStage = stage;
  notice.nmcd.hdc = p.dc->GetSafeHdc();
  notice.nmcd.rc = p.client;
  return Notify(p.hwnd, NM_CUSTOMDRAW, &notice.nmcd.hdr);
}

void PaintRows(Pass& p, const CRect& area) {
  SyncClientArea(p.hwnd, *p.s);
  GetClientRect(p.hwnd, &p.client);
  p.top = p.s->model.TopIndex();
  p.height = p.s->model.ItemHeight();
  CRect visible;
  if (!visible.IntersectRect(area, p.client)) return;
  p.first = p.top + visible.top / p.height;
  p.last = std::min(p.top + (visible.bottom - 1) / p.height, p.s->model.ItemCount() - 1);
  LRESULT answer = CustomDraw(p, CDDS_PREPAINT);
  if (!IsWindow(p.hwnd)) return;
  if (!(answer & CDRF_SKIPDEFAULT)) {
    if (GetWindowLongPtr(p.hwnd, GWL_STYLE) & LVS_OWNERDRAWFIXED) DrawOwnerRows(p);
    else DrawPlainRows(p);
  }
  if ((answer & CDRF_NOTIFYPOSTPAINT) && IsWindow(p.hwnd)) CustomDraw(p, CDDS_POSTPAINT);
}

}  // namespace

// With a DC in wParam the caller has begun painting already (a memory image of the
// client area, say): the rows are drawn into it and the update region is left alone.
LRESULT PaintList(HWND hwnd, HDC given) {
  Pass p;
  p.hwnd = hwnd;
  p.s = ListViewStateOf(hwnd);
  if (!p.s) return 0;
  if (given) {
    p.dc = CDC::FromHandle(given);
    CRect clip;
    if (p.dc && p.dc->GetClipBox(&clip) != ERROR) PaintRows(p, clip);
    return 0;
  }
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  p.dc = CDC::FromHandle(hdc);
  if (p.dc) PaintRows(p, CRect(ps.rcPaint));
  EndPaint(hwnd, &ps);
  return 0;
}

}  // namespace platform::detail

#include "tests/support/ListTestSupport.h"

namespace listtest {

BEGIN_MESSAGE_MAP(CTestList, CMFCListCtrl)
  ON_WM_MEASUREITEM_REFLECT()
  ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

void CTestList::DrawItem(LPDRAWITEMSTRUCT dis) {
  m_drawn.push_back({dis->itemID, dis->itemState, CRect(dis->rcItem)});
  m_events.push_back(L"draw " + std::to_wstring(dis->itemID));
  CDC dc;
  dc.Attach(dis->hDC);
  dc.FillSolidRect(&dis->rcItem, (dis->itemState & ODS_SELECTED) ? RGB(71, 71, 71) : RGB(33, 33, 33));
  dc.Detach();
  if (m_remeasureOnFirstDraw) {
    m_remeasureOnFirstDraw = false;
    CRect window;
    GetWindowRect(&window);
    WINDOWPOS wp;
    wp.hwnd = m_hWnd;
    wp.cx = window.Width();
    wp.cy = window.Height();
    wp.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
  }
}

void CTestList::MeasureItem(LPMEASUREITEMSTRUCT mis) {
  ++m_measured;
  mis->itemHeight = static_cast<UINT>(m_rowHeight);
}

void CTestList::OnCustomDraw(NMHDR* hdr, LRESULT* result) {
  auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(hdr);
  m_events.push_back(L"custom " + std::to_wstring(cd->nmcd.dwDrawStage));
  *result = CDRF_DODEFAULT;
}

BEGIN_MESSAGE_MAP(CListParent, CWnd)
  ON_NOTIFY(NM_CLICK, kListId, OnClick)
  ON_NOTIFY(NM_DBLCLK, kListId, OnDblClk)
  ON_NOTIFY(NM_RCLICK, kListId, OnRClick)
END_MESSAGE_MAP()

void CListParent::Record(NMHDR* hdr, LRESULT* result) {
  auto* n = reinterpret_cast<NMITEMACTIVATE*>(hdr);
  Notice notice{hdr->code, n->iItem, n->iSubItem, L"", 0};
  if (m_list && n->iItem >= 0) {
    notice.checkText = m_list->GetItemText(n->iItem, 3).GetString();
    notice.selected = m_list->GetItemState(n->iItem, LVIS_SELECTED);
  }
  m_notices.push_back(notice);
  *result = 0;
}

void ListFixture::SetUp() {
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr, nullptr));
  parent.m_list = &list;
  ASSERT_TRUE(list.Create(kListStyle, CRect(100, 50, 100 + 308 + 17, 50 + 508), &parent, kListId));
  AddColumns();
  harness.Pump();
}

void ListFixture::TearDown() { parent.DestroyWindow(); }

void ListFixture::AddColumns() {
  const wchar_t* names[] = {L"Name", L"Data", L"Size", L"Check", L"Path", L"Full Date"};
  const int widths[] = {163, 51, 54, 40, 0, 0};
  for (int c = 0; c < 6; ++c) list.InsertColumn(c, names[c], c == 0 ? LVCFMT_LEFT : LVCFMT_CENTER, widths[c]);
  list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
}

void ListFixture::Fill(int rows) {
  for (int r = 0; r < rows; ++r) {
    int at = list.InsertItem(list.GetItemCount(), (L"file" + std::to_wstring(r)).c_str());
    list.SetItemText(at, 3, L"0");
    list.SetItemText(at, 4, (L"/card/file" + std::to_wstring(r)).c_str());
  }
}

}  // namespace listtest

#pragma once
// A report list as the recording lists use it: owner-drawn 21-pixel rows, no header, six
// columns (two of them hidden), inside a parent that records the list's notifications.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/win/ListCtrl.h"
#include "tests/support/WindowHarness.h"

namespace listtest {

constexpr UINT kListId = 1029;
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                             LVS_OWNERDRAWFIXED | LVS_ALIGNLEFT | LVS_NOCOLUMNHEADER;

struct Drawn {
  UINT item;
  UINT state;
  CRect rect;
};

// Answers the row height and paints each row: grey when selected, dark otherwise.
class CTestList : public CMFCListCtrl {
public:
  std::vector<Drawn> m_drawn;
  std::vector<std::wstring> m_events;
  int m_measured = 0;
  int m_rowHeight = 21;
  bool m_remeasureOnFirstDraw = false;

  void DrawItem(LPDRAWITEMSTRUCT dis) override;
  void MeasureItem(LPMEASUREITEMSTRUCT mis);

protected:
  void OnCustomDraw(NMHDR* hdr, LRESULT* result);
  DECLARE_MESSAGE_MAP()
};

struct Notice {
  UINT code;
  int item;
  int subItem;
  std::wstring checkText;  // sub-item (item, 3) as the handler read it
  UINT selected;           // the item's selection state as the handler saw it
};

class CListParent : public CWnd {
public:
  CListParent() = default;
  std::vector<Notice> m_notices;
  CListCtrl* m_list = nullptr;

protected:
  void OnClick(NMHDR* hdr, LRESULT* result) { Record(hdr, result); }
  void OnDblClk(NMHDR* hdr, LRESULT* result) { Record(hdr, result); }
  void OnRClick(NMHDR* hdr, LRESULT* result) { Record(hdr, result); }
  void Record(NMHDR* hdr, LRESULT* result);
  DECLARE_MESSAGE_MAP()
};

class ListFixture : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
  void AddColumns();
  void Fill(int rows);

  platform::test::WindowHarness harness;
  CListParent parent;
  CTestList list;
};

}  // namespace listtest

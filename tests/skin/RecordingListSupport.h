#pragma once
// A recording list as the player windows hold it: six columns, a skinned scroll bar,
// rows filled the way the catalogue fills them (check box cell in column 3), inside a
// parent that records NM_CLICK and NM_DBLCLK with the check text it read.
#include <string>

#include <gtest/gtest.h>

#include "platform/base/Thread.h"
#include "skin/CellCheckBox.h"
#include "skin/ConfigListCtrl.h"
#include "skin/OktFileListVerticleScrollbar.h"
#include "skin/PlayingRowSource.h"
#include "tests/support/ListTestSupport.h"
#include "tests/support/WindowHarness.h"

namespace rlisttest {

constexpr int kListLeft = 100, kListTop = 50, kListHeight = 508;  // 24 rows of 21 pixels
constexpr int kListWidth = 308 + 17;
constexpr int kCheckLeft = 163 + 51 + 54;  // column 3's left edge

// The application's main window as far as the list cares: the row being played.
class CFakeMainWnd : public CWnd, public IPlayingRowSource {
public:
  int GetPlayingRow() const override { return m_nCurItem; }
  int m_nCurItem = -1;
};

// Counts its own destruction and the hooks the list calls.
class CCountingCheckBox : public CCellCheckBox {
public:
  explicit CCountingCheckBox(int* deleted = nullptr, std::wstring* log = nullptr) : m_deleted(deleted), m_log(log) {}
  ~CCountingCheckBox() override {
    if (m_deleted) ++*m_deleted;
    if (m_log) *m_log += L"deleted;";
  }
  void Deactivate() override {
    if (m_log) *m_log += L"deactivate;";
    CCellCheckBox::Deactivate();
  }
  CFont* Font() const { return m_pFont; }
  CFont* BoldFont() const { return m_pBoldFont; }

private:
  int* m_deleted;
  std::wstring* m_log;
};

class RecordingListTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP | WS_VISIBLE, 40, 30, 800, 600, nullptr, nullptr));
    parent.m_list = &list;
    ASSERT_TRUE(list.Create(listtest::kListStyle, CRect(kListLeft, kListTop, kListLeft + 308, kListTop + kListHeight),
                            &parent, listtest::kListId));
    const wchar_t* names[] = {L"Name", L"Data", L"Size", L"Check", L"Path", L"Full Date"};
    const int widths[] = {163, 51, 54, 40, 0, 0};
    for (int c = 0; c < 6; ++c) {
      list.ShiftCellColumns(c);
      list.ShiftTabOrderColumns(c);
      list.InsertColumn(c, names[c], c == 0 ? LVCFMT_LEFT : LVCFMT_CENTER, widths[c]);
    }
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list.CreateSkinScrollBar();
    list.MoveWindow(kListLeft, kListTop, kListWidth, kListHeight);
    list.RepositionSkinScrollBar();
    harness.Pump();
  }
  void TearDown() override {
    SetMainWindow(nullptr);
    parent.DestroyWindow();
    harness.Pump();
  }

  // Appends rows as the catalogue does: shift, insert, texts, a new check box.
  void Fill(int rows) {
    for (int i = 0; i < rows; ++i) {
      const int r = list.GetItemCount();
      list.ShiftCellRows(r, TRUE);
      list.ShiftTabOrderRows(r, TRUE);
      list.InsertItem(r, (L"file" + std::to_wstring(1000 + r)).c_str());
      list.SetItemText(r, 4, (L"/card/file" + std::to_wstring(r)).c_str());
      list.SetCellCtrl(r, new CCellCheckBox);
    }
    harness.Pump();
  }
  void Empty() {
    for (int n = list.GetItemCount(); n > 0; --n) {
      list.DeleteRowCells();
      list.DeleteItem(0);
    }
    harness.Pump();
  }
  void SetMainWindow(CWnd* wnd) {
    m_thread.m_pMainWnd = wnd;
    AfxSetUiThread(wnd ? &m_thread : nullptr);
  }

  CCellCheckBox* CheckBox(int row) {
    CCellCtrl* cell = nullptr;
    return list.m_cells.Lookup(CConfigListCtrl::CellKey(row, CHECK_COLUMN), cell) ? dynamic_cast<CCellCheckBox*>(cell)
                                                                                  : nullptr;
  }
  // The centre of a row's check glyph, in list client coordinates (visible rows only).
  CPoint Glyph(int row) const { return CPoint(kCheckLeft + 10 + 10, (row - list.GetTopIndex()) * 21 + 3 + 10); }
  std::wstring Text(int row, int column) { return list.GetItemText(row, column).GetString(); }
  COLORREF Pixel(CPoint at) const { return harness.Pixel(list.m_hWnd, at); }
  COktFileListVerticleScrollbar& Bar() { return *list.GetSkinScrollBar(); }
  void Paint() {
    list.Invalidate(FALSE);
    list.UpdateWindow();
    harness.Pump();
  }

  platform::test::WindowHarness harness;
  listtest::CListParent parent;
  CConfigListCtrl list;
  CWinThread m_thread;
};

}  // namespace rlisttest

// The recording list bound to a dialog template, as the player windows hold it: the
// dialog's own keyboard loop, a first paint before the list was measured, a disabled list.
#include <gtest/gtest.h>

#include "platform/win/Button.h"
#include "platform/win/DataExchange.h"
#include "platform/win/Dialog.h"
#include "platform/win/DialogTemplate.h"
#include "platform/win/Keys.h"
#include "tests/skin/RecordingListSupport.h"

using namespace rlisttest;

namespace {

constexpr UINT kTemplate = 9200;
constexpr int kList = 1029, kNext = 2001;

void RegisterListTemplate(DWORD extraListStyle) {
  DialogTemplate t;
  t.id = kTemplate;
  t.style = WS_POPUP | WS_VISIBLE | DS_SETFONT;
  t.fontFace = L"MS Shell Dlg";
  t.rect = CRect(0, 0, 400, 300);
  t.controls.push_back({WC_LISTVIEW, L"", kList, listtest::kListStyle | extraListStyle, 0, CRect(10, 10, 160, 200)});
  t.controls.push_back(
      {WC_BUTTON, L"next", kNext, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, CRect(10, 250, 60, 270)});
  platform::RegisterDialogTemplate(t);
}

class CListDlg : public CDialog {
public:
  CListDlg() : CDialog(kTemplate) {}
  CConfigListCtrl m_list;
  std::vector<UINT> m_notices;

protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kList, m_list); }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    MoveWindow(20, 20, 700, 600);
    const int widths[] = {163, 51, 54, 40, 0, 0};
    for (int c = 0; c < 6; ++c) m_list.InsertColumn(c, L"", c ? LVCFMT_CENTER : LVCFMT_LEFT, widths[c]);
    m_list.CreateSkinScrollBar();
    m_list.MoveWindow(10, 10, kListWidth, 310);
    m_list.RepositionSkinScrollBar();
    for (int r = 0; r < 3; ++r) {
      m_list.InsertItem(r, L"row");
      m_list.SetCellCtrl(r, new CCellCheckBox);
    }
    return TRUE;
  }
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (hdr->idFrom == kList && (hdr->code == NM_CLICK || hdr->code == NM_DBLCLK)) m_notices.push_back(hdr->code);
    return CDialog::OnNotify(wParam, lParam, pResult);
  }
};

class RecordingListDialogTest : public ::testing::Test {
protected:
  void Open(DWORD extraListStyle = 0) {
    RegisterListTemplate(extraListStyle);
    ASSERT_TRUE(dlg.Create(kTemplate));
    harness.Pump();
  }
  void TearDown() override {
    if (dlg.m_hWnd) dlg.DestroyWindow();
    harness.Pump();
  }
  CPoint Glyph(int row) const { return CPoint(kCheckLeft + 20, row * 21 + 13); }

  platform::test::WindowHarness harness;
  CListDlg dlg;
};

TEST_F(RecordingListDialogTest, RowsAreMeasuredAndTabLeavesAfterTheLastCell) {
  Open();
  EXPECT_EQ(dlg.m_list.GetRowHeight(), 21);
  // Tabbing into the list: the key-up reaches it, so the next Tab starts on its cells.
  dlg.GetDlgItem(kNext)->SetFocus();
  harness.Key(VK_TAB);
  harness.Pump();
  ASSERT_EQ(CWnd::GetFocus(), &dlg.m_list);
  EXPECT_EQ(dlg.m_list.GetCurrentCell(), nullptr);
  harness.Key(VK_TAB);
  harness.Pump();
  EXPECT_EQ(dlg.m_list.GetCurrentRow(), 0);
  harness.Key(VK_TAB);
  harness.Key(VK_TAB);
  harness.Pump();
  EXPECT_EQ(dlg.m_list.GetCurrentRow(), 2);
  EXPECT_EQ(CWnd::GetFocus(), &dlg.m_list);
  harness.Key(VK_TAB);
  harness.Pump();
  EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(kNext));
  EXPECT_EQ(dlg.m_list.GetCurrentCell(), nullptr);
}

TEST_F(RecordingListDialogTest, DoubleClickOnAGlyphTogglesOnceAndOpens) {
  Open();
  harness.Click(dlg.m_list.m_hWnd, Glyph(1));
  harness.Click(dlg.m_list.m_hWnd, Glyph(1));
  harness.Pump();
  EXPECT_EQ(dlg.m_list.GetItemText(1, 3), CString(L"1"));
  EXPECT_EQ(dlg.m_notices, (std::vector<UINT>{NM_CLICK, NM_DBLCLK}));
}

TEST_F(RecordingListDialogTest, ADisabledTemplateListDrawsItsCellsDisabled) {
  Open(WS_DISABLED);
  dlg.m_list.Invalidate(FALSE);
  dlg.m_list.UpdateWindow();
  harness.Pump();
  EXPECT_EQ(harness.Pixel(dlg.m_list.m_hWnd, CPoint(kCheckLeft + 2, 21 + 2)), GetSysColor(COLOR_BTNFACE));
  dlg.m_list.EnableWindow(TRUE);
  dlg.m_list.UpdateWindow();
  harness.Pump();
  EXPECT_EQ(harness.Pixel(dlg.m_list.m_hWnd, CPoint(kCheckLeft + 2, 21 + 2)), RGB(33, 33, 33));
}

}  // namespace

#include <gtest/gtest.h>

#include "platform/win/Button.h"
#include "platform/win/DataExchange.h"
#include "platform/win/Dialog.h"
#include "platform/win/DialogTemplate.h"
#include "tests/support/ListTestSupport.h"

namespace {

constexpr UINT kTemplate = 9104;
constexpr int kList = 1029;
constexpr int kButton = 1030;

void RegisterListTemplate() {
  DialogTemplate t;
  t.id = kTemplate;
  t.style = WS_POPUP | WS_VISIBLE | DS_SETFONT;
  t.rect = CRect(0, 0, 400, 400);
  t.fontFace = L"MS Shell Dlg";
  t.controls = {
      {L"SysListView32", L"", kList, listtest::kListStyle & ~WS_CHILD, 0, CRect(4, 4, 200, 200)},
      {L"Button", L"OK", kButton, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, CRect(300, 300, 350, 314)},
  };
  platform::RegisterDialogTemplate(t);
}

// The recording list's road: created by the template, bound to its object afterwards,
// placed and filled in OnInitDialog.
class CListDlg : public CDialog {
public:
  CListDlg() : CDialog(kTemplate) {}
  listtest::CTestList m_list;
  std::vector<int> clicked;

protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kList, m_list); }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_list.MoveWindow(10, 10, 308 + 17, 508);
    m_list.InsertColumn(0, L"Name", LVCFMT_LEFT, 163);
    m_list.InsertColumn(1, L"Data", LVCFMT_CENTER, 51);
    for (int i = 0; i < 30; ++i) m_list.InsertItem(i, L"row");
    return TRUE;
  }
  void OnClickList(NMHDR* hdr, LRESULT* result) {
    clicked.push_back(reinterpret_cast<NMITEMACTIVATE*>(hdr)->iItem);
    *result = 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListDlg, CDialog)
  ON_NOTIFY(NM_CLICK, kList, OnClickList)
END_MESSAGE_MAP()

}  // namespace

TEST(ListInDialogTest, TemplateListIsMeasuredOnceBoundAndTakesArrowsNotTab) {
  platform::test::WindowHarness harness;
  RegisterListTemplate();
  CListDlg dlg;
  ASSERT_TRUE(dlg.Create(kTemplate));
  harness.Pump();
  EXPECT_EQ(dlg.m_list.m_measured, 1);  // the move asked again, and the bound list answered
  CRect r;
  ASSERT_TRUE(dlg.m_list.GetItemRect(0, &r, LVIR_BOUNDS));
  EXPECT_EQ(r.Height(), 21);
  EXPECT_TRUE(dlg.m_list.GetStyle() & WS_VSCROLL);
  harness.Click(dlg.m_list, CPoint(20, 2 * 21 + 5));
  EXPECT_EQ(dlg.clicked, std::vector<int>{2});
  ASSERT_EQ(GetFocus(), dlg.m_list.m_hWnd);
  harness.Key(VK_DOWN);
  EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), 3);
  EXPECT_EQ(GetFocus(), dlg.m_list.m_hWnd);
  harness.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), dlg.GetDlgItem(kButton)->m_hWnd);
  dlg.DestroyWindow();
}

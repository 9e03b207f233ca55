#include <gtest/gtest.h>

#include "platform/win/Button.h"
#include "platform/win/Dialog.h"
#include "platform/win/SliderCtrl.h"
#include "platform/win/Static.h"
#include "tests/support/WindowTestSupport.h"

namespace {

constexpr UINT kTemplate = 9102;
constexpr int kFront = 1107, kSeek = 1020, kLabel = 1024;

void RegisterControlsTemplate() {
  DialogTemplate t;
  t.id = kTemplate;
  t.style = WS_POPUP | WS_VISIBLE | DS_SETFONT;
  t.rect = CRect(0, 0, 200, 100);
  t.fontFace = L"MS Shell Dlg";
  t.controls = {
      {L"Button", L"Front", kFront, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0, CRect(4, 4, 60, 14)},
      {L"msctls_trackbar32", L"", kSeek, WS_VISIBLE | WS_TABSTOP | WS_GROUP | TBS_BOTH | TBS_NOTICKS, 0,
       CRect(4, 20, 150, 34)},
      {L"Static", L"00:00:00", kLabel, WS_VISIBLE | WS_GROUP | SS_LEFT, 0, CRect(4, 40, 60, 50)},
      {L"Button", L"OK", IDOK, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, CRect(140, 80, 190, 94)},
  };
  platform::RegisterDialogTemplate(t);
}

class CControlsDlg : public CDialog {
public:
  CControlsDlg() : CDialog(kTemplate) {}
  CSliderCtrl m_seek;
  std::vector<UINT> scrolls;
  int oks = 0;
  int clicksOnDialog = 0;

protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kSeek, m_seek); }
  void OnOK() override { ++oks; }
  void OnHScroll(UINT nSBCode, UINT, CScrollBar* pScrollBar) {
    if (reinterpret_cast<CWnd*>(pScrollBar) == &m_seek) scrolls.push_back(nSBCode);
  }
  void OnLButtonDown(UINT, CPoint) { ++clicksOnDialog; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlsDlg, CDialog)
  ON_WM_HSCROLL()
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

TEST(ControlsInDialogTest, TemplateControlsWorkWithTheDialogKeyboard) {
  platform::test::WindowHarness harness;
  RegisterControlsTemplate();
  CControlsDlg dlg;
  ASSERT_TRUE(dlg.Create(kTemplate));
  harness.Pump();
  HWND front = dlg.GetDlgItem(kFront)->m_hWnd;
  ASSERT_EQ(GetFocus(), front);
  harness.Key(VK_SPACE, L' ');
  EXPECT_EQ(dlg.IsDlgButtonChecked(kFront), BST_CHECKED);

  harness.Key(VK_TAB);
  ASSERT_EQ(GetFocus(), dlg.m_seek.GetSafeHwnd());
  harness.Key(VK_RIGHT);  // the trackbar wants arrows: the focus stays
  EXPECT_EQ(GetFocus(), dlg.m_seek.GetSafeHwnd());
  EXPECT_EQ(dlg.m_seek.GetPos(), 1);
  EXPECT_EQ(dlg.scrolls, (std::vector<UINT>{TB_LINEDOWN, TB_ENDTRACK}));

  harness.Key(VK_RETURN);
  EXPECT_EQ(dlg.oks, 1);

  // The label lets clicks through to the dialog.
  harness.Click(dlg.GetDlgItem(kLabel)->m_hWnd, CPoint(3, 3));
  EXPECT_EQ(dlg.clicksOnDialog, 1);
  dlg.DestroyWindow();
}

}  // namespace

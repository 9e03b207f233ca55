#include <gtest/gtest.h>

#include "platform/base/UiDispatch.h"
#include "platform/win/Dialog.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

namespace {

constexpr UINT kPanel = 9101;
constexpr UINT kMain = 9102;

void RegisterTemplates() {
  DialogTemplate panel;
  panel.id = kPanel;
  panel.style = WS_POPUP;
  panel.rect = CRect(0, 0, 100, 20);
  panel.controls = {{L"Recorder", L"", 1071, WS_VISIBLE | WS_TABSTOP, 0, CRect(2, 2, 20, 18)}};
  platform::RegisterDialogTemplate(panel);
  DialogTemplate main;
  main.id = kMain;
  main.style = WS_POPUP | WS_VISIBLE;
  main.rect = CRect(0, 0, 200, 100);
  main.controls = {{L"Recorder", L"", 1000, WS_VISIBLE | WS_TABSTOP, 0, CRect(2, 2, 20, 18)},
                   {L"Recorder", L"", 1001, WS_VISIBLE | WS_TABSTOP, 0, CRect(30, 2, 50, 18)}};
  platform::RegisterDialogTemplate(main);
}

class CCreated : public CWnd {
public:
  int presubclassed = 0;
  int colours = 0;

protected:
  void PreSubclassWindow() override { ++presubclassed; }
  HBRUSH CtlColor(CDC*, UINT nCtlColor) {
    colours += static_cast<int>(nCtlColor);
    return reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(0x1234));
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCreated, CWnd)
  ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

}  // namespace

class ActivationTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterRecorderClasses();
    RegisterTemplates();
  }
  platform::test::WindowHarness harness;
};

TEST_F(ActivationTest, ShownPopupTakesActivationAndHidingItGivesTheFocusBack) {
  CDialog main(kMain);
  ASSERT_TRUE(main.Create(kMain));
  HWND second = main.GetDlgItem(1001)->m_hWnd;
  SetFocus(second);
  CDialog panel(kPanel, &main);
  ASSERT_TRUE(panel.Create(kPanel, &main));
  EXPECT_EQ(GetParent(panel), main.m_hWnd);
  panel.SetWindowPos(&CWnd::wndTop, 10, 500, 300, 40, SWP_SHOWWINDOW);
  EXPECT_EQ(GetActiveWindow(), panel.m_hWnd);
  EXPECT_EQ(GetFocus(), panel.GetDlgItem(1071)->m_hWnd);  // the panel's first tab stop
  panel.SetWindowPos(&CWnd::wndTop, 10, 500, 300, 40, SWP_HIDEWINDOW);
  EXPECT_EQ(GetActiveWindow(), main.m_hWnd);
  EXPECT_EQ(GetFocus(), second);
  main.DestroyWindow();
  EXPECT_FALSE(IsWindow(panel));  // owned pop-ups go with their owner
}

TEST_F(ActivationTest, ModalDialogDisablesItsOwnerWhileItRuns) {
  CDialog main(kMain);
  ASSERT_TRUE(main.Create(kMain));
  CDialog modal(kPanel, &main);
  bool ownerDisabled = false;
  platform::PostToUiThread([&] {
    ownerDisabled = !main.IsWindowEnabled();
    modal.EndDialog(IDOK);
  });
  EXPECT_EQ(modal.DoModal(), IDOK);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(main.IsWindowEnabled());
  EXPECT_EQ(GetActiveWindow(), main.m_hWnd);
  main.DestroyWindow();
}

TEST_F(ActivationTest, CreateCallsPreSubclassWindowAndColoursReflect) {
  // Reflection is the parent object's work, as in the class library.
  CSolidWnd parentWnd(RGB(0, 0, 0));
  ASSERT_TRUE(parentWnd.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr));
  HWND top = parentWnd.m_hWnd;
  CWnd* parent = &parentWnd;
  CCreated control;
  ASSERT_TRUE(control.Create(L"Static", L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), parent, 0xFFFF));
  EXPECT_EQ(control.presubclassed, 1);
  CDC dc;
  LRESULT brush = SendMessage(top, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                              reinterpret_cast<LPARAM>(control.m_hWnd));
  EXPECT_EQ(brush, 0x1234);
  EXPECT_EQ(control.colours, static_cast<int>(CTLCOLOR_STATIC));
  control.DestroyWindow();
  DestroyWindow(top);
}

TEST_F(ActivationTest, HidingOrDisablingLetsGoOfInputState) {
  HWND top = MakeTop(CRect(0, 0, 100, 100));
  HWND child = MakeChild(top, CRect(0, 0, 50, 50), 1);
  harness.MoveTo(child, CPoint(5, 5));
  TRACKMOUSEEVENT tme;
  tme.dwFlags = TME_LEAVE;
  tme.hwndTrack = child;
  _TrackMouseEvent(&tme);
  SetCapture(child);
  SetFocus(child);
  EnableWindow(child, FALSE);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Only(WM_CANCELMODE).size(), 1u);
  EXPECT_EQ(GetFocus(), nullptr);
  EnableWindow(child, TRUE);
  SetFocus(child);
  ShowWindow(child, SW_HIDE);
  harness.Pump();
  EXPECT_EQ(GetFocus(), top);
  EXPECT_EQ(Only(WM_MOUSELEAVE).size(), 1u);
  DestroyWindow(top);
}

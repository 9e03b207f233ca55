#include <gtest/gtest.h>

#include "platform/base/UiDispatch.h"
#include "platform/gdi/Font.h"
#include "platform/win/Accelerator.h"
#include "platform/win/Dialog.h"
#include "platform/win/WinApp.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

namespace {

constexpr UINT kTemplate = 9001;
constexpr int kFirst = 1000, kSecond = 1001, kPane = 1002;

void RegisterTestTemplate(DWORD extraStyle = 0) {
  DialogTemplate t;
  t.id = kTemplate;
  t.style = WS_POPUP | WS_VISIBLE | DS_SETFONT | extraStyle;
  t.rect = CRect(0, 0, 200, 100);
  t.fontFace = L"MS Shell Dlg";
  t.fontPointSize = 8;
  t.controls = {
      {L"Recorder", L"first", kFirst, WS_VISIBLE | WS_TABSTOP | WS_GROUP, 0, CRect(4, 4, 40, 20)},
      {L"Recorder", L"second", kSecond, WS_VISIBLE | WS_TABSTOP, 0, CRect(44, 4, 80, 20)},
      {L"NoSuchClass", L"", kPane, WS_VISIBLE | WS_GROUP, 0, CRect(4, 30, 100, 60)},
      {L"Recorder", L"", IDOK, WS_VISIBLE | WS_TABSTOP | WS_GROUP, 0, CRect(100, 80, 140, 94)},
  };
  platform::RegisterDialogTemplate(t);
}

class CBound : public CWnd {
public:
  int presubclassed = 0;
  int drawn = 0;
  int reflectedNotify = 0;

protected:
  void PreSubclassWindow() override { ++presubclassed; }
  void DrawItem(LPDRAWITEMSTRUCT) { ++drawn; }
  void OnCustomDraw(NMHDR*, LRESULT* result) {
    ++reflectedNotify;
    *result = 4;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBound, CWnd)
  ON_WM_DRAWITEM_REFLECT()
  ON_NOTIFY_REFLECT(static_cast<UINT>(-12), OnCustomDraw)
END_MESSAGE_MAP()

class CTestDlg : public CDialog {
public:
  CTestDlg() : CDialog(kTemplate) {}
  CBound m_first;
  bool endInInit = false;
  int clicks = 0;
  int notifies = 0;
  int accel = 0;
  int initFocusCount = 0;
  HACCEL m_hAccel = nullptr;

protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kFirst, m_first); }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (endInInit) EndDialog(77);
    return TRUE;
  }
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (m_hAccel && TranslateAccelerator(m_hWnd, m_hAccel, pMsg)) return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
  }
  void OnBnClickedSecond() { ++clicks; }
  void OnNotifyFirst(NMHDR*, LRESULT* result) {
    ++notifies;
    *result = 9;
  }
  void OnAccelNext() { ++accel; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
  ON_BN_CLICKED(kSecond, OnBnClickedSecond)
  ON_NOTIFY(static_cast<UINT>(-3), kFirst, OnNotifyFirst)
  ON_COMMAND(32774, OnAccelNext)
END_MESSAGE_MAP()

}  // namespace

class DialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterRecorderClasses();
    RegisterTestTemplate();
  }
  platform::test::WindowHarness harness;
};

TEST_F(DialogTest, ModelessDialogFromTemplate) {
  CTestDlg dlg;
  ASSERT_TRUE(dlg.Create(kTemplate));
  harness.Pump();
  CRect r;
  dlg.GetClientRect(&r);
  EXPECT_EQ(r, CRect(0, 0, 300, 163));  // 200 x 100 dialog units at 6 x 13 base units
  dlg.GetDlgItem(kSecond)->GetWindowRect(&r);
  CRect dlgRect;
  dlg.GetWindowRect(&dlgRect);
  EXPECT_EQ(r.left - dlgRect.left, 66);
  EXPECT_EQ(r.Height(), 26);
  EXPECT_TRUE(dlg.GetDlgItem(kPane) != nullptr);     // an unknown class makes a plain window
  CFont* font = dlg.GetDlgItem(kSecond)->GetFont();  // the template's font reaches every control
  ASSERT_NE(font, nullptr);
  LOGFONTW lf{};
  font->GetLogFont(&lf);
  EXPECT_EQ(lf.lfHeight, -11);  // 8 points at 96 pixels per inch
  EXPECT_EQ(dlg.m_first.presubclassed, 1);
  EXPECT_EQ(CWnd::FromHandlePermanent(dlg.GetDlgItem(kFirst)->m_hWnd), &dlg.m_first);
  EXPECT_EQ(GetFocus(), dlg.GetDlgItem(kFirst)->m_hWnd);
  EXPECT_EQ(GetWindow(dlg, GW_CHILD), dlg.GetDlgItem(kFirst)->m_hWnd);  // template order is z-order
  dlg.DestroyWindow();
}

TEST_F(DialogTest, CommandsNotificationsAndReflection) {
  CTestDlg dlg;
  ASSERT_TRUE(dlg.Create(kTemplate));
  HWND second = dlg.GetDlgItem(kSecond)->m_hWnd;
  dlg.SendMessage(WM_COMMAND, MAKEWPARAM(kSecond, BN_CLICKED), reinterpret_cast<LPARAM>(second));
  EXPECT_EQ(dlg.clicks, 1);
  NMHDR hdr;
  hdr.hwndFrom = dlg.m_first;
  hdr.idFrom = kFirst;
  hdr.code = static_cast<UINT>(-3);
  EXPECT_EQ(dlg.SendMessage(WM_NOTIFY, kFirst, reinterpret_cast<LPARAM>(&hdr)), 9);
  EXPECT_EQ(dlg.notifies, 1);
  hdr.code = static_cast<UINT>(-12);
  EXPECT_EQ(dlg.SendMessage(WM_NOTIFY, kFirst, reinterpret_cast<LPARAM>(&hdr)), 4);
  EXPECT_EQ(dlg.m_first.reflectedNotify, 1);
  EXPECT_EQ(dlg.notifies, 1);  // the child took it
  DRAWITEMSTRUCT dis;
  dis.CtlType = ODT_BUTTON;
  dis.CtlID = kFirst;
  dis.hwndItem = dlg.m_first;
  EXPECT_EQ(dlg.SendMessage(WM_DRAWITEM, kFirst, reinterpret_cast<LPARAM>(&dis)), TRUE);
  EXPECT_EQ(dlg.m_first.drawn, 1);
  dlg.DestroyWindow();
}

TEST_F(DialogTest, EndDialogDuringInitEndsWithoutALoop) {
  CTestDlg dlg;
  dlg.endInInit = true;
  EXPECT_EQ(dlg.DoModal(), 77);
  EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTest, CloseCancelsAndEnterConfirms) {
  CTestDlg dlg;
  platform::PostToUiThread([&dlg] { dlg.SendMessage(WM_CLOSE); });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);

  CTestDlg second;
  platform::PostToUiThread([this] { harness.Key(VK_RETURN); });
  EXPECT_EQ(second.DoModal(), IDOK);

  CTestDlg third;
  platform::PostToUiThread([this] { harness.Key(VK_ESCAPE); });
  EXPECT_EQ(third.DoModal(), IDCANCEL);
}

TEST_F(DialogTest, TimersRunInsideTheModalLoop) {
  CTestDlg dlg;
  int ticks = 0;
  static int* s_ticks = nullptr;
  static CTestDlg* s_dlg = nullptr;
  s_ticks = &ticks;
  s_dlg = &dlg;
  platform::PostToUiThread([] {
    SetTimer(*s_dlg, 5, 200, [](HWND, UINT, UINT_PTR, DWORD) {
      if (++*s_ticks == 3) s_dlg->EndDialog(IDOK);
    });
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(ticks, 3);
}

TEST_F(DialogTest, TabWalksTheTabStopsAndAcceleratorsSendCommands) {
  CTestDlg dlg;
  ASSERT_TRUE(dlg.Create(kTemplate));
  HWND first = dlg.GetDlgItem(kFirst)->m_hWnd, second = dlg.GetDlgItem(kSecond)->m_hWnd;
  HWND ok = dlg.GetDlgItem(IDOK)->m_hWnd;
  harness.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), second);
  harness.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), ok);
  harness.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), first);
  EXPECT_EQ(GetNextDlgGroupItem(dlg, first, FALSE), second);
  EXPECT_EQ(GetNextDlgGroupItem(dlg, second, FALSE), first);  // wraps within the group
  ShowWindow(second, SW_HIDE);
  EXPECT_EQ(GetNextDlgGroupItem(dlg, first, FALSE), first);  // hidden controls do not count
  platform::RegisterAcceleratorResource(499, {{FVIRTKEY, static_cast<WORD>(VK_NEXT), 32774}});
  dlg.m_hAccel = LoadAccelerators(AfxGetResourceHandle(), MAKEINTRESOURCE(499));
  ASSERT_NE(dlg.m_hAccel, nullptr);
  EXPECT_EQ(LoadAccelerators(AfxGetResourceHandle(), MAKEINTRESOURCE(498)), nullptr);
  harness.Key(VK_NEXT);
  EXPECT_EQ(dlg.accel, 1);
  dlg.DestroyWindow();
}

TEST_F(DialogTest, ApplicationTitleAndMainWindow) {
  platform::RegisterStringResource(AFX_IDS_APP_TITLE, L"RODEMIR");
  CWinAppEx app(TRUE);
  app.InitInstance();
  EXPECT_STREQ(AfxGetAppName(), L"RODEMIR");
  EXPECT_EQ(AfxGetApp(), &app);
  CTestDlg dlg;
  app.m_pMainWnd = &dlg;
  EXPECT_EQ(AfxGetMainWnd(), &dlg);
  EXPECT_EQ(AfxGetThread(), &app);
  app.m_pMainWnd = nullptr;
}

TEST_F(DialogTest, ParentlessModalDialogIsOwnedByTheMainWindowAndShown) {
  RegisterTestTemplate();
  CTestDlg mainDlg;
  ASSERT_TRUE(mainDlg.Create(kTemplate));
  CWinAppEx app(TRUE);
  app.InitInstance();
  app.m_pMainWnd = &mainDlg;

  DialogTemplate hidden = *platform::FindDialogTemplate(kTemplate);
  hidden.id = kTemplate + 1;
  hidden.style &= ~WS_VISIBLE;
  platform::RegisterDialogTemplate(hidden);
  CDialog chooser(kTemplate + 1);
  bool mainEnabled = true, shown = false;
  platform::PostToUiThread([&] {
    mainEnabled = mainDlg.IsWindowEnabled();
    shown = chooser.IsWindowVisible();
    chooser.EndDialog(IDOK);
  });
  EXPECT_EQ(chooser.DoModal(), IDOK);
  EXPECT_FALSE(mainEnabled);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(mainDlg.IsWindowEnabled());
  app.m_pMainWnd = nullptr;
  mainDlg.DestroyWindow();
}

namespace {

class WrongIdDlg : public CDialog {
public:
  WrongIdDlg() : CDialog(kTemplate) {}
  CWnd m_missing;

protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 4242, m_missing); }
};

}  // namespace

// A binding to a control the template lacks is the dialog's programmer's error: loud in tests.
TEST_F(DialogTest, BindingAMissingControlStopsTheTest) {
  RegisterTestTemplate();
  EXPECT_DEATH(
      {
        WrongIdDlg dlg;
        dlg.Create(kTemplate);
      },
      "DDX_Control names a control");
}

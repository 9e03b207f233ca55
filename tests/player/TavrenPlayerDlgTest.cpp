#include <gtest/gtest.h>

#include <atomic>

#include "platform/present/HeadlessPresenter.h"
#include "platform/shell/ChangeNotify.h"
#include "platform/win/Resources.h"
#include "platform/win/Keys.h"
#include "tests/player/PlayerDlgFixture.h"

namespace {

using playertest::PlayerDlgFixture;

class TavrenPlayerDlgTest : public PlayerDlgFixture {
protected:
  // The colour of a bitmap resource at a point, as a DC reads it.
  static COLORREF BitmapPixel(UINT id, CPoint at) {
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(id)) return CLR_INVALID;
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap* old = memory.SelectObject(&bitmap);
    COLORREF colour = memory.GetPixel(at);
    memory.SelectObject(old);
    return colour;
  }
  COLORREF Repainted(CPoint at) {
    dlg->Invalidate(TRUE);
    Pump();
    return harness.Pixel(Hwnd(), at);
  }
  BOOL KeyTaken(UINT message, UINT vk, HWND target) {
    MSG msg{};
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = vk;
    return dlg->PreTranslateMessage(&msg);
  }
};

TEST_F(TavrenPlayerDlgTest, OpensAsACaptionlessWindowOfFixedSizeWithItsTitle) {
  ASSERT_TRUE(created);
  CRect window;
  dlg->GetWindowRect(&window);
  EXPECT_EQ(window, CRect(CPoint((1920 - 1022) / 2, (1080 - 682) / 2), CSize(1022, 682)));  // centred on the screen
  CString title;
  dlg->GetWindowText(title);
  EXPECT_EQ(title, L"RODEMIR");
  EXPECT_EQ(dlg->GetStyle() & WS_CAPTION, 0u);
  EXPECT_NE(dlg->GetExStyle() & WS_EX_APPWINDOW, 0u);
  EXPECT_EQ(dlg->m_nWindowMode, 1);
  EXPECT_NE(dlg->m_hAccel, nullptr);
  EXPECT_NE(dlg->m_nShellNotifyId, 0u);
  // Icon 128 reaches the presenter, which shows it on the window and its taskbar entry.
  auto* presenter = dynamic_cast<platform::HeadlessPresenter*>(&platform::GetPresenter());
  ASSERT_NE(presenter, nullptr);
  EXPECT_FALSE(presenter->Info(Hwnd())->decorated);  // the skin is the whole window
  const platform::IconImage* icon = presenter->Info(Hwnd())->icon;
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon, platform::GetIconImage(::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(128))));
  EXPECT_GT(icon->width, 0);
}

TEST_F(TavrenPlayerDlgTest, BackgroundAndFrameBarFollowTheMapModeAndTheFullWindowIsBlack) {
  ASSERT_TRUE(created);
  const CPoint bar(700, 640), smallBar(700, 440);
  const COLORREF background = BitmapPixel(129, bar);
  const COLORREF frame = BitmapPixel(279, CPoint(5, 5));
  ASSERT_NE(background, frame) << "the test needs the two bitmaps to differ there";
  EXPECT_EQ(Repainted(bar), frame);
  dlg->m_nMapMode = MAP_MODE_SMALL;
  dlg->m_listFiles.MoveWindow(695, 126, 324, 310, TRUE);  // as the small map leaves it
  EXPECT_EQ(Repainted(smallBar), BitmapPixel(279, CPoint(5, 3)));
  EXPECT_EQ(harness.Pixel(Hwnd(), bar), background);
  dlg->m_nMapMode = MAP_MODE_LARGE;
  EXPECT_EQ(Repainted(bar), background);
  EXPECT_EQ(harness.Pixel(Hwnd(), smallBar), BitmapPixel(129, smallBar));
  dlg->m_nMapMode = MAP_MODE_NONE;
  Command(IDC_BTN_EXTEND);
  EXPECT_EQ(Repainted(CPoint(900, 500)), RGB(0, 0, 0));
}

TEST_F(TavrenPlayerDlgTest, SensorPanelPictureIsKeyedAndShownOnlyInTheNormalWindow) {
  ASSERT_TRUE(created);
  // A 4 x 1 picture: red, key green, red, red.
  CClientDC screen(dlg.get());
  ASSERT_TRUE(dlg->m_bmpSensorPanel.CreateCompatibleBitmap(&screen, 4, 1));
  CDC memory;
  memory.CreateCompatibleDC(&screen);
  CBitmap* old = memory.SelectObject(&dlg->m_bmpSensorPanel);
  memory.FillSolidRect(0, 0, 4, 1, RGB(255, 0, 0));
  memory.SetPixel(1, 0, RGB(0, 255, 0));
  memory.SelectObject(old);
  EXPECT_EQ(Repainted(CPoint(41, 531)), RGB(255, 0, 0));
  EXPECT_EQ(harness.Pixel(Hwnd(), CPoint(42, 531)), BitmapPixel(129, CPoint(42, 531)));
  Command(IDC_BTN_EXTEND);
  EXPECT_EQ(Repainted(CPoint(41, 531)), RGB(0, 0, 0));
}

TEST_F(TavrenPlayerDlgTest, BareBackgroundDragsTheNormalWindowButNotTheFullWindow) {
  ASSERT_TRUE(created);
  auto hit = [&](CPoint client) {
    dlg->ClientToScreen(&client);
    return dlg->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(client.x, client.y));
  };
  EXPECT_EQ(hit(CPoint(300, 600)), HTCAPTION);
  harness.Press(Hwnd(), CPoint(300, 600));
  harness.MoveToScreen(CPoint(340, 630));
  harness.Release(Hwnd(), CPoint(300, 600));
  Pump();
  CRect window;
  dlg->GetWindowRect(&window);
  EXPECT_EQ(window.TopLeft(), CPoint(40, 30));
  Command(IDC_BTN_EXTEND);
  EXPECT_EQ(hit(CPoint(300, 600)), HTCLIENT);
}

TEST_F(TavrenPlayerDlgTest, EnterAndEscNeverEndTheWindowAndEscLeavesTheFullWindow) {
  ASSERT_TRUE(created);
  for (HWND target : {Hwnd(), Item(IDC_BTN_MINIMIZE), Item(IDC_SLIDER_VOLUME), Item(IDC_LIST_FILES)}) {
    for (UINT vk : {VK_RETURN, VK_ESCAPE}) EXPECT_TRUE(KeyTaken(WM_KEYDOWN, vk, target)) << vk;
  }
  dlg->m_sliderVolume.SetFocus();
  harness.Key(VK_RETURN);
  harness.Key(VK_ESCAPE);
  EXPECT_TRUE(dlg->IsWindowVisible());
  EXPECT_EQ(dlg->m_nWindowMode, WINDOW_MODE_NORMAL);

  Command(IDC_BTN_EXTEND);
  harness.Key(VK_ESCAPE);
  EXPECT_EQ(dlg->m_nWindowMode, WINDOW_MODE_NORMAL);
  EXPECT_TRUE(dlg->IsWindowVisible());
}

// Space pauses and plays, Left and Right step a second back and forth, Page Up and Page
// Down open the previous and next rows, whichever control has the focus: a focused button
// is not pressed by Space, a focused slider does not move.
TEST_F(TavrenPlayerDlgTest, PlaybackKeysActWhicheverControlHasTheFocus) {
  ASSERT_TRUE(created);
  constexpr LONGLONG kSecond = 10000000;  // in 100-ns units
  fakegraph::TheWorld().duration = 120 * kSecond;
  dlg->m_strCardPath = L"/card/";
  AddRows(3);
  DoubleClick(1);
  ASSERT_EQ(State(), 0);
  const int volume = dlg->m_sliderVolume.GetPos();
  for (HWND target : {Hwnd(), Item(IDC_BTN_PLAY), Item(IDC_SLIDER_VOLUME), Item(IDC_LIST_FILES)}) {
    SCOPED_TRACE(::GetDlgCtrlID(target));
    ::SetFocus(target);
    harness.Key(VK_SPACE);
    EXPECT_EQ(State(), 1) << "Space did not pause";
    harness.Key(VK_SPACE);
    EXPECT_EQ(State(), 0) << "Space did not play";

    LONGLONG& position = fakegraph::TheWorld().position;
    position = 10 * kSecond;
    harness.Key(VK_LEFT);
    EXPECT_EQ(position, 9 * kSecond);
    harness.Key(VK_RIGHT);
    harness.Key(VK_RIGHT);
    EXPECT_EQ(position, 11 * kSecond);
    EXPECT_EQ(dlg->m_sliderVolume.GetPos(), volume);

    harness.Key(VK_NEXT);
    Pump();
    EXPECT_EQ(dlg->m_nCurItem, 2);
    EXPECT_EQ(State(), 0);
    harness.Key(VK_PRIOR);
    Pump();
    EXPECT_EQ(dlg->m_nCurItem, 1);
    EXPECT_EQ(State(), 0);
  }
}

TEST_F(TavrenPlayerDlgTest, CloseButtonStopsTimerGraphAndDriveWatch) {
  ASSERT_TRUE(created);
  ASSERT_NE(dlg->m_player.m_pGraph, nullptr);
  dlg->SetTimer(IDT_PLAY_POSITION, 200);
  Command(IDC_BTN_CLOSE);
  EXPECT_FALSE(::KillTimer(Hwnd(), IDT_PLAY_POSITION)) << "the timer was still running";
  EXPECT_EQ(dlg->m_player.m_pGraph, nullptr);
  EXPECT_EQ(dlg->m_nShellNotifyId, 0u);
  EXPECT_FALSE(dlg->IsWindowVisible());
}

class TavrenPlayerDlgCloseTest : public PlayerDlgFixture {
protected:
  TavrenPlayerDlgCloseTest() { createOnSetUp = false; }

  // A loader that runs until it is asked to stop.
  static UINT SpinningLoader(LPVOID param) {
    auto* self = static_cast<CTavrenPlayerDlg*>(param);
    while (!self->m_bStopLoader) Sleep(1);
    loaderStopped = true;
    return 0;
  }
  void StartLoader() {
    loaderStopped = false;
    dlg->m_pLoaderThread.reset(AfxBeginThread(SpinningLoader, dlg.get()));
    dlg->m_pLoaderThread->m_bAutoDelete = FALSE;
  }
  void ExpectNothingLeft() {
    EXPECT_EQ(dlg->m_player.m_pGraph, nullptr);
    EXPECT_EQ(dlg->m_pLoaderThread, nullptr);
    EXPECT_TRUE(loaderStopped);
    EXPECT_EQ(dlg->m_nShellNotifyId, 0u);
    EXPECT_EQ(SHChangeNotifyDeregister(watch), FALSE) << "the drive watch was still registered";
  }

  static inline std::atomic<bool> loaderStopped{false};
  ULONG watch = 0;
};

TEST_F(TavrenPlayerDlgCloseTest, EveryCloseRouteStopsTheLoaderGraphAndWatchBeforeTheWindowGoes) {
  for (int route = 0; route < 2; ++route) {
    SCOPED_TRACE(route == 0 ? "close button" : "close request from outside");
    INT_PTR result = RunModal([&] {
      watch = dlg->m_nShellNotifyId;
      StartLoader();
      if (route == 0) dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BTN_CLOSE, BN_CLICKED), 0);
      else dlg->PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(IsWindow(dlg->GetSafeHwnd()));
    ExpectNothingLeft();
    Destroy();
  }
}

TEST_F(TavrenPlayerDlgCloseTest, DestroyingTheObjectWithARunningLoaderWaitsForIt) {
  Create();
  StartLoader();
  dlg.reset();
  EXPECT_TRUE(loaderStopped);
}

}  // namespace

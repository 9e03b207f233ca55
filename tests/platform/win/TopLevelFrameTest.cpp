// The window manager frames top-level windows that have a caption and titles them with
// the window's text; the frame lies outside the window, which keeps its size.
#include <gtest/gtest.h>

#include "platform/present/HeadlessPresenter.h"
#include "platform/win/Window.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

class TopLevelFrameTest : public ::testing::Test {
protected:
  void SetUp() override {
    auto presenter = std::make_unique<platform::HeadlessPresenter>();
    screen = presenter.get();
    platform::SetPresenter(std::move(presenter));
    RegisterRecorderClasses();
  }
  void TearDown() override {
    for (HWND h : made) DestroyWindow(h);
  }
  HWND Make(DWORD style, LPCWSTR text = L"") {
    HWND h = CreateWindowEx(0, L"Recorder", text, style, 100, 80, 300, 200, nullptr, nullptr, nullptr);
    made.push_back(h);
    return h;
  }
  const platform::HeadlessPresenter::WindowInfo& Info(HWND h) { return *screen->Info(h); }

  platform::HeadlessPresenter* screen = nullptr;
  std::vector<HWND> made;
};

TEST_F(TopLevelFrameTest, OnlyAFullCaptionAsksForAFrame) {
  HWND captioned = Make(WS_POPUP | WS_CAPTION | WS_SYSMENU, L"Select Drive");
  HWND bare = Make(WS_POPUP);
  HWND bordered = Make(WS_POPUP | WS_BORDER);  // half of the caption bits
  EXPECT_TRUE(Info(captioned).decorated);
  EXPECT_FALSE(Info(bare).decorated);
  EXPECT_FALSE(Info(bordered).decorated);
  EXPECT_EQ(Info(captioned).title, L"Select Drive");
}

TEST_F(TopLevelFrameTest, FramedWindowKeepsItsOwnArea) {
  HWND captioned = Make(WS_POPUP | WS_CAPTION);
  CRect window, client;
  GetWindowRect(captioned, &window);
  GetClientRect(captioned, &client);
  EXPECT_EQ(window, CRect(100, 80, 400, 280));
  EXPECT_EQ(client, CRect(0, 0, 300, 200));
  EXPECT_EQ(Info(captioned).screenRect, window);
}

TEST_F(TopLevelFrameTest, TitleAndFrameFollowChanges) {
  HWND h = Make(WS_POPUP, L"First");
  SetWindowText(h, L"Second");
  EXPECT_EQ(Info(h).title, L"Second");
  SetWindowLong(h, GWL_STYLE, GetWindowLong(h, GWL_STYLE) | WS_CAPTION);
  EXPECT_FALSE(Info(h).decorated);  // a style change alone leaves the frame as it is
  SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_TRUE(Info(h).decorated);
  SetWindowLong(h, GWL_STYLE, GetWindowLong(h, GWL_STYLE) & ~WS_CAPTION);
  SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_FALSE(Info(h).decorated);
}

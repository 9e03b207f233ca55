// Needs a display: registered by tests/e2e/web.cmake and run under Xvfb.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

#include "platform/base/UiDispatch.h"
#include "platform/web/HeadlessWebBrowser.h"
#include "platform/web/WebBrowser.h"
#include "platform/web/WebBrowserWindow.h"
#include "platform/web/detail/WebKitBrowser.h"
#include "platform/win/Window.h"
#include "platform/win/WindowStyles.h"
#include "tests/support/TempDir.h"

namespace {

const char* kPage = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"></head><body>
<div id="out">start</div>
<script>
function SetText(a, b) { document.getElementById('out').textContent = a + '|' + b; }
function GetText() { return document.getElementById('out').textContent; }
function Query() { return location.search; }
</script></body></html>
)";

bool WaitUntil(const std::function<bool()>& done, int seconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!done() && std::chrono::steady_clock::now() < deadline) platform::PumpUiThread(20);
  return done();
}

}  // namespace

TEST(WebKitBrowserTest, LoadsALocalPageAndRunsItsFunctions) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  testsupport::TempDir dir;
  std::ofstream(dir.File("page.htm")) << kPage;

  auto browser = platform::WebBrowser::Create(reinterpret_cast<HWND>(0x77), CRect(10, 10, 330, 210));
  ASSERT_EQ(dynamic_cast<platform::HeadlessWebBrowser*>(browser.get()), nullptr);
  browser->Navigate(CString::FromUtf8(dir.File("page.htm")) + L"?language=en");
  ASSERT_TRUE(WaitUntil([&] { return browser->HasDocument(); }, 60));

  EXPECT_EQ(browser->CallFunctionForResult(L"Query", {}, 10000), L"?language=en");
  EXPECT_EQ(browser->CallFunctionForResult(L"GetText", {}, 10000), L"start");
  browser->CallFunction(L"SetText", {L"it's", L"a\\b \"q\" 한글"});
  EXPECT_EQ(browser->CallFunctionForResult(L"GetText", {}, 10000), L"it's|a\\b \"q\" 한글");
  EXPECT_EQ(browser->CallFunctionForResult(L"Missing", {}, 10000), L"");
  EXPECT_EQ(browser->CallFunctionForResult(L"alert(1)//", {}, 10000), L"");

  browser->SetRect(CRect(0, 0, 0, 0));
  browser->SetRect(CRect(20, 20, 200, 120));
  EXPECT_EQ(browser->CallFunctionForResult(L"GetText", {}, 10000), L"it's|a\\b \"q\" 한글");
}

TEST(WebKitBrowserTest, ShowsInsideThePresentersWindow) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  testsupport::TempDir dir;
  std::ofstream(dir.File("page.htm")) << kPage;
  platform::RegisterWebBrowserClass();
  HWND top = CreateWindowEx(0, L"", L"", WS_POPUP | WS_VISIBLE, 50, 50, 500, 400, nullptr, nullptr, nullptr);
  HWND map = CreateWindowEx(0, platform::WEBBROWSER_CLASS, L"", WS_CHILD | WS_VISIBLE, 20, 30, 320, 200, top,
                            nullptr, nullptr);
  auto* browser = dynamic_cast<platform::detail::WebKitBrowser*>(platform::WebBrowser::ForHost(map));
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->HostedByPresenter());
  browser->Navigate(CString::FromUtf8(dir.File("page.htm")) + L"?language=ko");
  ASSERT_TRUE(WaitUntil([&] { return browser->HasDocument(); }, 60));
  EXPECT_EQ(browser->CallFunctionForResult(L"Query", {}, 10000), L"?language=ko");
  MoveWindow(map, 0, 0, 0, 0, TRUE);
  MoveWindow(map, 10, 10, 100, 100, TRUE);
  ShowWindow(map, SW_HIDE);
  EXPECT_EQ(browser->CallFunctionForResult(L"GetText", {}, 10000), L"start");
  DestroyWindow(top);
  EXPECT_EQ(platform::WebBrowser::ForHost(map), nullptr);
}

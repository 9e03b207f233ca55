// Needs a display: registered by tests/e2e/web.cmake and run under Xvfb.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

#include "platform/base/UiDispatch.h"
#include "platform/web/HeadlessWebBrowser.h"
#include "platform/web/WebBrowser.h"
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

#include "platform/web/WebBrowser.h"

#include <gtest/gtest.h>

#include "platform/web/HeadlessWebBrowser.h"
#include "platform/web/WebBrowserWindow.h"
#include "platform/web/detail/ScriptText.h"
#include "platform/win/Window.h"
#include "platform/win/WindowStyles.h"
#include "tests/support/WindowHarness.h"

using platform::detail::FunctionCallScript;
using platform::detail::IsScriptIdentifier;
using platform::detail::ScriptStringLiteral;

TEST(WebBrowserTest, LocalPathsBecomeFileAddressesKeepingTheQuery) {
  EXPECT_EQ(platform::BrowserAddressToUri(L"/opt/rodemir/MapView.htm?language=en"),
            L"file:///opt/rodemir/MapView.htm?language=en");
  EXPECT_EQ(platform::BrowserAddressToUri(L"/a b/한.htm"), L"file:///a%20b/%ED%95%9C.htm");
  // A folder named in bytes that are not UTF-8 keeps them.
  EXPECT_EQ(platform::BrowserAddressToUri(FileSystemToWide("/opt/caf\xE9/MapView.htm?language=en")),
            L"file:///opt/caf%E9/MapView.htm?language=en");
  EXPECT_EQ(platform::BrowserAddressToUri(L"https://example.org/x?y=1"), L"https://example.org/x?y=1");
  EXPECT_EQ(platform::BrowserAddressToUri(L""), L"");
}

TEST(WebBrowserTest, HeadlessControlRecordsAndAnswersFromPageFunctions) {
  HWND host = reinterpret_cast<HWND>(0x44);
  auto browser = platform::WebBrowser::Create(host, CRect(695, 466, 1019, 663));
  auto* headless = dynamic_cast<platform::HeadlessWebBrowser*>(browser.get());
  ASSERT_NE(headless, nullptr);
  EXPECT_EQ(platform::WebBrowser::ForHost(host), browser.get());

  EXPECT_FALSE(browser->HasDocument());
  EXPECT_EQ(browser->CallFunctionForResult(L"DrawCurrent", {L"1"}, 100), L"");
  browser->Navigate(L"/x/MapView.htm?language=ko");
  EXPECT_TRUE(browser->HasDocument());
  headless->SetPageFunction(L"Echo", [](const std::vector<CString>& args) { return args[0] + L"!"; });
  browser->CallFunction(L"DrawCurrent", {L"37.500000", L"127.000000"});
  EXPECT_EQ(browser->CallFunctionForResult(L"Echo", {L"hi"}, 100), L"hi!");
  EXPECT_EQ(browser->CallFunctionForResult(L"Missing", {}, 100), L"");
  browser->SetRect(CRect(0, 0, 0, 0));

  ASSERT_EQ(headless->Navigations().size(), 1u);
  EXPECT_EQ(headless->Navigations()[0], L"file:///x/MapView.htm?language=ko");
  ASSERT_EQ(headless->Calls().size(), 4u);
  EXPECT_EQ(headless->Calls()[1].name, L"DrawCurrent");
  EXPECT_EQ(headless->Calls()[1].args, (std::vector<CString>{L"37.500000", L"127.000000"}));
  EXPECT_TRUE(headless->Rect().IsRectEmpty());
  browser.reset();
  EXPECT_EQ(platform::WebBrowser::ForHost(host), nullptr);
}

TEST(ScriptTextTest, NamesMustBeIdentifiersAndTextIsQuotedExactly) {
  EXPECT_TRUE(IsScriptIdentifier("DrawCurrent"));
  EXPECT_TRUE(IsScriptIdentifier("_a$1"));
  EXPECT_FALSE(IsScriptIdentifier("1a"));
  EXPECT_FALSE(IsScriptIdentifier("alert(1)"));
  EXPECT_FALSE(IsScriptIdentifier(""));
  EXPECT_EQ(ScriptStringLiteral("it's a\\b"), "'it\\'s a\\\\b'");
  EXPECT_EQ(ScriptStringLiteral("a\nb\x01"), "'a\\x0ab\\x01'");
  EXPECT_EQ(ScriptStringLiteral("x\xE2\x80\xA8y"), "'x\\u2028y'");
  EXPECT_EQ(ScriptStringLiteral("\xED\x95\x9C"), "'\xED\x95\x9C'");
  EXPECT_NE(FunctionCallScript("F", {"a", "b"}).find("window.F('a','b')"), std::string::npos);
}

TEST(WebBrowserWindowTest, FollowsItsWindowAndEndsWithIt) {
  platform::test::WindowHarness harness;
  platform::RegisterWebBrowserClass();
  HWND top = CreateWindowEx(0, L"", L"", WS_POPUP | WS_VISIBLE, 100, 50, 400, 300, nullptr, nullptr, nullptr);
  HWND map = CreateWindowEx(0, platform::WEBBROWSER_CLASS, L"", WS_CHILD | WS_VISIBLE, 20, 30, 200, 100, top,
                            reinterpret_cast<HMENU>(1068), nullptr);
  auto* browser = dynamic_cast<platform::HeadlessWebBrowser*>(platform::WebBrowser::ForHost(map));
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(browser->Rect(), CRect(20, 30, 220, 130));

  MoveWindow(map, 5, 6, 0, 0, TRUE);
  EXPECT_TRUE(browser->Rect().IsRectEmpty());
  MoveWindow(map, 5, 6, 50, 40, TRUE);
  EXPECT_EQ(browser->Rect(), CRect(5, 6, 55, 46));
  ShowWindow(map, SW_HIDE);
  EXPECT_TRUE(browser->Rect().IsRectEmpty());
  ShowWindow(map, SW_SHOW);
  EXPECT_EQ(browser->Rect(), CRect(5, 6, 55, 46));

  DestroyWindow(top);
  EXPECT_EQ(platform::WebBrowser::ForHost(map), nullptr);
}

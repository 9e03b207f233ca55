#include "platform/web/WebBrowser.h"

#include <gtest/gtest.h>

#include "platform/web/HeadlessWebBrowser.h"
#include "platform/web/detail/ScriptText.h"

using platform::detail::FunctionCallScript;
using platform::detail::IsScriptIdentifier;
using platform::detail::ScriptStringLiteral;

TEST(WebBrowserTest, LocalPathsBecomeFileAddressesKeepingTheQuery) {
  EXPECT_EQ(platform::BrowserAddressToUri(L"/opt/rodemir/MapView.htm?language=en"),
            L"file:///opt/rodemir/MapView.htm?language=en");
  EXPECT_EQ(platform::BrowserAddressToUri(L"/a b/한.htm"), L"file:///a%20b/%ED%95%9C.htm");
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

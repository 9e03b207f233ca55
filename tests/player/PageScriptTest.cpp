#include "player/PageScript.h"

#include <gtest/gtest.h>

#include "platform/web/HeadlessWebBrowser.h"
#include "player/ExplorerMapViewWnd.h"
#include "tests/support/WindowHarness.h"

namespace {

using Args = std::vector<CString>;

}  // namespace

TEST(PageScriptTest, NameAndArgumentsComeFromTheScriptText) {
  PageScriptCall call = ParsePageScript(L"javascript:DrawCurrent('37.500000', '127.250000','9')");
  EXPECT_EQ(call.name, L"DrawCurrent");
  EXPECT_EQ(call.args, (Args{L"37.500000", L"127.250000", L"9"}));

  EXPECT_EQ(ParsePageScript(L"f(\"a\";b)").args, (Args{L"a", L"b"}));
  EXPECT_EQ(ParsePageScript(L"f(a\tb,,  c)").args, (Args{L"a", L"b", L"c"}));
  EXPECT_EQ(ParsePageScript(L" \tf (x)").name, L"f");
  EXPECT_EQ(ParsePageScript(L"DrawCurrent('-33.868820', '-151.209296','9')").args,
            (Args{L"-33.868820", L"-151.209296", L"9"}));
  EXPECT_EQ(ParsePageScript(L"g()").args, Args{});
  // Without "(" there is no function to call.
  EXPECT_EQ(ParsePageScript(L"javascript:DrawCurrent").name, L"");
  EXPECT_EQ(ParsePageScript(L"").name, L"");
}

TEST(PageScriptTest, TheHostedControlLoadsAndRunsFunctionsOnlyWithAPage) {
  platform::test::WindowHarness harness;
  CWnd top;
  ASSERT_TRUE(top.CreateEx(0, L"", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1024, 700, nullptr, nullptr));
  CExplorerMapViewWnd map;
  ASSERT_TRUE(map.Create(L"", WS_CHILD | WS_VISIBLE, CRect(695, 466, 1019, 663), &top, 1068));
  auto* browser = dynamic_cast<platform::HeadlessWebBrowser*>(platform::WebBrowser::ForHost(map.m_hWnd));
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(browser->Rect(), CRect(695, 466, 1019, 663));

  EXPECT_EQ(CallPageScript(&map, L"javascript:DrawCurrent('1.000000', '2.000000','9')"), L"");
  EXPECT_TRUE(browser->Calls().empty());

  map.Navigate(L"/opt/rodemir/MapView.htm?language=ko");
  ASSERT_EQ(browser->Navigations(), (Args{L"file:///opt/rodemir/MapView.htm?language=ko"}));
  CallPageScript(&map, L"javascript:DrawCurrent('37.500000', '127.250000','9')");
  CallPageScript(&map, L"javascript:DrawCurrent");
  CallPageScript(&map, L"");
  EXPECT_EQ(CallPageScript(nullptr, L"f(1)"), L"");
  ASSERT_EQ(browser->Calls().size(), 1u);
  EXPECT_EQ(browser->Calls()[0].name, L"DrawCurrent");
  EXPECT_EQ(browser->Calls()[0].args, (Args{L"37.500000", L"127.250000", L"9"}));

  top.DestroyWindow();
  EXPECT_EQ(platform::WebBrowser::ForHost(map.m_hWnd), nullptr);
}

// Needs a display: registered by tests/e2e/web.cmake and run under Xvfb.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/base/UiDispatch.h"
#include "platform/web/HeadlessWebBrowser.h"
#include "platform/web/WebBrowser.h"
#include "platform/web/WebBrowserWindow.h"
#include "platform/web/detail/NativeWidgetHost.h"
#include "platform/web/detail/WebKitBrowser.h"
#include "platform/win/Window.h"
#include "platform/win/WindowStyles.h"
#include "tests/support/TempDir.h"

namespace {

// Offline, so that no page reaches a server, with the engine's cache in the build tree;
// set before any view is made, unless the caller set them.
const struct Environment {
  Environment() {
    setenv("RODEMIR_ONLINE", "0", 0);
    setenv("XDG_CACHE_HOME", RODEMIR_BUILD_DIR "/test-cache", 0);
  }
} g_environment;

const char* kPage = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"></head><body>
<div id="out">start</div>
<script>
function SetText(a, b) { document.getElementById('out').textContent = a + '|' + b; }
function GetText() { return document.getElementById('out').textContent; }
function Query() { return location.search; }
function Agent() { return navigator.userAgent; }
</script></body></html>
)";

bool WaitUntil(const std::function<bool()>& done, int seconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!done() && std::chrono::steady_clock::now() < deadline) platform::PumpUiThread(20);
  return done();
}

// Hosts no view (each gets a window of its own) and watches the first one for its end.
class WatchingHost : public platform::detail::NativeWidgetHost {
public:
  bool Place(HWND, GtkWidget* widget, const CRect&, bool) override {
    if (!watched) {
      watched = widget;
      g_object_add_weak_pointer(G_OBJECT(widget), reinterpret_cast<gpointer*>(&watched));
    }
    return false;
  }
  GtkWidget* watched = nullptr;
};

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
  HWND map = CreateWindowEx(0, platform::WEBBROWSER_CLASS, L"", WS_CHILD | WS_VISIBLE, 20, 30, 320, 200, top, nullptr,
                            nullptr);
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

TEST(WebKitBrowserTest, NamesTheProgramAndOutlivesItsPageProcess) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  testsupport::TempDir dir;
  std::ofstream(dir.File("page.htm")) << kPage;
  auto browser = platform::WebBrowser::Create(reinterpret_cast<HWND>(0x78), CRect(10, 10, 330, 210));
  auto* webkit = dynamic_cast<platform::detail::WebKitBrowser*>(browser.get());
  ASSERT_NE(webkit, nullptr);
  browser->Navigate(CString::FromUtf8(dir.File("page.htm")));
  ASSERT_TRUE(WaitUntil([&] { return browser->HasDocument(); }, 60));
  EXPECT_NE(browser->CallFunctionForResult(L"Agent", {}, 10000).Find(L"RODEMIR/"), -1);

  webkit->EndPageProcess();
  ASSERT_TRUE(WaitUntil([&] { return !browser->HasDocument(); }, 10));
  browser->CallFunction(L"SetText", {L"a", L"b"});
  auto asked = std::chrono::steady_clock::now();
  EXPECT_EQ(browser->CallFunctionForResult(L"GetText", {}, 10000), L"");
  EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(1));

  browser->Navigate(CString::FromUtf8(dir.File("page.htm")));
  ASSERT_TRUE(WaitUntil([&] { return browser->HasDocument(); }, 60));
  EXPECT_EQ(browser->CallFunctionForResult(L"GetText", {}, 10000), L"start");
}

TEST(WebKitBrowserTest, AMissingPageAnswersNoCall) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  testsupport::TempDir dir;
  auto browser = platform::WebBrowser::Create(reinterpret_cast<HWND>(0x79), CRect(10, 10, 330, 210));
  browser->Navigate(CString::FromUtf8(dir.File("missing.htm")) + L"?language=en");
  WaitUntil([&] { return browser->HasDocument(); }, 10);
  EXPECT_EQ(browser->CallFunctionForResult(L"GetText", {}, 5000), L"");
  EXPECT_EQ(browser->CallFunctionForResult(L"Query", {}, 5000), L"");
}

// Offline, a server on this machine must see no request.
TEST(WebKitBrowserTest, OfflineViewsReachNoServerAndCacheInTheUsersCacheFolder) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  const char* online = std::getenv("RODEMIR_ONLINE");
  if (!online || std::string(online) != "0") GTEST_SKIP() << "needs RODEMIR_ONLINE=0 from the start";
  int server = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
  ASSERT_GE(server, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(server, 4), 0);
  ASSERT_EQ(getsockname(server, reinterpret_cast<sockaddr*>(&address), &length), 0);
  std::string tile = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/9/436/200.png";

  testsupport::TempDir dir;
  std::ofstream(dir.File("tiles.htm")) << "<!DOCTYPE html><html><body><img src=\"" << tile << "\"></body></html>";
  auto browser = platform::WebBrowser::Create(reinterpret_cast<HWND>(0x7A), CRect(10, 10, 330, 210));
  auto* webkit = dynamic_cast<platform::detail::WebKitBrowser*>(browser.get());
  ASSERT_NE(webkit, nullptr);
  browser->Navigate(CString::FromUtf8(dir.File("tiles.htm")));
  ASSERT_TRUE(WaitUntil([&] { return browser->HasDocument(); }, 60));
  auto& asked = webkit->RequestedUris();
  EXPECT_NE(std::find(asked.begin(), asked.end(), tile), asked.end());
  WaitUntil([] { return false; }, 1);
  EXPECT_LT(accept(server, nullptr, nullptr), 0);
  close(server);

  // The engine keeps its disk cache under the user's cache folder.
  const char* userCache = std::getenv("XDG_CACHE_HOME");
  ASSERT_NE(userCache, nullptr);
  EXPECT_TRUE(std::filesystem::is_directory(std::string(userCache) + "/rodemir/web/WebKitCache"));
}

// GLib reads the user's folders once per process, and the engine's context is made once: these
// tests make their view in a run of the test alone, in a process of its own started in an
// empty working folder, which loads the page named by kOwnProcessPage.
const char* kOwnProcessPage = "RODEMIR_TEST_VIEW_PAGE";

bool InOwnProcess() { return std::getenv(kOwnProcessPage) != nullptr; }

void MakeOneView() {
  auto browser = platform::WebBrowser::Create(reinterpret_cast<HWND>(0x7C), CRect(10, 10, 330, 210));
  browser->Navigate(CString::FromUtf8(std::getenv(kOwnProcessPage)));
  ASSERT_TRUE(WaitUntil([&] { return browser->HasDocument(); }, 60));
  EXPECT_EQ(browser->CallFunctionForResult(L"GetText", {}, 10000), L"start");
}

// Runs the current test again in `work`, with HOME and XDG_CACHE_HOME as given; true when it passed.
bool RunAlone(const testsupport::TempDir& dir, const std::string& work, const std::string& home,
              const std::string& cache) {
  std::ofstream(dir.File("page.htm")) << kPage;
  std::unique_ptr<gchar*, decltype(&g_strfreev)> env(g_get_environ(), &g_strfreev);
  auto set = [&](const char* name, const std::string& value) {
    env.reset(g_environ_setenv(env.release(), name, value.c_str(), TRUE));
  };
  set("HOME", home);
  set("XDG_CACHE_HOME", cache);
  set(kOwnProcessPage, dir.File("page.htm"));
  env.reset(g_environ_unsetenv(env.release(), "XDG_DATA_HOME"));
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string filter = std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
  const char* argv[] = {"/proc/self/exe", filter.c_str(), nullptr};
  gint status = -1;
  return g_spawn_sync(work.c_str(), const_cast<gchar**>(argv), env.get(), G_SPAWN_DEFAULT, nullptr, nullptr, nullptr,
                      nullptr, &status, nullptr) &&
         g_spawn_check_wait_status(status, nullptr);
}

std::string Entries(const std::string& folder) {
  std::string names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names += entry.path().filename().string() + " ";
  return names;
}

TEST(WebKitBrowserTest, CachesUnderAHomeNamedInBytesThatAreNotUtf8AndNeverInTheWorkingFolder) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  if (InOwnProcess()) return MakeOneView();
  testsupport::TempDir dir;
  const std::string home = dir.File("heim\xE9"), work = dir.File("work");
  std::filesystem::create_directory(home);
  std::filesystem::create_directory(work);
  EXPECT_TRUE(RunAlone(dir, work, home, home + "/.cache"));
  EXPECT_TRUE(std::filesystem::is_directory(home + "/.cache/rodemir/web/WebKitCache"));
  EXPECT_EQ(Entries(work), "");
}

// A relative cache folder would be the working folder's: the engine then keeps its cache in
// memory. The libraries' own folders there (GLib's, the graphics driver's) are not ours.
TEST(WebKitBrowserTest, KeepsNoCacheUnderARelativeCacheFolder) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  if (InOwnProcess()) return MakeOneView();
  testsupport::TempDir dir;
  const std::string work = dir.File("work");
  std::filesystem::create_directory(work);
  EXPECT_TRUE(RunAlone(dir, work, "home", "cache"));
  EXPECT_FALSE(std::filesystem::exists(work + "/cache/rodemir"));
}

// A control that ends takes its view with it, page and all.
TEST(WebKitBrowserTest, EndingTheControlReleasesItsView) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  testsupport::TempDir dir;
  std::ofstream(dir.File("page.htm")) << kPage;
  WatchingHost host;
  platform::detail::SetNativeWidgetHost(&host);
  auto browser = platform::WebBrowser::Create(reinterpret_cast<HWND>(0x7B), CRect(10, 10, 330, 210));
  browser->Navigate(CString::FromUtf8(dir.File("page.htm")));
  ASSERT_TRUE(WaitUntil([&] { return browser->HasDocument(); }, 60));
  ASSERT_NE(host.watched, nullptr);
  EXPECT_FALSE(dynamic_cast<platform::detail::WebKitBrowser&>(*browser).HostedByPresenter());
  browser.reset();
  platform::detail::SetNativeWidgetHost(nullptr);
  EXPECT_TRUE(WaitUntil([&] { return host.watched == nullptr; }, 10));
}

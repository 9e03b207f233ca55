// Needs a display: registered by tests/e2e/web.cmake and run under Xvfb.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/base/UiDispatch.h"
#include "platform/web/WebBrowser.h"
#include "platform/web/detail/WebEngineModule.h"
#include "platform/web/detail/WebKitBrowser.h"
#include "tests/support/TempDir.h"

namespace {

const char* kPage = "<!DOCTYPE html><html><body><script>function Answer() { return 'yes'; }</script></body></html>";

std::string LibraryOf(void* symbol) {
  Dl_info info{};
  return dladdr(symbol, &info) && info.dli_fname ? info.dli_fname : "";
}

// Uses two controls the way the map does; returns what they wrote on standard error.
std::string UseTwoBlankControls(const std::string& page) {
  testing::internal::CaptureStderr();
  for (intptr_t host : {0x81, 0x82}) {
    auto browser = platform::WebBrowser::Create(reinterpret_cast<HWND>(host), CRect(10, 10, 330, 210));
    EXPECT_NE(dynamic_cast<platform::detail::WebKitBrowser*>(browser.get()), nullptr);
    browser->Navigate(CString::FromUtf8(page));
    browser->SetRect(CRect(20, 20, 200, 120));
    browser->Show(false);
    platform::PumpUiThread(50);
    EXPECT_FALSE(browser->HasDocument());
    browser->CallFunction(L"Answer", {});
    EXPECT_EQ(browser->CallFunctionForResult(L"Answer", {}, 1000), L"");
  }
  return testing::internal::GetCapturedStderr();
}

}  // namespace

// A missing file, a file that is no module, and a library without the entry point: the
// controls stay blank, the caller goes on, and one line says why.
TEST(WebEngineModuleTest, WithoutTheModuleControlsStayBlankAndOneLineSaysWhy) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  testsupport::TempDir dir;
  std::ofstream(dir.File("page.htm")) << kPage;
  std::ofstream(dir.File("librodemir-web.so")) << "not a module";
  const std::string otherLibrary = LibraryOf(reinterpret_cast<void*>(&dladdr));
  ASSERT_FALSE(otherLibrary.empty());

  for (const std::string& module :
       {dir.File("missing/librodemir-web.so"), dir.File("librodemir-web.so"), otherLibrary}) {
    SCOPED_TRACE(module);
    platform::detail::SetWebEngineModulePath(module);
    std::string said = UseTwoBlankControls(dir.File("page.htm"));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(said.rfind("rodemir: the map is not shown", 0), 0u) << said;
  }

  // The usual places hold the module: the next control shows the page.
  platform::detail::SetWebEngineModulePath("");
  auto browser = platform::WebBrowser::Create(reinterpret_cast<HWND>(0x83), CRect(10, 10, 330, 210));
  browser->Navigate(CString::FromUtf8(dir.File("page.htm")));
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!browser->HasDocument() && std::chrono::steady_clock::now() < deadline) platform::PumpUiThread(20);
  ASSERT_TRUE(browser->HasDocument());
  EXPECT_EQ(browser->CallFunctionForResult(L"Answer", {}, 10000), L"yes");
}

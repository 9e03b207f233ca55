// Needs a display: registered by tests/e2e/map.cmake and run under Xvfb with the gtk
// presenter, the real browser engine and the map page built beside this program.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "platform/base/Thread.h"
#include "platform/base/UiDispatch.h"
#include "platform/web/WebBrowser.h"
#include "platform/web/detail/WebEngineModule.h"
#include "platform/web/detail/WebKitBrowser.h"
#include "player/TavrenPlayerDlg.h"

namespace {

// The engine is made offline (no server is ever reached) when the first view is made;
// RODEMIR_ONLINE is turned on later only to let the program decide to load the page.
const struct Environment {
  Environment() {
    setenv("RODEMIR_ONLINE", "0", 1);
    setenv("XDG_CACHE_HOME", RODEMIR_BUILD_DIR "/test-cache", 0);
  }
} g_environment;

bool WaitUntil(const std::function<bool()>& done, int seconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!done() && std::chrono::steady_clock::now() < deadline) platform::PumpUiThread(20);
  return done();
}

bool IsTile(const std::string& uri) { return uri.rfind("https://tile.openstreetmap.org/", 0) == 0; }

class MapViewE2e : public ::testing::Test {
protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
    // Without its library the page loads but never marks anything.
    ASSERT_TRUE(std::ifstream(RODEMIR_BUILD_DIR "/leaflet/leaflet.js").good())
        << "the map library is not beside the program: run scripts/deps, then build again";
    thread.m_pMainWnd = &dlg;
    AfxSetUiThread(&thread);
    ASSERT_TRUE(dlg.Create(IDD_TAVRENPLAYER_DIALOG, nullptr));
    dlg.ShowWindow(SW_SHOW);
    platform::PumpUiThread(100);
    browser = dynamic_cast<platform::detail::WebKitBrowser*>(platform::WebBrowser::ForHost(dlg.m_wndMap.m_hWnd));
    ASSERT_NE(browser, nullptr);
    dlg.m_textData.m_arrGPS.RemoveAll();
    AddSample(1000, 37.5, 127.25);
    AddSample(2000, 37.5010, 127.2510);
    AddSample(3000, 37.5020, 127.2520);
  }

  void TearDown() override {
    if (dlg.GetSafeHwnd()) dlg.DestroyWindow();
    platform::PumpUiThread(50);
    thread.m_pMainWnd = nullptr;
    AfxSetUiThread(nullptr);
  }

  void AddSample(UINT time, double coord2, double coord1) {
    CGPSData sample;
    sample.m_nTime = time;
    sample.m_dCoord2 = coord2;
    sample.m_dCoord1 = coord1;
    sample.m_bValid = 1;
    dlg.m_textData.m_arrGPS.Add(sample);
  }

  CString Marker() { return browser->CallFunctionForResult(L"MarkerPosition", {}, 10000); }
  size_t TileRequests() const {
    const auto& asked = browser->RequestedUris();
    return std::set<std::string>(asked.begin(), asked.end()).size() -
           static_cast<size_t>(std::count_if(asked.begin(), asked.end(), [](const auto& u) { return !IsTile(u); }));
  }

  CWinThread thread;
  CTavrenPlayerDlg dlg;
  platform::detail::WebKitBrowser* browser = nullptr;
};

TEST_F(MapViewE2e, OfflineTheSmallMapLoadsNothing) {
  setenv("RODEMIR_ONLINE", "0", 1);
  dlg.OnBnClickedShowMap();
  dlg.OnBnClickedShowLargeMap();
  for (UINT t = 0; t < 3000; t += 200) dlg.m_wndMap.DrawCurrent(t);
  WaitUntil([] { return false; }, 1);
  EXPECT_EQ(dlg.m_nMapMode, MAP_MODE_LARGE);
  EXPECT_FALSE(browser->HasDocument());
  EXPECT_TRUE(browser->RequestedUris().empty());
}

TEST_F(MapViewE2e, ThePageLoadsFromBesideTheProgramAndTheMarkerFollowsTheTicks) {
  setenv("RODEMIR_ONLINE", "1", 1);
  dlg.m_wLangID = 1042;
  dlg.OnBnClickedShowMap();
  setenv("RODEMIR_ONLINE", "0", 1);
  ASSERT_EQ(dlg.m_nMapMode, MAP_MODE_SMALL);
  ASSERT_TRUE(WaitUntil([&] { return browser->HasDocument(); }, 60));
  ASSERT_FALSE(browser->RequestedUris().empty());
  EXPECT_EQ(browser->RequestedUris()[0].rfind("file://", 0), 0u);
  EXPECT_NE(browser->RequestedUris()[0].find("/MapView.htm?language=ko"), std::string::npos);
  // No tile before there is a position to show.
  EXPECT_EQ(Marker(), L"");
  EXPECT_EQ(TileRequests(), 0u);

  dlg.m_wndMap.DrawCurrent(1500);
  EXPECT_TRUE(WaitUntil([&] { return Marker() == L"37.501000,127.251000"; }, 20)) << Marker().ToUtf8();
  // Only the tiles of the 324 x 197 view: at most three columns and two rows.
  WaitUntil([] { return false; }, 1);
  EXPECT_GT(TileRequests(), 0u);
  EXPECT_LE(TileRequests(), 6u);

  dlg.m_wndMap.DrawCurrent(2500);
  EXPECT_TRUE(WaitUntil([&] { return Marker() == L"37.502000,127.252000"; }, 20)) << Marker().ToUtf8();
  dlg.m_wndMap.DrawCurrent(3500);  // past the last sample: the marker stays
  EXPECT_EQ(Marker(), L"37.502000,127.252000");
}

TEST_F(MapViewE2e, TicksGoOnWhenThePageProcessDies) {
  setenv("RODEMIR_ONLINE", "1", 1);
  dlg.OnBnClickedShowMap();
  setenv("RODEMIR_ONLINE", "0", 1);
  ASSERT_TRUE(WaitUntil([&] { return browser->HasDocument(); }, 60));
  browser->EndPageProcess();
  ASSERT_TRUE(WaitUntil([&] { return !browser->HasDocument(); }, 10));
  // Ticks run from the UI thread's queue as the timer's do: every one must come back, and
  // none may ask the dead page for anything or load it again.
  const size_t requestsBefore = browser->RequestedUris().size();
  int ticksDone = 0;
  for (UINT t = 0; t < 3000; t += 200)
    platform::PostToUiThread([this, t, &ticksDone] {
      dlg.m_wndMap.DrawCurrent(t);
      ++ticksDone;
    });
  ASSERT_TRUE(WaitUntil([&] { return ticksDone == 15; }, 60)) << ticksDone << " ticks done";
  EXPECT_FALSE(browser->HasDocument());
  EXPECT_EQ(browser->RequestedUris().size(), requestsBefore);

  // The next show loads the page afresh and marks again.
  setenv("RODEMIR_ONLINE", "1", 1);
  dlg.OnBnClickedShowMap();
  dlg.OnBnClickedShowMap();
  setenv("RODEMIR_ONLINE", "0", 1);
  ASSERT_TRUE(WaitUntil([&] { return browser->HasDocument(); }, 60));
  dlg.m_wndMap.DrawCurrent(500);
  EXPECT_TRUE(WaitUntil([&] { return Marker() == L"37.500000,127.250000"; }, 20)) << Marker().ToUtf8();
}

// Without the browser engine's module the map stays blank and the program goes on.
class MapViewWithoutEngineE2e : public MapViewE2e {
protected:
  void SetUp() override {
    platform::detail::SetWebEngineModulePath("/nonexistent/librodemir-web.so");
    MapViewE2e::SetUp();
  }
  void TearDown() override {
    MapViewE2e::TearDown();
    platform::detail::SetWebEngineModulePath("");
  }
};

TEST_F(MapViewWithoutEngineE2e, TheMapStaysBlankAndTheTicksGoOn) {
  setenv("RODEMIR_ONLINE", "1", 1);
  dlg.OnBnClickedShowMap();
  dlg.OnBnClickedShowLargeMap();
  setenv("RODEMIR_ONLINE", "0", 1);
  for (UINT t = 0; t < 3000; t += 200) dlg.m_wndMap.DrawCurrent(t);
  WaitUntil([] { return false; }, 1);
  EXPECT_EQ(dlg.m_nMapMode, MAP_MODE_LARGE);
  EXPECT_FALSE(browser->HasDocument());
  EXPECT_TRUE(browser->RequestedUris().empty());
  EXPECT_EQ(Marker(), L"");
}

}  // namespace

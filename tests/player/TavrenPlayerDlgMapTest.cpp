#include <gtest/gtest.h>

#include <limits>

#include "platform/base/System.h"
#include "platform/web/HeadlessWebBrowser.h"
#include "platform/win/MessageBox.h"
#include "tests/player/PlayerDlgFixture.h"
#include "tests/skin/SkinTestDialog.h"

namespace {

using playertest::PlayerDlgFixture;
using playertest::ScopedEnv;
using Args = std::vector<CString>;
using skintest::BitmapPixel;

// The tooltip of a skinned button, reached through a pointer to its protected member.
struct TipOf : COktSkinButton {
  static CString Text(COktSkinButton& button) {
    CToolTipCtrl COktSkinButton::*tip = &TipOf::m_toolTip;
    CString text;
    (button.*tip).GetText(text, &button);
    return text;
  }
};

// A point where the show-map and hide-map faces differ.
CPoint FaceDifference() {
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 37; ++x)
      if (BitmapPixel(158, x, y) != BitmapPixel(280, x, y)) return CPoint(x, y);
  return CPoint(-1, -1);
}

class TavrenPlayerDlgMapTest : public PlayerDlgFixture {
protected:
  void SetUp() override {
    PlayerDlgFixture::SetUp();
    ASSERT_TRUE(created);
    browser = dynamic_cast<platform::HeadlessWebBrowser*>(platform::WebBrowser::ForHost(Item(IDC_MAP)));
    ASSERT_NE(browser, nullptr);
    dlg->m_wLangID = 1049;
    SetSamples({{1000, 37.5, 127.25}, {2000, 37.6, 127.35}, {3000, 37.7, 127.45}});
  }

  struct Fix {
    UINT time;
    double coord2, coord1;
    int valid = 1;
  };
  void SetSamples(std::initializer_list<Fix> fixes) {
    dlg->m_textData.m_arrGPS.RemoveAll();
    for (const Fix& f : fixes) {
      CGPSData sample;
      sample.m_nTime = f.time;
      sample.m_dCoord2 = f.coord2;
      sample.m_dCoord1 = f.coord1;
      sample.m_bValid = f.valid;
      dlg->m_textData.m_arrGPS.Add(sample);
    }
  }

  CString PageUri() const { return platform::BrowserAddressToUri(GetModuleFolder() + L"MapView.htm?language=ru"); }
  bool ShowMapFaceIs(UINT bitmap) const {
    return harness.Pixel(Item(IDC_BTN_SHOWMAP), face) == BitmapPixel(bitmap, face.x, face.y);
  }

  void ExpectNoMapLayout() {
    EXPECT_EQ(dlg->m_nMapMode, 0);
    EXPECT_EQ(Rect(IDC_LIST_FILES), CRect(695, 126, 695 + 308 + g_cxVScroll, 126 + 508));
    EXPECT_TRUE(Rect(IDC_MAP).IsRectEmpty());
    EXPECT_EQ(Rect(IDC_BTN_LARGEMAP), CRect(937, 639, 973, 661));
    EXPECT_EQ(Rect(IDC_BTN_SHOWMAP), CRect(973, 639, 1010, 661));
    EXPECT_EQ(TipOf::Text(dlg->m_btnShowMap), L"Показать карту");
    EXPECT_TRUE(ShowMapFaceIs(280));
  }

  void ExpectSmallMapButtons() {
    EXPECT_EQ(dlg->m_nMapMode, 8);
    EXPECT_EQ(Rect(IDC_LIST_FILES), CRect(695, 126, 695 + 308 + g_cxVScroll, 126 + 310));
    EXPECT_EQ(Rect(IDC_BTN_LARGEMAP), CRect(937, 441, 973, 463));
    EXPECT_EQ(Rect(IDC_BTN_SHOWMAP), CRect(973, 441, 1010, 463));
    EXPECT_EQ(TipOf::Text(dlg->m_btnShowMap), L"Скрыть карту");
    EXPECT_TRUE(ShowMapFaceIs(158));
  }

  platform::HeadlessWebBrowser* browser = nullptr;
  const CPoint face = FaceDifference();
};

TEST_F(TavrenPlayerDlgMapTest, SmallMapShowsBelowTheListAndLoadsThePageEachTime) {
  ScopedEnv online("RODEMIR_ONLINE", "1");
  ASSERT_GE(face.x, 0);
  Command(IDC_BTN_SHOWMAP);
  ExpectSmallMapButtons();
  EXPECT_EQ(Rect(IDC_MAP), CRect(695, 466, 1019, 663));
  EXPECT_EQ(browser->Rect(), CRect(695, 466, 1019, 663));
  EXPECT_EQ(browser->Navigations(), (Args{PageUri()}));

  Command(IDC_BTN_SHOWMAP);
  ExpectNoMapLayout();
  EXPECT_TRUE(browser->Rect().IsRectEmpty());
  EXPECT_EQ(browser->Navigations().size(), 1u);

  Command(IDC_BTN_SHOWMAP);
  EXPECT_EQ(browser->Navigations(), (Args{PageUri(), PageUri()}));
  EXPECT_TRUE(scripted.messageBoxes().empty());
}

TEST_F(TavrenPlayerDlgMapTest, OfflineTheSmallMapTakesNoRoomAndNoPageIsLoaded) {
  ScopedEnv offline("RODEMIR_ONLINE", "0");
  Command(IDC_BTN_SHOWMAP);
  ExpectSmallMapButtons();
  EXPECT_EQ(Rect(IDC_MAP), CRect(676, 71, 676, 71));
  EXPECT_TRUE(browser->Rect().IsRectEmpty());
  Command(IDC_BTN_LARGEMAP);
  EXPECT_EQ(dlg->m_nMapMode, 16);
  EXPECT_EQ(Rect(IDC_MAP), CRect(2, 48, 1019, 663));
  EXPECT_TRUE(browser->Navigations().empty());
}

TEST_F(TavrenPlayerDlgMapTest, LargeMapCoversTheVideoAndReducesToTheSmallMap) {
  ScopedEnv online("RODEMIR_ONLINE", "1");
  Command(IDC_BTN_LARGEMAP);
  EXPECT_EQ(dlg->m_nMapMode, 16);
  EXPECT_EQ(Rect(IDC_MAP), CRect(2, 48, 1019, 663));
  EXPECT_EQ(Rect(IDC_BTN_LARGEMAP), CRect(897, 12, 934, 40));
  EXPECT_EQ(TipOf::Text(dlg->m_btnLargeMap), L"Уменьшить карту");
  EXPECT_EQ(browser->Navigations(), (Args{PageUri()}));

  Command(IDC_BTN_LARGEMAP);
  ExpectSmallMapButtons();
  EXPECT_EQ(Rect(IDC_MAP), CRect(695, 466, 1019, 663));
  EXPECT_EQ(TipOf::Text(dlg->m_btnLargeMap), L"Большая карта");
  EXPECT_EQ(browser->Navigations(), (Args{PageUri(), PageUri()}));
}

TEST_F(TavrenPlayerDlgMapTest, WithoutSamplesNoMapShowsButTheSmallMapStillHides) {
  ScopedEnv online("RODEMIR_ONLINE", "1");
  SetSamples({});
  dlg->m_wLangID = 1033;
  scripted.MessageBoxAnswer(IDOK).MessageBoxAnswer(IDOK);
  Command(IDC_BTN_SHOWMAP);
  Command(IDC_BTN_LARGEMAP);
  ASSERT_EQ(scripted.messageBoxes().size(), 2u);
  for (const auto& box : scripted.messageBoxes()) {
    EXPECT_EQ(box.text, L"Detected no GPS datas.");
    EXPECT_EQ(box.type & 0xF, static_cast<UINT>(MB_OK));
  }
  EXPECT_EQ(dlg->m_nMapMode, 0);
  EXPECT_TRUE(browser->Navigations().empty());

  // A recording opened while the small map shows has no samples until its loader ends;
  // hiding the map then must not ask for them.
  SetSamples({{1000, 37.5, 127.25}});
  Command(IDC_BTN_SHOWMAP);
  SetSamples({});
  dlg->m_wLangID = 1049;
  Command(IDC_BTN_SHOWMAP);
  ExpectNoMapLayout();
  EXPECT_EQ(scripted.messageBoxes().size(), 2u);
}

// The large map reduces to the small one while a recording opened under it still loads its
// samples; only growing the small map into the large one again needs them.
TEST_F(TavrenPlayerDlgMapTest, WithoutSamplesYetTheLargeMapStillReduces) {
  ScopedEnv online("RODEMIR_ONLINE", "1");
  Command(IDC_BTN_LARGEMAP);
  ASSERT_EQ(dlg->m_nMapMode, 16);
  SetSamples({});
  Command(IDC_BTN_LARGEMAP);
  ExpectSmallMapButtons();
  EXPECT_EQ(Rect(IDC_MAP), CRect(695, 466, 1019, 663));
  EXPECT_TRUE(Visible(IDC_LIST_FILES));
  EXPECT_TRUE(scripted.messageBoxes().empty());

  scripted.MessageBoxAnswer(IDOK);
  Command(IDC_BTN_LARGEMAP);
  EXPECT_EQ(dlg->m_nMapMode, 8);
  ASSERT_EQ(scripted.messageBoxes().size(), 1u);
  EXPECT_EQ(scripted.messageBoxes()[0].text, L"Данные GPS не найдены.");
}

TEST_F(TavrenPlayerDlgMapTest, EachTickMarksTheSampleAtOrAfterThePlayingTime) {
  ScopedEnv online("RODEMIR_ONLINE", "1");
  dlg->m_wndMap.DrawCurrent(1500);
  EXPECT_TRUE(browser->Calls().empty());  // no page yet

  Command(IDC_BTN_SHOWMAP);
  for (UINT t : {0u, 1500u, 3000u, 3001u}) dlg->m_wndMap.DrawCurrent(t);
  Command(IDC_BTN_SHOWMAP);
  dlg->m_wndMap.DrawCurrent(2000);  // the page stays loaded while the map is hidden

  ASSERT_EQ(browser->Calls().size(), 4u);
  for (const auto& call : browser->Calls()) EXPECT_EQ(call.name, L"DrawCurrent");
  EXPECT_EQ(browser->Calls()[0].args, (Args{L"37.500000", L"127.250000", L"9"}));
  EXPECT_EQ(browser->Calls()[1].args, (Args{L"37.600000", L"127.350000", L"9"}));
  EXPECT_EQ(browser->Calls()[2].args, (Args{L"37.700000", L"127.450000", L"9"}));
  EXPECT_EQ(browser->Calls()[3].args, (Args{L"37.600000", L"127.350000", L"9"}));
}

TEST_F(TavrenPlayerDlgMapTest, PositionsThePageCannotPlaceAreNeverSent) {
  ScopedEnv online("RODEMIR_ONLINE", "1");
  Command(IDC_BTN_SHOWMAP);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  SetSamples({{1000, 37.5, 127.25, 0},
              {2000, 0.0, 0.0},
              {3000, nan, 127.0},
              {4000, 37.5, nan},
              {5000, 91.0, 127.0},
              {6000, 37.5, -180.5},
              {7000, 3730.5, 12715.25},
              {8000, -37.5, 0.0}});
  for (UINT t = 0; t <= 9000; t += 200) dlg->m_wndMap.DrawCurrent(t);
  ASSERT_EQ(browser->Calls().size(), 5u);  // 7200 .. 8000
  EXPECT_EQ(browser->Calls()[0].args, (Args{L"-37.500000", L"0.000000", L"9"}));

  // Without a main window there is nothing to read.
  browser->Navigate(L"/x.htm");
  thread.m_pMainWnd = nullptr;
  dlg->m_wndMap.DrawCurrent(8000);
  thread.m_pMainWnd = dlg.get();
  EXPECT_EQ(browser->Calls().size(), 5u);
}

}  // namespace

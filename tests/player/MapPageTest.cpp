#include "player/MapPage.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <string>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace {

CGPSData Sample(UINT time, double coord2, double coord1, int valid = 1) {
  CGPSData s;
  s.m_nTime = time;
  s.m_dCoord2 = coord2;
  s.m_dCoord1 = coord1;
  s.m_bValid = valid;
  return s;
}

// Samples at 1000, 2000 and 3000 ms, alone in the array.
void AddThreeSamples(CTextData& data) {
  data.m_arrGPS.RemoveAll();
  for (CGPSData s : {Sample(1000, 37.5, 127.25), Sample(2000, 37.6, 127.35), Sample(3000, 37.7, 127.45)})
    data.m_arrGPS.Add(s);
}

// A numeric locale with a decimal comma, made in a folder of its own and set for the scope.
class CommaLocale {
public:
  CommaLocale() : m_path("LOCPATH", m_dir.path()) {
    std::ofstream(m_dir.File("comma.def")) << "LC_NUMERIC\ndecimal_point \"<U002C>\"\nthousands_sep \"<U002E>\"\n"
                                              "grouping 3;3\nEND LC_NUMERIC\n";
    // -c: it defines no other category, which localedef reports but writes the locale anyway.
    const std::string make =
        "localedef -c -i '" + m_dir.File("comma.def") + "' '" + m_dir.File("comma") + "' >/dev/null 2>&1";
    const int made = std::system(make.c_str());
    (void)made;  // its status counts the warnings as well; setlocale tells whether it was made
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    m_old = current ? current : "C";
    m_set = std::setlocale(LC_NUMERIC, "comma") != nullptr;
  }
  ~CommaLocale() { std::setlocale(LC_NUMERIC, m_old.c_str()); }
  bool Set() const { return m_set && *std::localeconv()->decimal_point == ','; }

private:
  testsupport::TempDir m_dir;
  testsupport::ScopedEnv m_path;
  std::string m_old;
  bool m_set = false;
};

}  // namespace

TEST(MapPageTest, AddressNamesTheLanguageOfTheWindow) {
  EXPECT_EQ(BuildMapPageAddress(L"/opt/rodemir/", 1041), L"/opt/rodemir/MapView.htm?language=ja");
  EXPECT_EQ(BuildMapPageAddress(L"/opt/rodemir/", 1049), L"/opt/rodemir/MapView.htm?language=ru");
  EXPECT_EQ(BuildMapPageAddress(L"/opt/rodemir/", 1042), L"/opt/rodemir/MapView.htm?language=ko");
  EXPECT_EQ(BuildMapPageAddress(L"/opt/rodemir/", 1033), L"/opt/rodemir/MapView.htm?language=en");
  EXPECT_EQ(BuildMapPageAddress(L"/opt/rodemir/", 2057), L"/opt/rodemir/MapView.htm?language=en");
  // Without a main window the page is English, beside the running program.
  CString address = MapPageAddress();
  EXPECT_EQ(address.Left(1), L"/");
  EXPECT_EQ(address.Right(static_cast<int>(wcslen(L"/MapView.htm?language=en"))), L"/MapView.htm?language=en");
}

TEST(MapPageTest, SampleIsTheFirstAtOrAfterTheTime) {
  CTextData data;
  AddThreeSamples(data);
  EXPECT_EQ(FindMapSample(data.m_arrGPS, 0), 0);
  EXPECT_EQ(FindMapSample(data.m_arrGPS, 1000), 0);
  EXPECT_EQ(FindMapSample(data.m_arrGPS, 2000), 1);
  EXPECT_EQ(FindMapSample(data.m_arrGPS, 2001), 2);
  EXPECT_EQ(FindMapSample(data.m_arrGPS, 3001), -1);
  EXPECT_EQ(FindMapSample(data.m_arrGPS, 0xFFFFFFFFu), -1);
  EXPECT_EQ(FindMapSample(CArray<CGPSData, CGPSData&>(), 0), -1);
  // Array order, not time order: the first match wins.
  CGPSData late = Sample(5000, 1.0, 2.0);
  data.m_arrGPS.InsertAt(0, late);
  EXPECT_EQ(FindMapSample(data.m_arrGPS, 1500), 0);
}

TEST(MapPageTest, OnlyValidPlaceablePositionsAreMarked) {
  CCriticalSection cs;
  CTextData data;
  AddThreeSamples(data);
  CGPSData sample;
  ASSERT_TRUE(MapSampleAt(data, cs, 1500, sample));
  EXPECT_EQ(sample.m_dCoord2, 37.6);
  EXPECT_FALSE(MapSampleAt(data, cs, 3500, sample));

  // An invalid sample hides the valid one after it.
  data.m_arrGPS[1].m_bValid = 0;
  EXPECT_FALSE(MapSampleAt(data, cs, 1500, sample));

  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (auto [lat, lon] : {std::pair{0.0, 0.0},
                          {nan, 127.0},
                          {37.0, nan},
                          {inf, 127.0},
                          {90.5, 127.0},
                          {-90.5, 127.0},
                          {37.0, 180.5},
                          {37.0, -181.0},
                          {3750.1234, 12715.5}}) {
    data.m_arrGPS[2] = Sample(3000, lat, lon);
    EXPECT_FALSE(MapSampleAt(data, cs, 2500, sample)) << lat << "," << lon;
  }
  for (auto [lat, lon] : {std::pair{0.0, 127.0}, {37.0, 0.0}, {-90.0, 180.0}, {90.0, -180.0}}) {
    data.m_arrGPS[2] = Sample(3000, lat, lon);
    EXPECT_TRUE(MapSampleAt(data, cs, 2500, sample)) << lat << "," << lon;
  }
}

TEST(MapPageTest, ScriptTextKeepsItsDecimalPointInEveryLocale) {
  const CString expected = L"javascript:DrawCurrent('37.500000', '127.250000','9')";
  EXPECT_EQ(DrawCurrentScript(37.5, 127.25, MAP_ZOOM_LEVEL), expected);
  // Rounded from the double's exact value, as printf rounds.
  EXPECT_EQ(DrawCurrentScript(-33.8688197, -151.2092955, 9),
            L"javascript:DrawCurrent('-33.868820', '-151.209295','9')");
  CommaLocale comma;
  ASSERT_TRUE(comma.Set()) << "no locale with a decimal comma could be made";
  EXPECT_EQ(DrawCurrentScript(37.5, 127.25, MAP_ZOOM_LEVEL), expected);
}

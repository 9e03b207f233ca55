#include "player/SensorViews.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "tests/platform/gdi/GdiTestCanvas.h"

namespace {

constexpr COLORREF kAmber = kSensorCurveColor;
constexpr COLORREF kRed = RGB(200, 0, 0);

void AddG(GSensorArray& arr, UINT time, int x, int y = 0, int z = 0) {
  CGSensorData s(x, y, z, time);
  arr.Add(s);
}

void AddGps(GPSArray& arr, UINT time, double speed, int valid = 1) {
  CGPSData s;
  s.m_bValid = valid;
  s.m_dSpeed = speed;
  s.m_nTime = time;
  arr.Add(s);
}

// The extent of one colour inside a rectangle of the canvas; empty when absent.
CRect Extent(const GdiTestCanvas& c, COLORREF color, CRect area) {
  CRect r(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (c.At(x, y) == color)
        r = CRect(std::min<int>(r.left, x), std::min<int>(r.top, y), std::max<int>(r.right, x + 1),
                  std::max<int>(r.bottom, y + 1));
  return r.left == INT_MAX ? CRect() : r;
}

int CountIn(const GdiTestCanvas& c, COLORREF color, CRect area) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += c.At(x, y) == color;
  return n;
}

COLORREF BitmapPixel(UINT id, int x, int y) {
  CBitmap bm;
  if (!bm.LoadBitmap(id)) return CLR_INVALID;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap* old = dc.SelectObject(&bm);
  COLORREF c = dc.GetPixel(x, y);
  dc.SelectObject(old);
  return c;
}

const CRect kPanel(0, 0, kSensorPanelWidth, kSensorPanelHeight);

}  // namespace

TEST(SensorCurvesTest, PointsFollowTimeAndValue) {
  EXPECT_EQ(CutDurationMs(599000000), 59000);  // 59.9 s
  EXPECT_EQ(CutDurationMs(9990000), 0);
  EXPECT_EQ(CutDurationMs(-10000000), 0);
  double scale = 370.0 / 59000;
  SensorCurvePoint top = CurvePoint(0, 120, 19, scale, 0, 0);
  EXPECT_EQ(top.x, 0);
  EXPECT_EQ(top.y, 1);
  EXPECT_TRUE(top.inside);
  EXPECT_EQ(CurvePoint(0, -120, 19 + 100, scale, 0, 100).y, 136);
  EXPECT_FALSE(CurvePoint(59500, 0, 19, scale, 0, 0).inside);  // right of the panel
  EXPECT_EQ(CurvePoint(59000, 0, 19, scale, 0, 0).x, 370);
  EXPECT_FALSE(CurvePoint(59000, 0, 19, scale, 0, 0).inside);
  EXPECT_TRUE(CurvePoint(58900, 0, 19, scale, 0, 0).inside);
  // Far away points stay defined and outside.
  EXPECT_FALSE(CurvePoint(UINT_MAX, INT_MIN, 19, 1e9, 0, 0).inside);
}

TEST(SensorCurvesTest, EachAxisDrawsInItsOwnBand) {
  GdiTestCanvas c(kSensorPanelWidth, kSensorPanelHeight);
  GSensorArray g;
  AddG(g, 0, 120, 0, -120);
  AddG(g, 30000, -120, 60, 120);
  AddG(g, 59000, 0, 0, 0);
  DrawGSensorCurves(&c.dc, 0, 0, g, 60000);
  // X from (0, 1) to (185, 36), then to (363, 19), which is not drawn itself.
  EXPECT_EQ(c.At(0, 1), kAmber);
  EXPECT_EQ(c.At(185, 36), kAmber);
  EXPECT_EQ(Extent(c, kAmber, CRect(0, 0, 370, 38)), CRect(0, 1, 363, 37));
  EXPECT_EQ(Extent(c, kAmber, CRect(0, 38, 370, 76)), CRect(0, 48, 363, 58));
  EXPECT_EQ(Extent(c, kAmber, CRect(0, 76, 370, 114)), CRect(0, 77, 363, 113));
  EXPECT_EQ(c.At(0, 112), kAmber);  // Z -120: 95 + 17.8
}

TEST(SensorCurvesTest, SamplesAfterFiveMinutesAreLeftOut) {
  GdiTestCanvas c(kSensorPanelWidth, kSensorPanelHeight);
  GSensorArray g;
  AddG(g, 0, 0);
  AddG(g, 300000, 120);
  AddG(g, 300001, -120);
  AddG(g, 500000, 0);
  DrawGSensorCurves(&c.dc, 0, 0, g, 600000);
  // The line reaches x 185 (300000 ms) and goes no further.
  EXPECT_EQ(Extent(c, kAmber, CRect(0, 0, 370, 38)).right, 185);
}

TEST(SensorCurvesTest, NoDurationOrNoSamplesDrawNothing) {
  GdiTestCanvas c(kSensorPanelWidth, kSensorPanelHeight);
  GSensorArray g;
  DrawGSensorCurves(&c.dc, 0, 0, g, 60000);
  AddG(g, 0, 50);
  AddG(g, 500, -50);
  DrawGSensorCurves(&c.dc, 0, 0, g, 0);
  DrawGSensorCurves(&c.dc, 0, 0, g, CutDurationMs(9990000));  // 0.999 s
  EXPECT_EQ(c.Count(kAmber), 0);
  // A duration cut to whole seconds: 59.9 s leaves a sample at 59.5 s outside.
  AddG(g, 59500, 120);
  DrawGSensorCurves(&c.dc, 0, 0, g, CutDurationMs(599000000));
  EXPECT_LT(Extent(c, kAmber, kPanel).right, 370);
}

TEST(SensorCurvesTest, HostileSamplesStayInsideThePanel) {
  // Drawn on a window-sized canvas at the panel's place, the way a tick draws them.
  GdiTestCanvas c(600, 700, kRed);
  GSensorArray g;
  CGSensorData wild;  // not clamped, as no reader makes it
  wild.m_nX = 1000;
  wild.m_nY = -1000;
  wild.m_nTime = 65535;  // right of a one-minute recording: the curves start out there
  g.Add(wild);
  AddG(g, 1000, 10, 10, 10);
  AddG(g, 2000, -10, -10, -10);
  CGSensorData late(0, 0, 0, UINT_MAX);
  g.Add(late);
  DrawGSensorCurves(&c.dc, kSensorPanelX, kSensorPanelY, g, 60000);
  CRect panel(kSensorPanelX, kSensorPanelY, kSensorPanelX + kSensorPanelWidth, kSensorPanelY + kSensorPanelHeight);
  EXPECT_GT(CountIn(c, kAmber, panel), 0);
  EXPECT_EQ(c.Count(kAmber), CountIn(c, kAmber, panel));
  // The DC's pen and clipping are its own again.
  c.dc.MoveTo(0, 0);
  c.dc.LineTo(10, 0);
  EXPECT_EQ(c.At(5, 0), RGB(0, 0, 0));
}

TEST(SensorPanelTest, PictureIsReloadedWithItsCurvesAndPutKeyed) {
  GdiTestCanvas c(1022, 682, kRed);
  CBitmap picture;
  GSensorArray g;
  AddG(g, 0, 120);
  AddG(g, 60000, 120);
  DrawSensorPanelPicture(&c.dc, picture, g, 120000);
  EXPECT_EQ(c.At(kSensorPanelX + 100, kSensorPanelY + 1), kAmber);
  EXPECT_EQ(c.At(kSensorPanelX, kSensorPanelY), kRed);  // the rounded corner is key green
  EXPECT_EQ(c.At(kSensorPanelX + 60, kSensorPanelY + 60), BitmapPixel(IDB_SENSOR_PANEL, 60, 60));
  EXPECT_EQ(Extent(c, kAmber, CRect(0, 0, 1022, 682)).right, kSensorPanelX + 185);

  // The kept picture holds the curves; the next drawing starts from a clean picture.
  GdiTestCanvas kept(kSensorPanelWidth, kSensorPanelHeight);
  CDC src;
  src.CreateCompatibleDC(nullptr);
  CBitmap* old = src.SelectObject(&picture);
  kept.dc.BitBlt(0, 0, kSensorPanelWidth, kSensorPanelHeight, &src, 0, 0, SRCCOPY);
  src.SelectObject(old);
  EXPECT_EQ(kept.At(100, 1), kAmber);
  g.RemoveAll();
  DrawSensorPanelPicture(&c.dc, picture, g, 120000);
  EXPECT_EQ(c.At(kSensorPanelX + 100, kSensorPanelY + 1), BitmapPixel(IDB_SENSOR_PANEL, 100, 1));
}

TEST(SpeedReadoutTest, ValueOfTheSampleBeforeThePosition) {
  GPSArray gps;
  EXPECT_EQ(SpeedReadoutValue(gps, 500), 0);
  AddGps(gps, 1000, 57.9);
  AddGps(gps, 2000, 1234.0);
  AddGps(gps, 3000, 88.0, 0);
  EXPECT_EQ(SpeedReadoutValue(gps, 0), 57);     // before the first: the first
  EXPECT_EQ(SpeedReadoutValue(gps, 2000), 57);  // exactly at a sample: the one before
  EXPECT_EQ(SpeedReadoutValue(gps, 2001), 1234);
  EXPECT_EQ(SpeedReadoutValue(gps, 90000), 0);  // the last one, not valid
  EXPECT_EQ(SpeedReadoutValue(gps, 0xFFFFFFFFu), 0);
}

TEST(SpeedReadoutTest, SpeedsThatAreNoNumberDrawNothing) {
  for (double bad :
       {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), 3e9, -3e9}) {
    GPSArray gps;
    AddGps(gps, 0, bad);
    EXPECT_EQ(SpeedReadoutValue(gps, 10), -1) << bad;
  }
  GPSArray gps;
  AddGps(gps, 0, -0.5);
  EXPECT_EQ(SpeedReadoutValue(gps, 10), 0);
}

TEST(SpeedReadoutTest, ThreeDigitsWithLeadingZeros) {
  int d[3];
  ASSERT_TRUE(SpeedDigits(57, d));
  EXPECT_EQ((std::vector<int>{d[0], d[1], d[2]}), (std::vector<int>{0, 5, 7}));
  ASSERT_TRUE(SpeedDigits(1234, d));
  EXPECT_EQ((std::vector<int>{d[0], d[1], d[2]}), (std::vector<int>{2, 3, 4}));
  ASSERT_TRUE(SpeedDigits(0, d));
  EXPECT_EQ((std::vector<int>{d[0], d[1], d[2]}), (std::vector<int>{0, 0, 0}));
  EXPECT_FALSE(SpeedDigits(-1, d));
}

TEST(SpeedReadoutTest, DigitPicturesOnBlackAtTheReadoutPlace) {
  for (int mapMode : {0, 8}) {
    GdiTestCanvas c(1022, 682, kRed);
    CPoint at = SpeedReadoutOrigin(mapMode);
    EXPECT_EQ(at, mapMode == 8 ? CPoint(830, 445) : CPoint(830, 643));
    DrawSpeedReadout(&c.dc, 1234, at);
    const int shown[3] = {2, 3, 4};
    int inked = 0;
    for (int i = 0; i < 3; ++i)
      for (int y = 0; y < kSpeedDigitHeight; ++y)
        for (int x = 0; x < kSpeedDigitWidth; ++x) {
          COLORREF src = BitmapPixel(IDB_SPEED_DIGIT0 + shown[i], x, y);
          COLORREF want = src == kSensorKeyColor ? RGB(0, 0, 0) : src;
          inked += src != kSensorKeyColor;
          ASSERT_EQ(c.At(at.x + i * 10 + x, at.y + y), want) << i << " " << x << "," << y;
        }
    EXPECT_GT(inked, 30);
    EXPECT_EQ(CountIn(c, kRed, CRect(at, CSize(30, 15))), 0);
    EXPECT_EQ(c.Count(kRed), 1022 * 682 - 30 * 15);
    // A negative value leaves the read-out as it was.
    DrawSpeedReadout(&c.dc, 0, at);
    COLORREF zero = c.At(at.x + 5, at.y + 7);
    DrawSpeedReadout(&c.dc, -1, at);
    EXPECT_EQ(c.At(at.x + 5, at.y + 7), zero);
  }
}

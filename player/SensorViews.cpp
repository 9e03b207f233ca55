#include "player/SensorViews.h"

#include <cmath>

#include "player/PlayerStates.h"

namespace {

constexpr double kValueScale = 19.0 / 128.0;  // panel pixels per sensor unit

struct Axis {
  int CGSensorData::*value;
  int baseline;  // below the panel's top
};
constexpr Axis kAxes[] = {{&CGSensorData::m_nX, 19}, {&CGSensorData::m_nY, 57}, {&CGSensorData::m_nZ, 95}};

// Truncation toward zero that stays defined far outside the panel.
int TruncToPixel(double v) {
  if (!(v > -1e9)) return -1000000000;
  if (v > 1e9) return 1000000000;
  return static_cast<int>(v);
}

// Draws a resource bitmap through its key colour; false when the id has no bitmap.
bool PutKeyed(CDC* pDC, CDC& scratch, UINT id, int x, int y, int width, int height) {
  CBitmap picture;
  if (!picture.LoadBitmap(id)) return false;
  CBitmap* old = scratch.SelectObject(&picture);
  pDC->TransparentBlt(x, y, width, height, &scratch, 0, 0, width, height, kSensorKeyColor);
  scratch.SelectObject(old);
  return true;
}

}  // namespace

long long CutDurationMs(long long duration100ns) {
  if (duration100ns <= 0) return 0;
  return duration100ns / 10000 / 1000 * 1000;
}

SensorCurvePoint CurvePoint(UINT timeMs, int value, int baseline, double scale, int x0, int y0) {
  SensorCurvePoint p;
  p.x = TruncToPixel(static_cast<double>(timeMs) * scale + x0);
  p.y = TruncToPixel(baseline - value * kValueScale);
  p.inside = p.x >= x0 && p.x < x0 + kSensorPanelWidth && p.y >= y0 && p.y < y0 + kSensorPanelHeight;
  return p;
}

void DrawGSensorCurves(CDC* pDC, int x0, int y0, const GSensorArray& samples, long long durationMs) {
  INT_PTR count = samples.GetSize();
  if (count == 0 || durationMs <= 0) return;
  double scale = kSensorPanelWidth / static_cast<double>(durationMs);
  CPen pen(PS_SOLID, 1, kSensorCurveColor);
  CDCStateRestorer restore(pDC);
  // The first sample is moved to wherever it lies; the line from there stays in the panel.
  pDC->IntersectClipRect(x0, y0, x0 + kSensorPanelWidth, y0 + kSensorPanelHeight);
  pDC->SelectObject(&pen);
  for (const Axis& axis : kAxes) {
    int baseline = y0 + axis.baseline;
    const CGSensorData& first = samples[0];
    SensorCurvePoint start = CurvePoint(first.m_nTime, first.*axis.value, baseline, scale, x0, y0);
    pDC->MoveTo(start.x, start.y);
    for (INT_PTR i = 0; i < count; ++i) {
      const CGSensorData& sample = samples[i];
      if (sample.m_nTime > kSensorCurveLastMs) continue;
      SensorCurvePoint p = CurvePoint(sample.m_nTime, sample.*axis.value, baseline, scale, x0, y0);
      if (p.inside) pDC->LineTo(p.x, p.y);
    }
  }
}

void DrawSensorPanelPicture(CDC* pDC, CBitmap& picture, const GSensorArray& samples, long long durationMs) {
  CDC memory;
  if (!memory.CreateCompatibleDC(pDC)) return;
  memory.SetBkMode(TRANSPARENT);
  picture.DeleteObject();
  if (!picture.LoadBitmap(IDB_SENSOR_PANEL)) return;
  CBitmap* old = memory.SelectObject(&picture);
  DrawGSensorCurves(&memory, 0, 0, samples, durationMs);
  pDC->TransparentBlt(kSensorPanelX, kSensorPanelY, kSensorPanelWidth, kSensorPanelHeight, &memory, 0, 0,
                      kSensorPanelWidth, kSensorPanelHeight, kSensorKeyColor);
  memory.SelectObject(old);
}

INT_PTR SpeedSampleIndex(const GPSArray& samples, UINT posMs) {
  INT_PTR count = samples.GetSize();
  if (count == 0) return -1;
  INT_PTR i = 0;
  while (i < count && samples[i].m_nTime < posMs) ++i;
  return i > 0 ? i - 1 : 0;
}

int SpeedReadoutValue(const GPSArray& samples, UINT posMs) {
  INT_PTR i = SpeedSampleIndex(samples, posMs);
  if (i < 0 || !samples[i].m_bValid) return 0;
  double speed = samples[i].m_dSpeed;
  // A corrupt chunk can carry anything; only what converts to int is shown.
  if (!(speed > -2147483649.0 && speed < 2147483648.0)) return -1;
  return static_cast<int>(speed);
}

bool SpeedDigits(int value, int digits[3]) {
  if (value < 0) return false;
  digits[0] = value / 100 % 10;
  digits[1] = value / 10 % 10;
  digits[2] = value % 10;
  return true;
}

CPoint SpeedReadoutOrigin(int mapMode) { return mapMode == MAP_MODE_SMALL ? CPoint(830, 445) : CPoint(830, 643); }

void DrawSpeedReadout(CDC* pDC, int value, CPoint origin) {
  int digits[3];
  if (!SpeedDigits(value, digits)) return;
  CDC canvas, scratch;
  CBitmap canvasBits;
  if (!canvas.CreateCompatibleDC(pDC) || !scratch.CreateCompatibleDC(pDC)) return;
  if (!canvasBits.CreateCompatibleBitmap(pDC, kSpeedReadoutWidth, kSpeedDigitHeight)) return;
  CBitmap* old = canvas.SelectObject(&canvasBits);
  canvas.SetBkMode(TRANSPARENT);
  for (int i = 0; i < 3; ++i)
    PutKeyed(&canvas, scratch, IDB_SPEED_DIGIT0 + static_cast<UINT>(digits[i]), i * kSpeedDigitWidth, 0,
             kSpeedDigitWidth, kSpeedDigitHeight);
  pDC->TransparentBlt(origin.x, origin.y, kSpeedReadoutWidth, kSpeedDigitHeight, &canvas, 0, 0, kSpeedReadoutWidth,
                      kSpeedDigitHeight, kSensorKeyColor);
  canvas.SelectObject(old);
}

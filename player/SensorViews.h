#pragma once
// The main window's two sensor views, drawn from the samples of the playing recording: the
// G-sensor panel (three curves over the panel picture) and the three-digit speed read-out.
// These are the drawing steps; the window decides when and where to draw.
#include "media/TextData.h"
#include "platform/base/Geometry.h"
#include "platform/gdi/DC.h"

constexpr UINT IDB_SENSOR_PANEL = 292;  // 370 x 114, key pure green
constexpr UINT IDB_SPEED_DIGIT0 = 321;  // digits 0 to 9 are 321 to 330, 10 x 15 each

constexpr COLORREF kSensorKeyColor = RGB(0, 255, 0);
constexpr COLORREF kSensorCurveColor = RGB(239, 183, 26);

// Client pixels of the main window.
constexpr int kSensorPanelX = 41;
constexpr int kSensorPanelY = 531;
constexpr int kSensorPanelWidth = 370;
constexpr int kSensorPanelHeight = 114;
constexpr int kSpeedDigitWidth = 10;
constexpr int kSpeedDigitHeight = 15;
constexpr int kSpeedReadoutWidth = 3 * kSpeedDigitWidth;

// Samples after five minutes are not drawn, whatever the duration.
constexpr UINT kSensorCurveLastMs = 300000;

using GSensorArray = CArray<CGSensorData, CGSensorData&>;
using GPSArray = CArray<CGPSData, CGPSData&>;

// The graph's duration (100-ns units) cut to whole seconds, in ms; 0 for none or a negative one.
long long CutDurationMs(long long duration100ns);

// Where one sample of one axis is drawn; `inside` when that lies in the panel at (x0, y0).
struct SensorCurvePoint {
  int x = 0;
  int y = 0;
  bool inside = false;
};
SensorCurvePoint CurvePoint(UINT timeMs, int value, int baseline, double scale, int x0, int y0);

// The three curves of `samples` over a recording of durationMs, in the panel whose top left
// is (x0, y0). A duration of 0 draws nothing. The caller holds the samples' lock.
void DrawGSensorCurves(CDC* pDC, int x0, int y0, const GSensorArray& samples, long long durationMs);
// Reloads the panel picture into `picture`, draws the curves on it and puts it, keyed, at
// the panel's place of pDC. `picture` keeps the result for later paints.
void DrawSensorPanelPicture(CDC* pDC, CBitmap& picture, const GSensorArray& samples, long long durationMs);

// The GPS sample the read-out shows at posMs: the last one before it, or the first.
// -1 without samples.
INT_PTR SpeedSampleIndex(const GPSArray& samples, UINT posMs);
// The read-out value at posMs: 0 without samples or for an invalid one; -1 (nothing to draw)
// when the speed is not a number or beyond the range of int. The caller holds the lock.
int SpeedReadoutValue(const GPSArray& samples, UINT posMs);
// The three digits shown for a value (its last three); false for a negative value.
bool SpeedDigits(int value, int digits[3]);
// Where the read-out goes: above the small map (MAP_MODE_SMALL), else at the bottom.
CPoint SpeedReadoutOrigin(int mapMode);
// The read-out canvas (digits on black) put at `origin` of pDC; a negative value leaves
// pDC as it was.
void DrawSpeedReadout(CDC* pDC, int value, CPoint origin);

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/win/WaitCursor.h"
#include "player/SensorViews.h"
#include "tests/player/PlayerDlgFixture.h"
#include "tests/support/recording/RiffWriter.h"

namespace {

using playertest::PlayerDlgFixture;

constexpr COLORREF kAmber = kSensorCurveColor;
constexpr COLORREF kMarker = RGB(1, 2, 3);
const CPoint kReadout(830, 643);

std::vector<testrec::SensorSample> Drive(std::initializer_list<float> speeds) {
  std::vector<testrec::SensorSample> samples;
  uint32_t s = 0;
  for (float speed : speeds) {
    testrec::SensorSample sample;
    sample.seconds = 1700000000u + s;
    sample.x = samples.size() % 2 ? 120.0f : -120.0f;
    sample.speed = speed;
    samples.push_back(sample);
    s += 10;
  }
  return samples;
}

class TavrenPlayerDlgSensorsTest : public PlayerDlgFixture {
protected:
  CString Write(const std::string& name, const std::vector<testrec::SensorSample>& samples) {
    std::string path = temp.File(name);
    testrec::WriteBytes(path, testrec::SensorAvi(samples));
    return CString(path.c_str());
  }

  // A recording opened in the graph (one minute long) and its sensors loaded to the end.
  void OpenAndLoad(const CString& path) {
    fakegraph::TheWorld().duration = 600000000;
    ASSERT_EQ(dlg->m_player.Open(path), 1);
    ASSERT_EQ(dlg->SensorDurationMs(), 60000);
    ASSERT_TRUE(dlg->StartDataStreamLoader(path));
    JoinLoader();
    Pump();
  }

  void JoinLoader() {
    if (dlg->m_pLoaderThread) WaitForSingleObject(dlg->m_pLoaderThread->m_hThread, INFINITE);
  }

  // A path whose opening blocks the loader until ReleaseFifo.
  CString MakeFifo() {
    fifo = temp.File("slow.avi");
    mkfifo(fifo.c_str(), 0600);
    return CString(fifo.c_str());
  }
  void ReleaseFifo() { close(open(fifo.c_str(), O_WRONLY)); }

  COLORREF At(int x, int y) { return harness.Pixel(Hwnd(), CPoint(x, y)); }
  int CountIn(CRect area, COLORREF color) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += At(x, y) == color;
    return n;
  }
  void Mark(CRect area) {
    CClientDC dc(dlg.get());
    dc.FillSolidRect(&area, kMarker);
  }
  // The read-out at `at` shows the three digit pictures on black.
  bool ShowsDigits(CPoint at, int d0, int d1, int d2) {
    const int digits[3] = {d0, d1, d2};
    for (int i = 0; i < 3; ++i) {
      CBitmap bm;
      bm.LoadBitmap(IDB_SPEED_DIGIT0 + static_cast<UINT>(digits[i]));
      CDC src;
      src.CreateCompatibleDC(nullptr);
      CBitmap* old = src.SelectObject(&bm);
      bool same = true;
      for (int y = 0; y < kSpeedDigitHeight && same; ++y)
        for (int x = 0; x < kSpeedDigitWidth && same; ++x) {
          COLORREF pixel = src.GetPixel(x, y);
          same = At(at.x + i * kSpeedDigitWidth + x, at.y + y) == (pixel == kSensorKeyColor ? RGB(0, 0, 0) : pixel);
        }
      src.SelectObject(old);
      if (!same) return false;
    }
    return true;
  }
  void SmallMap() {
    dlg->m_nMapMode = MAP_MODE_SMALL;
    dlg->SetLayoutMode(WINDOW_MODE_NORMAL);
    Pump();
  }

  const CRect panel{CPoint(kSensorPanelX, kSensorPanelY), CSize(kSensorPanelWidth, kSensorPanelHeight)};
  std::string fifo;
};

TEST_F(TavrenPlayerDlgSensorsTest, TheFinishedLoadDrawsTheWholeCurvesIntoThePanel) {
  OpenAndLoad(Write("rec.avi", Drive({10, 20, 30, 40})));
  // X swings from -120 to 120 every ten seconds: 61.67 pixels apart, down to y 36, up to 1.
  EXPECT_EQ(At(kSensorPanelX, kSensorPanelY + 36), kAmber);
  EXPECT_EQ(At(kSensorPanelX + 61, kSensorPanelY + 1), kAmber);
  CRect right(kSensorPanelX + 186, kSensorPanelY, panel.right, panel.bottom);
  EXPECT_EQ(CountIn(right, kAmber), 0);  // the last sample, at 30 s, ends the curves
  // A repaint puts back the same picture.
  Mark(panel);
  dlg->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump();
  EXPECT_EQ(At(kSensorPanelX + 61, kSensorPanelY + 1), kAmber);
  EXPECT_EQ(platform::WaitCursorCount(), 0);
}

TEST_F(TavrenPlayerDlgSensorsTest, TheTickShowsTheSpeedBeforeThePositionAndNewCurves) {
  OpenAndLoad(Write("rec.avi", Drive({57.9f, 1234.0f, 7.0f})));
  dlg->UpdateSpeedAndSensor(0);
  EXPECT_TRUE(ShowsDigits(kReadout, 0, 5, 7));
  dlg->UpdateSpeedAndSensor(10000);  // exactly at the second sample: still the first
  EXPECT_TRUE(ShowsDigits(kReadout, 0, 5, 7));
  dlg->UpdateSpeedAndSensor(10001);
  EXPECT_TRUE(ShowsDigits(kReadout, 2, 3, 4));
  dlg->UpdateSpeedAndSensor(999999);
  EXPECT_TRUE(ShowsDigits(kReadout, 0, 0, 7));

  // The curves are drawn on the window only when the sample count changed.
  EXPECT_EQ(dlg->m_nDrawnSensorCount, 3);
  Mark(panel);
  dlg->UpdateSpeedAndSensor(0);
  EXPECT_EQ(CountIn(panel, kAmber), 0);
  dlg->m_nDrawnSensorCount = 0;
  dlg->UpdateSpeedAndSensor(0);
  EXPECT_GT(CountIn(panel, kAmber), 100);
}

TEST_F(TavrenPlayerDlgSensorsTest, NothingIsDrawnOverTheLargeMapOrInTheFullWindow) {
  OpenAndLoad(Write("rec.avi", Drive({57.9f, 80})));
  CRect readout(kReadout, CSize(30, 15));
  for (auto mode : {std::make_pair(WINDOW_MODE_NORMAL, MAP_MODE_LARGE), std::make_pair(WINDOW_MODE_FULL, 0)}) {
    dlg->m_nWindowMode = mode.first;
    dlg->m_nMapMode = mode.second;
    dlg->m_nDrawnSensorCount = 0;
    Mark(readout);
    Mark(panel);
    dlg->UpdateSpeedAndSensor(5000);
    dlg->SendMessage(WM_REDRAW_SENSORPANEL);
    EXPECT_EQ(CountIn(readout, kMarker), 30 * 15);
    EXPECT_EQ(CountIn(panel, kMarker), kSensorPanelWidth * kSensorPanelHeight);
  }
  // Above the small map the read-out moves up.
  dlg->m_nWindowMode = WINDOW_MODE_NORMAL;
  dlg->m_nMapMode = MAP_MODE_SMALL;
  CRect high(CPoint(830, 445), CSize(30, 15));
  Mark(high);
  dlg->UpdateSpeedAndSensor(5000);
  EXPECT_EQ(CountIn(high, kMarker), 0);
}

TEST_F(TavrenPlayerDlgSensorsTest, ARecordingWithoutGpsPutsTheSmallMapAway) {
  SmallMap();
  ASSERT_EQ(dlg->m_nMapMode, MAP_MODE_SMALL);
  OpenAndLoad(CString(temp.File("no-such.avi").c_str()));
  EXPECT_EQ(dlg->m_nMapMode, MAP_MODE_NONE);
  EXPECT_EQ(Rect(IDC_LIST_FILES), CRect(CPoint(695, 126), CSize(308 + g_cxVScroll, 508)));
  EXPECT_EQ(RectOf(dlg->m_wndMap.GetSafeHwnd()).Size(), CSize(0, 0));
  EXPECT_EQ(RectOf(dlg->m_btnLargeMap.GetSafeHwnd()), CRect(CPoint(937, 639), CSize(36, 22)));
  EXPECT_EQ(RectOf(dlg->m_btnShowMap.GetSafeHwnd()), CRect(CPoint(973, 639), CSize(37, 22)));
  EXPECT_EQ(::GetFocus(), dlg->m_listFiles.GetSafeHwnd());
  // The read-out shows zeros from the next tick.
  dlg->UpdateSpeedAndSensor(1000);
  EXPECT_TRUE(ShowsDigits(kReadout, 0, 0, 0));
}

TEST_F(TavrenPlayerDlgSensorsTest, ARecordingWithoutGpsBringsTheLargeMapBackToTheNormalWindow) {
  dlg->m_nMapMode = MAP_MODE_LARGE;
  dlg->SetLayoutMode(LAYOUT_LARGE_MAP);
  Pump();
  OpenAndLoad(CString(temp.File("no-such.avi").c_str()));
  EXPECT_EQ(dlg->m_nMapMode, MAP_MODE_NONE);
  EXPECT_EQ(dlg->m_nWindowMode, WINDOW_MODE_NORMAL);
  EXPECT_TRUE(Visible(IDC_LIST_FILES));
  EXPECT_EQ(RectOf(dlg->m_wndMap.GetSafeHwnd()).Size(), CSize(0, 0));
  EXPECT_NE(CountIn(panel, At(kSensorPanelX + 60, kSensorPanelY + 60)), 0);
}

TEST_F(TavrenPlayerDlgSensorsTest, AStopDuringTheParseLeavesMapAndPanelAlone) {
  SmallMap();
  CString slow = MakeFifo();
  fakegraph::TheWorld().duration = 600000000;
  ASSERT_TRUE(dlg->StartDataStreamLoader(slow));
  EXPECT_FALSE(dlg->StartDataStreamLoader(slow));  // no second loader while one runs
  dlg->m_bStopLoader = 1;
  ReleaseFifo();
  JoinLoader();
  Mark(panel);
  Pump();
  EXPECT_EQ(dlg->m_nMapMode, MAP_MODE_SMALL);
  EXPECT_EQ(CountIn(panel, kMarker), kSensorPanelWidth * kSensorPanelHeight);
  DWORD code = 1;
  GetExitCodeThread(dlg->m_pLoaderThread->m_hThread, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(platform::WaitCursorCount(), 0);
}

TEST_F(TavrenPlayerDlgSensorsTest, AResultOvertakenByANewerOpenIsDropped) {
  SmallMap();
  // The first recording has GPS; its result arrives while the second, without any, is
  // still being opened. Applied then, it would see no GPS and put the map away.
  CString first = Write("rec.avi", Drive({30, 40}));
  ASSERT_TRUE(dlg->StartDataStreamLoader(first));
  JoinLoader();
  ASSERT_TRUE(dlg->StartDataStreamLoader(MakeFifo()));
  Pump();
  EXPECT_EQ(dlg->m_nMapMode, MAP_MODE_SMALL);
  ReleaseFifo();
  JoinLoader();
  Pump();
  EXPECT_EQ(dlg->m_nMapMode, MAP_MODE_NONE);
  EXPECT_EQ(dlg->m_textData.m_arrGSensor.GetSize(), 0);
}

TEST_F(TavrenPlayerDlgSensorsTest, AResultOvertakenByAStopIsDropped) {
  SmallMap();
  ASSERT_TRUE(dlg->StartDataStreamLoader(CString(temp.File("no-such.avi").c_str())));
  JoinLoader();
  dlg->m_bStopLoader = 1;  // as a stop sets it before its result is handled
  Pump();
  EXPECT_EQ(dlg->m_nMapMode, MAP_MODE_SMALL);
}

TEST_F(TavrenPlayerDlgSensorsTest, TheWindowGoesWhileTheLoaderStillParses) {
  ASSERT_TRUE(dlg->StartDataStreamLoader(MakeFifo()));
  std::thread release([this] { ReleaseFifo(); });
  Destroy();  // stops and joins the loader
  release.join();
  Pump();
  EXPECT_EQ(platform::WaitCursorCount(), 0);
}

}  // namespace

#include <memory>
#include <new>

#include "card/RecordingRow.h"
#include "player/SensorLoader.h"
#include "player/SensorViews.h"
#include "player/TavrenPlayerDlg.h"

// The loader's work done on the UI thread for row m_nCurItem; refused while a loader runs,
// which would be a second writer of the samples.
LRESULT CTavrenPlayerDlg::OnLoadDataStream(WPARAM, LPARAM) {
  if (LoaderRunning()) return 0;
  ++m_nLoadGeneration;  // a result still queued is no longer the current one
  ClearSamples();
  SensorLoadJob job;
  if (m_nCurItem >= 0) job.path = m_listFiles.GetItemText(m_nCurItem, COL_PATH);
  job.pTextData = &m_textData;
  job.pLock = &m_csData;
  job.onLoaded = [this](UINT) { ApplySensorLoad(); };
  RunSensorLoad(job);
  return 0;
}

LRESULT CTavrenPlayerDlg::OnRedrawSensorPanel(WPARAM, LPARAM) {
  if (m_nWindowMode == WINDOW_MODE_NORMAL && m_nMapMode != MAP_MODE_LARGE) {
    CClientDC dc(this);
    DrawSensorPanel(&dc);
  }
  return 0;
}

// A result from before the latest start, or one that a stop overtook, is dropped.
LRESULT CTavrenPlayerDlg::OnSensorLoaded(WPARAM wParam, LPARAM) {
  if (static_cast<UINT>(wParam) != m_nLoadGeneration || m_bStopLoader) return 0;
  ApplySensorLoad();
  return 0;
}

UINT CTavrenPlayerDlg::DataStreamLoaderThread(LPVOID pParam) {
  if (!pParam) return 0;
  std::unique_ptr<SensorLoadJob> job(static_cast<SensorLoadJob*>(pParam));
  return RunSensorLoad(*job);
}

bool CTavrenPlayerDlg::LoaderRunning() const {
  DWORD code = 0;
  return m_pLoaderThread && GetExitCodeThread(m_pLoaderThread->m_hThread, &code) && code == STILL_ACTIVE;
}

// The loader gets the path and its generation here, on the UI thread, and never reads a
// control itself; its result comes back as WM_SENSOR_LOADED.
bool CTavrenPlayerDlg::StartDataStreamLoader(const CString& strPath) {
  if (LoaderRunning()) return false;
  m_pLoaderThread.reset();
  ClearSamples();
  m_bStopLoader = 0;
  auto job = std::make_unique<SensorLoadJob>();
  job->path = strPath;
  job->generation = ++m_nLoadGeneration;
  job->pTextData = &m_textData;
  job->pLock = &m_csData;
  job->pStop = &m_bStopLoader;
  job->onLoaded = [hwnd = GetSafeHwnd()](UINT generation) { ::PostMessage(hwnd, WM_SENSOR_LOADED, generation, 0); };
  // Suspended until auto-deletion is off, so that the exit code can always be read.
  m_pLoaderThread.reset(AfxBeginThread(DataStreamLoaderThread, job.get(), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED));
  if (!m_pLoaderThread) return false;
  job.release();
  m_pLoaderThread->m_bAutoDelete = FALSE;
  m_pLoaderThread->ResumeThread();
  return true;
}

// Emptying an array also frees its storage.
void CTavrenPlayerDlg::ClearSamples() {
  CSingleLock lock(&m_csData, TRUE);
  m_textData.m_arrGSensor.RemoveAll();
  m_textData.m_arrGPS.RemoveAll();
}

void CTavrenPlayerDlg::ApplySensorLoad() {
  bool noGps;
  {
    CSingleLock lock(&m_csData, TRUE);
    noGps = m_textData.m_arrGPS.GetSize() == 0;
  }
  if (noGps) HideMapWithoutGps();
  if (m_nWindowMode == WINDOW_MODE_NORMAL && m_nMapMode != MAP_MODE_LARGE) {
    CClientDC dc(this);
    DrawSensorPanel(&dc);
  }
}

void CTavrenPlayerDlg::HideMapWithoutGps() {
  if (m_nMapMode == MAP_MODE_LARGE) SetLayoutMode(WINDOW_MODE_NORMAL);
  if (m_nMapMode == MAP_MODE_NONE) return;
  m_nMapMode = MAP_MODE_NONE;
  ApplyMapMode();
  ReapplyView();
}

// The graph's duration cut to whole seconds (ms); 0 without a graph.
long long CTavrenPlayerDlg::SensorDurationMs() {
  LONGLONG duration = 0;
  if (!m_player.m_pGraph || FAILED(m_player.m_pGraph->GetDuration(&duration))) return 0;
  return CutDurationMs(duration);
}

void CTavrenPlayerDlg::DrawSensorPanel(CDC* pDC) {
  CSingleLock lock(&m_csData, TRUE);
  try {
    DrawSensorPanelPicture(pDC, m_bmpSensorPanel, m_textData.m_arrGSensor, SensorDurationMs());
  } catch (const std::bad_alloc&) {
    // Out of memory ends the drawing; the lock is left all the same.
  }
}

void CTavrenPlayerDlg::UpdateSpeedAndSensor(UINT nPosition) {
  if (m_nWindowMode != WINDOW_MODE_NORMAL || m_nMapMode == MAP_MODE_LARGE) return;
  CClientDC dc(this);
  int speed;
  {
    CSingleLock lock(&m_csData, TRUE);
    speed = SpeedReadoutValue(m_textData.m_arrGPS, nPosition);
  }
  DrawSpeedDigits(speed, &dc);
  CSingleLock lock(&m_csData, TRUE);
  INT_PTR count = m_textData.m_arrGSensor.GetSize();
  if (count == m_nDrawnSensorCount) return;
  DrawSensorCurves(&dc, kSensorPanelX, kSensorPanelY);
  m_nDrawnSensorCount = static_cast<int>(count);
}

void CTavrenPlayerDlg::DrawSpeedDigits(int nValue, CDC* pDC) {
  DrawSpeedReadout(pDC, nValue, SpeedReadoutOrigin(m_nMapMode));
}

void CTavrenPlayerDlg::DrawSensorCurves(CDC* pDC, int x0, int y0) {
  CSingleLock lock(&m_csData, TRUE);
  try {
    DrawGSensorCurves(pDC, x0, y0, m_textData.m_arrGSensor, SensorDurationMs());
  } catch (const std::bad_alloc&) {
  }
}

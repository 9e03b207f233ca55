#include <algorithm>
#include <climits>

#include "app/LangStringTable.h"
#include "card/RecordingRow.h"
#include "platform/gdi/DC.h"
#include "platform/win/ListView.h"
#include "platform/win/Notify.h"
#include "platform/win/WaitCursor.h"
#include "player/FileListMirror.h"
#include "player/PlaybackRules.h"
#include "player/SkinTable.h"
#include "player/TavrenPlayerDlg.h"
#include "player/Twins.h"

namespace {

constexpr UINT kTickMs = 200;
constexpr int kLoaderPolls = 100;        // of 10 ms each
constexpr LONGLONG kUnitsPerMs = 10000;  // the graph counts 100-ns units

// The text after the last separator; the whole path without one.
CString FileNameOf(const CString& strPath) {
  int slash = std::max(strPath.ReverseFind(L'/'), strPath.ReverseFind(L'\\'));
  return slash < 0 ? strPath : strPath.Mid(slash + 1);
}

void SetPlayLook(COktSkinButton& button, bool bPause) {
  static const CLangStringTable table;
  SetSkinFaces(button, bPause ? kPauseFaces : kPlayFaces);
  button.SetWindowText(L"");
  button.SetTooltipText(table.GetString(bPause ? L"PLAYERDLG_PAUSE" : L"PLAYERDLG_PLAY"));
  button.Invalidate(TRUE);
}

// A time of the graph in ms; 0 when it cannot be read.
LONGLONG PositionMs(CDShowGraph& graph) {
  LONGLONG units = 0;
  return SUCCEEDED(graph.GetCurrentPosition(&units)) ? units / kUnitsPerMs : 0;
}

LONGLONG DurationMsOf(CDShowGraph& graph) {
  LONGLONG units = 0;
  return SUCCEEDED(graph.GetDuration(&units)) ? units / kUnitsPerMs : 0;
}

}  // namespace

void CTavrenPlayerDlg::OnNMDblclkFileList(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  OpenRowAndPlay(reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem,
                 Exists(m_dlgFileList) ? &m_dlgFileList.m_listFiles : nullptr);
}

// Opens and plays the recording of a row of the main list; the row becomes the one selected
// row of pTwin, the list that was not clicked. With nothing to open the loader of what plays
// keeps going; a failed open leaves no row current.
void CTavrenPlayerDlg::OpenRowAndPlay(int nRow, CConfigListCtrl* pTwin) {
  CString path = nRow >= 0 ? m_listFiles.GetItemText(nRow, COL_PATH) : CString();
  if (path.IsEmpty() || !WaitForLoader()) return;
  m_nCurItem = nRow;
  if (!OpenVideoFile(path)) {
    m_nCurItem = -1;
    return;
  }
  if (pTwin) SelectOnlyRow(*pTwin, nRow);
  OnBnClickedPlay();
}

// Asks the loader to stop and waits about a second at most; false when it still runs.
bool CTavrenPlayerDlg::WaitForLoader() {
  m_bStopLoader = 1;
  for (int i = 0; i < kLoaderPolls && LoaderRunning(); ++i) Sleep(10);
  return !LoaderRunning();
}

// Refused, with nothing changed, while an old loader will not end: two loaders must never
// fill the samples at once. A failed open leaves nothing open.
bool CTavrenPlayerDlg::OpenVideoFile(const CString& strPath) {
  if (!WaitForLoader()) return false;
  CWaitCursor wait;
  m_player.m_bBrightnessFilters = 0;
  if (m_player.m_pGraph) m_player.m_pGraph->m_bOptions = 0;
  ClearSamples();
  if (m_nWindowMode == WINDOW_MODE_NORMAL && m_nMapMode != MAP_MODE_LARGE) {
    CClientDC dc(this);
    DrawSensorPanel(&dc);
  }
  if (!m_player.Open(strPath)) {
    ShowNothingOpen();
    return false;
  }
  m_wndVideo1.ShowWindow(SW_HIDE);
  m_wndVideo2.ShowWindow(SW_HIDE);
  SetSeekRange(DurationMs());
  ShowFileName(FileNameOf(strPath));
  ApplySpeed();
  ApplyBrightness(m_sliderBrightness.GetPos());
  if (m_nWindowMode == WINDOW_MODE_NORMAL && m_nMapMode != MAP_MODE_LARGE) m_lblFileName.ShowWindow(SW_SHOWNORMAL);
  if (Exists(m_dlgControlTop)) m_dlgControlTop.m_lblFileName.ShowWindow(SW_SHOWNORMAL);
  ApplyViewOfOpenFile();
  EnableControls(CONTROLS_RECORDING_OPEN);
  StartDataStreamLoader(strPath);
  return true;
}

void CTavrenPlayerDlg::ShowFileName(const CString& strName) {
  ChangeTwins(m_lblFileName, m_dlgControlTop.m_lblFileName, [&strName](COktStaticTrans& label) {
    label.ShowWindow(SW_HIDE);
    label.SetWindowText(strName);
    label.Invalidate(TRUE);
  });
}

void CTavrenPlayerDlg::SetSeekRange(LONGLONG llDurationMs) {
  int top = static_cast<int>(std::clamp<LONGLONG>(llDurationMs, 0, INT_MAX));
  ChangeTwins(m_sliderSeek, m_dlgControlPanel.m_sliderSeek,
              [top](COktImageSlider& slider) { slider.SetRange(0, top, FALSE); });
}

LONGLONG CTavrenPlayerDlg::DurationMs() { return m_player.m_pGraph ? DurationMsOf(*m_player.m_pGraph) : 0; }

// A one-camera recording shows the front camera unflipped; otherwise the chosen view, and
// the rear camera's flips as they were left.
void CTavrenPlayerDlg::ApplyViewOfOpenFile() {
  if (m_player.m_pGraph && m_player.m_pGraph->m_nVideoStreams == 1) {
    m_nViewChannel = VIEW_FRONT;
    m_bFlipV = m_bFlipH = 0;
    m_btnRotate.SetCheck(BST_UNCHECKED);
    m_btnReverse.SetCheck(BST_UNCHECKED);
    OnBnClickedFront();
    return;
  }
  if (m_nViewChannel == VIEW_NONE) m_nViewChannel = VIEW_FRONT;
  ReapplyView();
  if (m_bFlipV) PutRearFlip(DECODER_FLIP_VERTICAL, 1);
  if (m_bFlipH) PutRearFlip(DECODER_FLIP_HORIZONTAL, 1);
}

// The rate of the speed slider, applied from where the graph stands.
void CTavrenPlayerDlg::ApplySpeed() {
  CDShowGraph* graph = m_player.m_pGraph.get();
  if (!graph) return;
  int state = graph->PlayState;
  graph->Pause();
  graph->m_fRate = RateFromSpeed(m_sliderSpeed.GetPos());
  if (state == PLAY_STATE_RUNNING) graph->Run();
}

void CTavrenPlayerDlg::OnBnClickedPlay() {
  CDShowGraph* graph = m_player.m_pGraph.get();
  int state = graph ? graph->PlayState : PLAY_STATE_NO_GRAPH;
  if (state == PLAY_STATE_PAUSED) {
    SetPlayLooks(true);
    ApplySpeed();
    graph->Run();
    SetTimer(IDT_PLAY_POSITION, kTickMs, nullptr);
  } else if (state == PLAY_STATE_RUNNING) {
    graph->Pause();
    SetPlayLooks(false);
  } else if (!PlayFromStopped()) {
    return;
  }
  ChangeTwins(m_listFiles, m_dlgFileList.m_listFiles, [](CConfigListCtrl& list) { list.Invalidate(TRUE); });
}

// Opens the selected row unless it is already open; false when that open failed.
bool CTavrenPlayerDlg::PlayFromStopped() {
  if (m_listFiles.GetItemCount() <= 0) return true;
  int row = m_listFiles.GetFirstSelectedItem();
  if (row < 0) return true;
  if (row != m_nCurItem || !m_player.m_pGraph) {
    m_nCurItem = row;
    if (!OpenVideoFile(m_listFiles.GetItemText(row, COL_PATH))) return false;
  }
  if (!m_player.Play()) {
    ShowNothingOpen();
    return false;
  }
  SetTimer(IDT_PLAY_POSITION, kTickMs, nullptr);
  SetPlayLooks(true);
  SetSeekRange(static_cast<LONGLONG>(m_player.GetDuration()));
  if (m_player.m_pGraph) m_player.m_pGraph->SetBrightness(m_sliderBrightness.GetPos());
  EnableControls(CONTROLS_RECORDING_OPEN);
  return true;
}

void CTavrenPlayerDlg::SetPlayLooks(bool bPause) {
  ChangeTwins(m_btnPlay, m_dlgControlPanel.m_btnPlay,
              [bPause](COktSkinButton& button) { SetPlayLook(button, bPause); });
}

void CTavrenPlayerDlg::StopPlayback() {
  if (!WaitForLoader()) return;
  m_nViewChannel = VIEW_NONE;
  if (CDShowGraph* graph = m_player.m_pGraph.get()) {
    graph->Stop();
    if (graph->m_pGraphBuilder) graph->SetPosition(0);
  }
  m_player.Close();
  m_nCurItem = -1;
  ShowNothingOpen();
  HideMapWithoutGps();
  ClearSamples();
  CClientDC dc(this);
  DrawSensorPanel(&dc);
  Invalidate(TRUE);
}

// The looks of a window with nothing open; the row stays as the caller left it.
void CTavrenPlayerDlg::ShowNothingOpen() {
  KillTimer(IDT_PLAY_POSITION);
  ChangeTwins(m_sliderSeek, m_dlgControlPanel.m_sliderSeek, [](COktImageSlider& slider) {
    slider.SetPos(0);
    slider.Invalidate(TRUE);
  });
  const auto showZero = [](COktStaticTrans& label) {
    label.SetWindowText(L"00:00:00");
    label.Invalidate(TRUE);
  };
  ChangeTwins(m_lblElapsed, m_dlgControlPanel.m_lblElapsed, showZero);
  ChangeTwins(m_lblDuration, m_dlgControlPanel.m_lblDuration, showZero);
  ChangeTwins(m_lblFileName, m_dlgControlTop.m_lblFileName, [](COktStaticTrans& label) { label.SetWindowText(L""); });
  SetPlayLooks(false);
  EnableControls(CONTROLS_LIST_LOADED);
}

void CTavrenPlayerDlg::OnBnClickedPrev() {
  if (m_nCurItem <= 0) return;
  MoveToRow(m_nCurItem - 1, false);
}

void CTavrenPlayerDlg::OnBnClickedNext() {
  int row = m_nCurItem + 1;
  if (row >= m_listFiles.GetItemCount()) {
    StopPlayback();
    return;
  }
  MoveToRow(row, true);
}

void CTavrenPlayerDlg::OnAccelNext() { OnBnClickedNext(); }

void CTavrenPlayerDlg::OnAccelPrev() { OnBnClickedPrev(); }

// A row without a path becomes the current row but opens nothing, and leaves the loader be.
void CTavrenPlayerDlg::MoveToRow(int nRow, bool bHot) {
  CString path = m_listFiles.GetItemText(nRow, COL_PATH);
  if (!path.IsEmpty() && !WaitForLoader()) return;
  m_nCurItem = nRow;
  if (bHot) m_listFiles.SetHotItem(nRow);
  if (path.IsEmpty()) return;
  ChangeTwins(m_listFiles, m_dlgFileList.m_listFiles, [nRow](CConfigListCtrl& list) {
    SelectOnlyRow(list, nRow);
    list.EnsureVisible(nRow, FALSE);
    list.UpdateWindow();
  });
  if (OpenVideoFile(path)) OnBnClickedPlay();
}

void CTavrenPlayerDlg::OnBnClickedRewind() {
  if (!IsPlayingOrPaused()) return;
  m_player.StepBackward(1.0);
  UpdatePlayPosition();
}

void CTavrenPlayerDlg::OnBnClickedForward() {
  if (!IsPlayingOrPaused()) return;
  m_player.StepForward(1.0);
  UpdatePlayPosition();
  // The tick may have moved on to another recording, or stopped.
  if (m_player.m_pGraph) m_player.m_pGraph->UpdateVideoWindows();
}

bool CTavrenPlayerDlg::IsPlayingOrPaused() const {
  const CDShowGraph* graph = m_player.m_pGraph.get();
  return graph && IsRunningOrPaused(graph->PlayState);
}

void CTavrenPlayerDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == IDT_PLAY_POSITION) UpdatePlayPosition();
  Default();
}

void CTavrenPlayerDlg::UpdatePlayPosition() {
  CDShowGraph* graph = m_player.m_pGraph.get();
  if (!graph || graph->PlayState == PLAY_STATE_NO_GRAPH) return;
  bool running = graph->PlayState == PLAY_STATE_RUNNING;
  // A stopped graph comes to pause on its current frame.
  if (!running) graph->Pause();
  LONGLONG position = PositionMs(*graph);
  LONGLONG duration = DurationMsOf(*graph);
  bool dragging = running && ::GetCapture() == m_sliderSeek.GetSafeHwnd();
  if (running && (position >= duration || position < 0)) {
    // The end waits for the drag to finish.
    if (dragging) return;
    SetSeekPos(position);
    UpdateTimeLabels(static_cast<ULONGLONG>(position), static_cast<ULONGLONG>(duration));
    OnBnClickedNext();
    return;
  }
  if (!dragging) {
    SetSeekPos(position);
    UpdatePanelSlider();
  }
  UpdateTimeLabels(static_cast<ULONGLONG>(position), static_cast<ULONGLONG>(duration));
  m_wndMap.DrawCurrent(static_cast<UINT>(position));
  UpdateSpeedAndSensor(static_cast<UINT>(position));
}

// The thumb and the time labels are drawn in the next paint pass only. Drawn on the tick
// as well, they were drawn twice, and an update there presented, with them, every video
// frame the panes had gathered since the last pass.
void CTavrenPlayerDlg::SetSeekPos(LONGLONG llPosition) {
  m_sliderSeek.SetPos(static_cast<int>(std::clamp<LONGLONG>(llPosition, INT_MIN, INT_MAX)));
  m_sliderSeek.Invalidate(TRUE);
}

void CTavrenPlayerDlg::UpdatePanelSlider() {
  if (!Exists(m_dlgControlPanel)) return;
  LONGLONG position = m_player.m_pGraph ? PositionMs(*m_player.m_pGraph) : 0;
  m_dlgControlPanel.m_sliderSeek.SetPos(static_cast<int>(std::clamp<LONGLONG>(position, 0, INT_MAX)));
  m_dlgControlPanel.m_sliderSeek.Invalidate(TRUE);
}

// Labels are written only when their text changes.
void CTavrenPlayerDlg::UpdateTimeLabels(ULONGLONG nPosition, ULONGLONG nDuration) {
  CString elapsed = FormatHms(static_cast<LONGLONG>(nPosition));
  CString shown;
  m_lblElapsed.GetWindowText(shown);
  if (elapsed != shown) {
    ChangeTwins(m_lblElapsed, m_dlgControlPanel.m_lblElapsed, [&elapsed](COktStaticTrans& label) {
      label.SetWindowText(elapsed);
      label.Invalidate(TRUE);
    });
  }
  CString total = FormatHms(static_cast<LONGLONG>(nDuration));
  m_lblDuration.GetWindowText(shown);
  if (total == shown) return;
  m_lblDuration.RedrawParentArea();
  m_lblDuration.SetWindowText(total);
  m_lblDuration.Invalidate(TRUE);
  if (Exists(m_dlgControlPanel)) m_dlgControlPanel.m_lblDuration.SetWindowText(total);
}

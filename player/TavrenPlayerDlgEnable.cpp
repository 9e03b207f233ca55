#include "platform/shell/SoundVolume.h"
#include "platform/win/WindowStyles.h"
#include "player/TavrenPlayerDlg.h"

namespace {

constexpr int kNothingLoaded = 0;
constexpr int kRecordingOpen = 2;

void Enable(CWnd& wnd, BOOL bEnable) {
  if (IsWindow(wnd.GetSafeHwnd())) wnd.EnableWindow(bEnable);
}

bool Exists(const CWnd& wnd) { return IsWindow(wnd.GetSafeHwnd()) != FALSE; }

}  // namespace

// State 0: nothing listed; 1: a list, nothing open; 2: a recording open. The panels'
// twin controls follow, each panel only once its window exists.
void CTavrenPlayerDlg::EnableControls(int nState) {
  if (nState < kNothingLoaded || nState > kRecordingOpen) return;
  const BOOL listed = nState != kNothingLoaded;
  const BOOL open = nState == kRecordingOpen;
  if (!open) {
    m_wndVideo1.ShowWindow(SW_HIDE);
    m_wndVideo2.ShowWindow(SW_HIDE);
  }
  Enable(m_sliderSeek, open);
  Enable(m_sliderSpeed, TRUE);
  Enable(m_sliderBrightness, TRUE);
  ApplyAudioRule();
  for (CWnd* wnd : {&m_btnFront, &m_btnRear, &m_btnAll, &m_btnRotate, &m_btnReverse, &m_btnCapture}) Enable(*wnd, open);
  Enable(m_btnExtend, TRUE);
  for (CWnd* wnd : {&m_btnRewind, &m_btnForward, &m_btnPlay, &m_btnPrev, &m_btnNext}) Enable(*wnd, open);
  Enable(m_btnSplit, TRUE);
  Enable(m_btnFolder, TRUE);
  for (CWnd* wnd : {&m_btnCalendar, &m_btnSave, &m_btnDelete}) Enable(*wnd, listed);
  Enable(m_btnLargeMap, open);
  Enable(m_btnShowMap, open);
  if (Exists(m_dlgControlTop)) {
    CControlTopDlg& top = m_dlgControlTop;
    for (CWnd* wnd : {&top.m_btnFront, &top.m_btnRear, &top.m_btnAll, &top.m_btnRotate, &top.m_btnReverse})
      Enable(*wnd, open);
  }
  if (Exists(m_dlgControlPanel)) {
    CControlPanelDlg& bar = m_dlgControlPanel;
    for (CWnd* wnd : {static_cast<CWnd*>(&bar.m_sliderSeek), static_cast<CWnd*>(&bar.m_btnRewind),
                      static_cast<CWnd*>(&bar.m_btnForward), static_cast<CWnd*>(&bar.m_btnPlay),
                      static_cast<CWnd*>(&bar.m_btnPrev), static_cast<CWnd*>(&bar.m_btnNext)})
      Enable(*wnd, open);
  }
  if (Exists(m_dlgFileList)) {
    CControlFileListDlg& panel = m_dlgFileList;
    Enable(panel.m_btnFolder, TRUE);
    for (CWnd* wnd : {&panel.m_btnCalendar, &panel.m_btnSave, &panel.m_btnDelete}) Enable(*wnd, listed);
  }
  if (open) ApplyOneCameraRule();
}

// Without a sound device the volume cannot be changed: the slider goes to 0 and the mute
// button shows muted, both disabled.
void CTavrenPlayerDlg::ApplyAudioRule() {
  DWORD volume = 0;
  if (waveOutGetVolume(nullptr, &volume) == MMSYSERR_NOERROR) {
    Enable(m_sliderVolume, TRUE);
    Enable(m_btnMute, TRUE);
    return;
  }
  m_sliderVolume.SetPos(0);
  m_sliderVolume.Invalidate(TRUE);
  Enable(m_sliderVolume, FALSE);
  m_btnMute.SetCheck(BST_CHECKED);
  Enable(m_btnMute, FALSE);
}

// A recording with one video stream has no rear camera to show, flip or mirror.
void CTavrenPlayerDlg::ApplyOneCameraRule() {
  const BOOL twoCameras = !(m_player.m_pGraph && m_player.m_pGraph->m_nVideoStreams == 1);
  Enable(m_btnFront, TRUE);
  for (CWnd* wnd : {&m_btnRear, &m_btnAll, &m_btnRotate, &m_btnReverse}) Enable(*wnd, twoCameras);
  if (!Exists(m_dlgControlTop)) return;
  CControlTopDlg& top = m_dlgControlTop;
  Enable(top.m_btnFront, TRUE);
  for (CWnd* wnd : {&top.m_btnRear, &top.m_btnAll, &top.m_btnRotate, &top.m_btnReverse}) Enable(*wnd, twoCameras);
}

#include <initializer_list>

#include "platform/shell/SoundVolume.h"
#include "platform/win/WindowStyles.h"
#include "player/TavrenPlayerDlg.h"
#include "player/Twins.h"

namespace {

struct TwinPair {
  CWnd* main;
  CWnd* twin;
};

void EnableTwins(std::initializer_list<TwinPair> pairs, BOOL bEnable) {
  for (const TwinPair& pair : pairs)
    ChangeTwins(*pair.main, *pair.twin, [bEnable](CWnd& wnd) { wnd.EnableWindow(bEnable); });
}

}  // namespace

// Nothing loaded: no list; list loaded: a list, nothing open; recording open: playing or
// paused. The panels' twin controls follow.
void CTavrenPlayerDlg::EnableControls(int nState) {
  if (nState < CONTROLS_NOTHING_LOADED || nState > CONTROLS_RECORDING_OPEN) return;
  const BOOL listed = nState != CONTROLS_NOTHING_LOADED;
  const BOOL open = nState == CONTROLS_RECORDING_OPEN;
  if (!open) {
    m_wndVideo1.ShowWindow(SW_HIDE);
    m_wndVideo2.ShowWindow(SW_HIDE);
  }
  CControlTopDlg& top = m_dlgControlTop;
  CControlPanelDlg& bar = m_dlgControlPanel;
  CControlFileListDlg& panel = m_dlgFileList;
  EnableTwins({{&m_sliderSeek, &bar.m_sliderSeek},
               {&m_btnFront, &top.m_btnFront},
               {&m_btnRear, &top.m_btnRear},
               {&m_btnAll, &top.m_btnAll},
               {&m_btnRotate, &top.m_btnRotate},
               {&m_btnReverse, &top.m_btnReverse},
               {&m_btnRewind, &bar.m_btnRewind},
               {&m_btnForward, &bar.m_btnForward},
               {&m_btnPlay, &bar.m_btnPlay},
               {&m_btnPrev, &bar.m_btnPrev},
               {&m_btnNext, &bar.m_btnNext}},
              open);
  for (CWnd* wnd : {&m_btnCapture, &m_btnLargeMap, &m_btnShowMap}) wnd->EnableWindow(open);
  m_sliderSpeed.EnableWindow(TRUE);
  m_sliderBrightness.EnableWindow(TRUE);
  for (CWnd* wnd : {&m_btnExtend, &m_btnSplit}) wnd->EnableWindow(TRUE);
  ApplyAudioRule();
  EnableTwins({{&m_btnFolder, &panel.m_btnFolder}}, TRUE);
  EnableTwins(
      {{&m_btnCalendar, &panel.m_btnCalendar}, {&m_btnSave, &panel.m_btnSave}, {&m_btnDelete, &panel.m_btnDelete}},
      listed);
  if (open) ApplyOneCameraRule();
}

// Without a sound device the volume cannot be changed: the slider goes to 0 and the mute
// button shows muted, both disabled.
void CTavrenPlayerDlg::ApplyAudioRule() {
  DWORD volume = 0;
  if (waveOutGetVolume(nullptr, &volume) == MMSYSERR_NOERROR) {
    m_sliderVolume.EnableWindow(TRUE);
    m_btnMute.EnableWindow(TRUE);
    return;
  }
  m_sliderVolume.SetPos(0);
  m_sliderVolume.Invalidate(TRUE);
  m_sliderVolume.EnableWindow(FALSE);
  m_btnMute.SetCheck(BST_CHECKED);
  m_btnMute.EnableWindow(FALSE);
}

// A recording with one video stream has no rear camera to show, flip or mirror.
void CTavrenPlayerDlg::ApplyOneCameraRule() {
  const BOOL twoCameras = !(m_player.m_pGraph && m_player.m_pGraph->m_nVideoStreams == 1);
  CControlTopDlg& top = m_dlgControlTop;
  EnableTwins({{&m_btnFront, &top.m_btnFront}}, TRUE);
  EnableTwins({{&m_btnRear, &top.m_btnRear},
               {&m_btnAll, &top.m_btnAll},
               {&m_btnRotate, &top.m_btnRotate},
               {&m_btnReverse, &top.m_btnReverse}},
              twoCameras);
}

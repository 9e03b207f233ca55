#include "platform/shell/SoundVolume.h"
#include "platform/win/SliderCtrl.h"
#include "player/PanelSupport.h"
#include "player/PlaybackRules.h"
#include "player/TavrenPlayerDlg.h"
#include "player/Twins.h"
#include "player/VideoPaneLayout.h"

namespace {

// What the decoder does with a parameter is its own business; a missing decoder or one
// without the interface is skipped.
void PutDecoderParam(IBaseFilter* pDecoder, int nId, int nValue) {
  if (!pDecoder) return;
  platform::ComPtr<IDecoderParameters> params;
  if (FAILED(pDecoder->QueryInterface(IID_IDecoderParameters, params.ReceiveVoid())) || !params) return;
  params->put(nId, nValue);
}

// Codes that move a slider's thumb; the end-of-drag and end-of-key codes do not.
bool MovesThumb(UINT nSBCode) {
  switch (nSBCode) {
    case TB_LINEUP:
    case TB_LINEDOWN:
    case TB_PAGEUP:
    case TB_PAGEDOWN:
    case TB_THUMBTRACK:
    case TB_TOP:
    case TB_BOTTOM: return true;
    default: return false;
  }
}

void Place(CWnd& pane, const CRect& rect, bool bShow) {
  pane.MoveWindow(&rect, TRUE);
  if (bShow) pane.ShowWindow(SW_SHOWNORMAL);
}

}  // namespace

void CTavrenPlayerDlg::OnBnClickedMute() {
  // The box has already toggled.
  bool muted = m_btnMute.GetCheck() == BST_CHECKED;
  waveOutSetVolume(nullptr, muted ? 0 : VolumeWord(m_sliderVolume.GetPos()));
  ShowMuteState(m_btnMute, muted, kMainMuteFaces);
  if (Exists(m_dlgControlPanel)) ShowMuteState(m_dlgControlPanel.m_btnMute, muted, kBarMuteFaces);
}

// Positions are read from the slider itself: the message's is 16 bits wide.
void CTavrenPlayerDlg::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  // The scroll bar is the slider window that sent the message.
  HWND from = pScrollBar ? reinterpret_cast<CWnd*>(pScrollBar)->GetSafeHwnd() : nullptr;
  if (from && MovesThumb(nSBCode)) {
    if (from == m_sliderSeek.GetSafeHwnd()) {
      m_player.Seek(m_sliderSeek.GetPos());
      UpdatePlayPosition();
    } else if (from == m_sliderSpeed.GetSafeHwnd()) {
      // While paused the next resume reads the slider.
      if (m_player.m_pGraph && m_player.m_pGraph->PlayState == PLAY_STATE_RUNNING)
        m_player.SetRate(RateFromSpeed(m_sliderSpeed.GetPos()));
    } else if (from == m_sliderVolume.GetSafeHwnd()) {
      ApplyVolumeSlider();
    } else if (from == m_sliderBrightness.GetSafeHwnd()) {
      ApplyBrightness(m_sliderBrightness.GetPos());
    }
  }
  CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

// Position 0 mutes; the control bar's mute button is left as it is.
void CTavrenPlayerDlg::ApplyVolumeSlider() {
  int pos = m_sliderVolume.GetPos();
  bool muted = pos <= 0;
  ShowMuteState(m_btnMute, muted, kMainMuteFaces);
  waveOutSetVolume(nullptr, muted ? 0 : VolumeWord(pos));
}

void CTavrenPlayerDlg::ApplyBrightness(int nValue) {
  CDShowGraph* graph = m_player.m_pGraph.get();
  if (!graph) return;
  for (IBaseFilter* decoder : {graph->m_pDecoder1.get(), graph->m_pDecoder2.get()}) {
    PutDecoderParam(decoder, DECODER_BRIGHTNESS_ON, 1);
    PutDecoderParam(decoder, DECODER_BRIGHTNESS, nValue);
  }
}

void CTavrenPlayerDlg::PutRearFlip(int nParam, int nValue) {
  if (!m_player.m_pGraph) return;
  PutDecoderParam(m_player.m_pGraph->m_pDecoder2.get(), DECODER_FLIP_ON, 1);
  PutDecoderParam(m_player.m_pGraph->m_pDecoder2.get(), nParam, nValue);
}

bool CTavrenPlayerDlg::HasRearCamera() const { return m_player.m_pGraph && m_player.m_pGraph->m_nVideoStreams > 1; }

void CTavrenPlayerDlg::OnBnClickedFront() {
  m_nViewChannel = VIEW_FRONT;
  ShowView(VIEW_FRONT);
}

void CTavrenPlayerDlg::OnBnClickedRear() { ShowRearCameraView(VIEW_REAR, m_btnRear); }

void CTavrenPlayerDlg::OnBnClickedAll() { ShowRearCameraView(VIEW_BOTH, m_btnAll); }

// Without a rear camera the clicked button goes back off and the view stays.
void CTavrenPlayerDlg::ShowRearCameraView(int nView, COktSkinButton& button) {
  if (!HasRearCamera()) {
    button.SetCheck(BST_UNCHECKED);
    return;
  }
  m_nViewChannel = nView;
  ShowView(nView);
}

// The panes of the view, shown unless the large map covers the normal window.
void CTavrenPlayerDlg::ShowView(int nView) {
  CRect client;
  GetClientRect(&client);
  PanePlacement place = PlaceVideoPanes(m_nWindowMode, nView, client.Size());
  bool show = m_nWindowMode == WINDOW_MODE_FULL || m_nMapMode != MAP_MODE_LARGE;
  m_wndVideo1.ShowWindow(SW_HIDE);
  m_wndVideo2.ShowWindow(SW_HIDE);
  if (nView == VIEW_BOTH) {
    // Both panes start empty where they will stand, so the video is placed afresh.
    Place(m_wndVideo1, CRect(place.rcFront.TopLeft(), CSize(0, 0)), show);
    Place(m_wndVideo2, CRect(place.rcRear.TopLeft(), CSize(0, 0)), show);
    if (m_player.m_pGraph) m_player.m_pGraph->UpdateVideoWindows();
    SetViewChecks(nView);
  }
  if (place.bShowFront) Place(m_wndVideo1, place.rcFront, show);
  if (place.bShowRear) Place(m_wndVideo2, place.rcRear, show);
  if (m_player.m_pGraph) m_player.m_pGraph->UpdateVideoWindows();
  SetViewChecks(nView);
}

void CTavrenPlayerDlg::SetViewChecks(int nView) {
  const auto check = [](bool bOn) {
    return [bOn](COktSkinButton& button) {
      button.SetCheck(bOn ? BST_CHECKED : BST_UNCHECKED);
      button.UpdateWindow();
    };
  };
  ChangeTwins(m_btnFront, m_dlgControlTop.m_btnFront, check(nView == VIEW_FRONT));
  ChangeTwins(m_btnRear, m_dlgControlTop.m_btnRear, check(nView == VIEW_REAR));
  ChangeTwins(m_btnAll, m_dlgControlTop.m_btnAll, check(nView == VIEW_BOTH));
}

void CTavrenPlayerDlg::OnBnClickedRotate() {
  ToggleRearFlip(m_btnRotate, m_dlgControlTop.m_btnRotate, m_bFlipV, DECODER_FLIP_VERTICAL);
}

void CTavrenPlayerDlg::OnBnClickedReverse() {
  ToggleRearFlip(m_btnReverse, m_dlgControlTop.m_btnReverse, m_bFlipH, DECODER_FLIP_HORIZONTAL);
}

// Only a running or paused recording flips; otherwise the button goes back off.
void CTavrenPlayerDlg::ToggleRearFlip(COktSkinButton& button, COktSkinButton& twin, BYTE& flag, int nParam) {
  if (m_strCardPath.IsEmpty()) return;
  if (!IsPlayingOrPaused()) {
    SetCheckTwins(button, twin, false);
    return;
  }
  BYTE next = flag ? 0 : 1;
  PutRearFlip(nParam, next);
  m_player.m_pGraph->UpdateVideoWindows();
  flag = next;
  SetCheckTwins(button, twin, next != 0);
  m_player.m_pGraph->UpdateVideoWindows();
}

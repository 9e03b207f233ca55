#include "player/ControlPanelDlg.h"

#include "platform/shell/SoundVolume.h"
#include "player/FileListPlacement.h"
#include "player/PanelSupport.h"
#include "player/PlaybackRules.h"
#include "player/TavrenPlayerDlg.h"
#include "player/Twins.h"
#include "res/dialogs/PlayerTemplate.h"

namespace {

constexpr UINT kBackground = 269;  // 1 x 44, stretched along the bar
constexpr int kBarHeight = 44;

// Both mute buttons show the state; the main one with its own faces.
void ShowBothMuteStates(COktSkinButton& bar, CTavrenPlayerDlg* pMain, BOOL bMuted) {
  ShowMuteState(bar, bMuted, kBarMuteFaces);
  if (pMain) ShowMuteState(pMain->m_btnMute, bMuted, kMainMuteFaces);
}

}  // namespace

IMPLEMENT_DYNAMIC(CControlPanelDlg, CPanelDlg)

BEGIN_MESSAGE_MAP(CControlPanelDlg, CPanelDlg)
  ON_BN_CLICKED(IDC_PANEL_REWIND, OnBnClickedRewind)
  ON_BN_CLICKED(IDC_PANEL_FORWARD, OnBnClickedForward)
  ON_BN_CLICKED(IDC_PANEL_PLAY, OnBnClickedPlay)
  ON_BN_CLICKED(IDC_PANEL_PREV, OnBnClickedPrev)
  ON_BN_CLICKED(IDC_PANEL_NEXT, OnNextFile)
  ON_BN_CLICKED(IDC_PANEL_INFORMATION, OnBnClickedInformation)
  ON_BN_CLICKED(IDC_PANEL_MUTE, OnBnClickedMute)
  ON_WM_HSCROLL()
  ON_BN_CLICKED(IDC_PANEL_FILELIST, OnBnClickedFileList)
  ON_COMMAND(ID_ACCEL_NEXTFILE, OnNextFile)
  ON_COMMAND(ID_ACCEL_PREVFILE, OnBnClickedPrev)
END_MESSAGE_MAP()

CControlPanelDlg::CControlPanelDlg() : CPanelDlg((RegisterPanelTemplates(), IDD_CONTROL_PANEL)) {}

CControlPanelDlg::~CControlPanelDlg() = default;

void CControlPanelDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PANEL_SLIDER_SEEK, m_sliderSeek);
  DDX_Control(pDX, IDC_PANEL_REWIND, m_btnRewind);
  DDX_Control(pDX, IDC_PANEL_FORWARD, m_btnForward);
  DDX_Control(pDX, IDC_PANEL_PLAY, m_btnPlay);
  DDX_Control(pDX, IDC_PANEL_PREV, m_btnPrev);
  DDX_Control(pDX, IDC_PANEL_NEXT, m_btnNext);
  DDX_Control(pDX, IDC_PANEL_MUTE, m_btnMute);
  DDX_Control(pDX, IDC_PANEL_SLIDER_VOLUME, m_sliderVolume);
  DDX_Control(pDX, IDC_PANEL_INFORMATION, m_btnInformation);
  DDX_Control(pDX, IDC_PANEL_ELAPSED, m_lblElapsed);
  DDX_Control(pDX, IDC_PANEL_DURATION, m_lblDuration);
  DDX_Control(pDX, IDC_PANEL_FILELIST, m_btnFileList);
}

BOOL CControlPanelDlg::OnInitDialog() {
  CPanelDlg::OnInitDialog();
  SkinButtons({
      {&m_btnInformation, {308, 310, 309, 308, 308}, L"PLAYERDLG_INFORMATION"},
      {&m_btnFileList, {288, 290, 289, 288, 288}, L"PLAYERDLG_FILELIST"},
      {&m_btnRewind, {206, 208, 207, 206, 206}, L"PLAYERDLG_REWIND"},
      {&m_btnForward, {191, 193, 192, 191, 191}, L"PLAYERDLG_FORWARD"},
      {&m_btnPlay, kPlayFaces, L"PLAYERDLG_PLAY"},
      {&m_btnPrev, {203, 205, 204, 203, 203}, L"PLAYERDLG_PREV"},
      {&m_btnNext, {194, 196, 195, 194, 194}, L"PLAYERDLG_NEXT"},
      {&m_btnMute, kBarMuteFaces.unmuted, L"PLAYERDLG_VOLUME"},
  });
  SkinSliders({{&m_sliderSeek, {209, 210, 213, 213, 213}}, {&m_sliderVolume, {268, 216, 219, 219, 219}}});
  m_sliderSeek.m_bWheelEnabled = 0;
  m_sliderVolume.m_bWheelEnabled = 0;
  for (COktStaticTrans* label : {&m_lblElapsed, &m_lblDuration}) {
    label->m_crText = RGB(0xA4, 0xA4, 0xA4);
    label->RedrawParentArea();
    label->m_bmpBack.DeleteObject();
    label->m_bmpBack.LoadBitmap(278);
    label->m_crBack = 0xFFFFFFFF;
  }
  return TRUE;
}

BOOL CControlPanelDlg::RepositionControls() {
  CRect client;
  GetClientRect(&client);
  const int W = client.Width(), H = client.Height();
  const struct {
    CWnd* control;
    CRect rect;
  } places[] = {
      {&m_btnInformation, CRect(CPoint(W - 93, H - 36), CSize(36, 28))},
      {&m_btnFileList, CRect(CPoint(W - 57, H - 36), CSize(37, 28))},
      {&m_btnRewind, CRect(CPoint(W - 550, H - 36), CSize(36, 28))},
      {&m_btnForward, CRect(CPoint(W - 514, H - 36), CSize(37, 28))},
      {&m_btnPlay, CRect(CPoint(W - 465, H - 36), CSize(37, 28))},
      {&m_btnPrev, CRect(CPoint(W - 416, H - 36), CSize(36, 28))},
      {&m_btnNext, CRect(CPoint(W - 380, H - 36), CSize(37, 28))},
      {&m_btnMute, CRect(CPoint(W - 319, H - 32), CSize(22, 16))},
      {&m_sliderSeek, CRect(CPoint(20, H - 39), CSize(W - 599, 20))},
      {&m_sliderVolume, CRect(CPoint(W - 291, H - 31), CSize(181, 15))},
      {&m_lblElapsed, CRect(CPoint(20, H - 19), CSize(50, 15))},
      {&m_lblDuration, CRect(CPoint(W - 628, H - 19), CSize(50, 15))},
  };
  SkinSliders({{&m_sliderSeek, {306, 307, 213, 213, 213}}, {&m_sliderVolume, {296, 297, 219, 219, 219}}});
  for (const auto& place : places) {
    place.control->MoveWindow(&place.rect);
    place.control->Invalidate();
  }
  if (CTavrenPlayerDlg* pMain = PanelMainDialog(this)) {
    const int nPos = static_cast<int>(pMain->m_sliderVolume.SendMessage(TBM_GETPOS));
    m_sliderVolume.SetPos(nPos);
    m_sliderVolume.Invalidate();
    const BOOL bMuted = pMain->m_btnMute.GetCheck() == BST_CHECKED;
    waveOutSetVolume(nullptr, bMuted ? 0 : VolumeWord(nPos));
    ShowMuteState(m_btnMute, bMuted, kBarMuteFaces);
  }
  return TRUE;
}

BOOL CControlPanelDlg::OnEraseBkgnd(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  DrawPanelBackground(pDC, kBackground, CRect(), CRect(0, client.bottom - kBarHeight, client.right, client.bottom));
  return TRUE;
}

// The main dialog's own rewind: one second back while a recording runs or pauses.
void CControlPanelDlg::OnBnClickedRewind() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedRewind); }

void CControlPanelDlg::OnBnClickedForward() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedForward); }

void CControlPanelDlg::OnBnClickedPlay() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedPlay); }

void CControlPanelDlg::OnBnClickedPrev() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedPrev); }

void CControlPanelDlg::OnNextFile() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedNext); }

void CControlPanelDlg::OnBnClickedInformation() {
  ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedInformation);
}

// The click has already toggled the check.
void CControlPanelDlg::OnBnClickedMute() {
  CTavrenPlayerDlg* pMain = PanelMainDialog(this);
  const BOOL bMuted = m_btnMute.GetCheck() == BST_CHECKED;
  const int nPos = m_sliderVolume.GetPos();
  waveOutSetVolume(nullptr, bMuted ? 0 : VolumeWord(nPos));
  if (!bMuted && pMain) pMain->m_sliderVolume.SetPos(nPos);
  ShowBothMuteStates(m_btnMute, pMain, bMuted);
}

void CControlPanelDlg::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  // The map hands the sender's window object over as a CScrollBar.
  const CWnd* pFrom = reinterpret_cast<CWnd*>(pScrollBar);
  const HWND from = pFrom ? pFrom->m_hWnd : nullptr;
  if (from && from == m_sliderSeek.m_hWnd) OnSeekScroll(nSBCode);
  else if (from && from == m_sliderVolume.m_hWnd) OnVolumeScroll(nSBCode);
  CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

// Paging and dragging seek at once; the drop seeks no more.
void CControlPanelDlg::OnSeekScroll(UINT nSBCode) {
  if (nSBCode != TB_PAGEUP && nSBCode != TB_PAGEDOWN && nSBCode != TB_THUMBTRACK) return;
  CTavrenPlayerDlg* pMain = PanelMainDialog(this);
  if (!pMain) return;
  const int nPos = m_sliderSeek.GetPos();
  pMain->m_player.Seek(nPos);
  pMain->m_sliderSeek.SetPos(nPos);
  pMain->UpdatePlayPosition();
}

void CControlPanelDlg::OnVolumeScroll(UINT nSBCode) {
  if (nSBCode < TB_PAGEUP || nSBCode > TB_THUMBTRACK) return;
  CTavrenPlayerDlg* pMain = PanelMainDialog(this);
  if (!pMain) return;
  const int nPos = m_sliderVolume.GetPos();
  pMain->m_sliderVolume.SetPos(nPos);
  ShowBothMuteStates(m_btnMute, pMain, nPos <= 0);
  waveOutSetVolume(nullptr, VolumeWord(nPos));
}

// The click has already toggled the check. The panel opens with its bottom edge on the
// bar's top edge and its right edge on the bar's right edge.
void CControlPanelDlg::OnBnClickedFileList() {
  CTavrenPlayerDlg* pMain = PanelMainDialog(this);
  if (!pMain || !Exists(pMain->m_dlgFileList)) return;
  CDialog& fileList = pMain->m_dlgFileList;
  if (m_btnFileList.GetCheck() != BST_CHECKED) {
    m_btnFileList.SetCheck(BST_UNCHECKED);
    fileList.ShowWindow(SW_HIDE);
    return;
  }
  m_btnFileList.SetCheck(BST_CHECKED);
  if (fileList.IsWindowVisible()) return;
  CRect bar;
  GetWindowRect(&bar);
  fileList.SetWindowPos(&CWnd::wndTop, bar.right - FILELIST_PANEL_WIDTH,
                        bar.bottom - kBarHeight - FILELIST_PANEL_HEIGHT, FILELIST_PANEL_WIDTH, FILELIST_PANEL_HEIGHT,
                        SWP_SHOWWINDOW);
}

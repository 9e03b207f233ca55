#pragma once
// CControlPanelDlg: the full window's control bar along the bottom edge: transport
// buttons, seek and volume sliders, time labels, mute, card information and the button
// that opens the file-list panel. Its commands go to the main dialog that owns it; the
// main dialog writes its displays.
#include "player/PanelSupport.h"
#include "res/dialogs/PanelTemplates.h"
#include "skin/OktImageSlider.h"
#include "skin/OktSkinButton.h"
#include "skin/OktStaticTrans.h"

class CScrollBar;

class CControlPanelDlg : public CPanelDlg {
  DECLARE_DYNAMIC(CControlPanelDlg)

public:
  CControlPanelDlg();
  ~CControlPanelDlg() override;

  // Lays the controls out over the client size and takes the main dialog's volume and
  // mute state, applying it to the program's sound volume. Returns TRUE.
  BOOL RepositionControls();

  COktImageSlider m_sliderSeek;
  COktSkinButton m_btnRewind;
  COktSkinButton m_btnForward;
  COktSkinButton m_btnPlay;
  COktSkinButton m_btnPrev;
  COktSkinButton m_btnNext;
  COktSkinButton m_btnMute;
  COktImageSlider m_sliderVolume;
  COktSkinButton m_btnInformation;
  COktStaticTrans m_lblElapsed;
  COktStaticTrans m_lblDuration;
  COktSkinButton m_btnFileList;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  BOOL OnEraseBkgnd(CDC* pDC) override;
  void OnBnClickedRewind();
  void OnBnClickedForward();
  void OnBnClickedPlay();
  void OnBnClickedPrev();
  void OnNextFile();
  void OnBnClickedInformation();
  void OnBnClickedMute();
  void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  void OnBnClickedFileList();
  DECLARE_MESSAGE_MAP()

private:
  void OnSeekScroll(UINT nSBCode);
  void OnVolumeScroll(UINT nSBCode);
};

#pragma once
// The full window's control bar along the bottom edge (template 283). Placeholder with the
// controls the main window keeps in step.
#include "platform/win/Dialog.h"
#include "skin/OktImageSlider.h"
#include "skin/OktSkinButton.h"
#include "skin/OktStaticTrans.h"

constexpr UINT IDD_CONTROL_PANEL = 283;

class CControlPanelDlg : public CDialog {
public:
  CControlPanelDlg() : CDialog(IDD_CONTROL_PANEL, nullptr) {}
  // Lays the bar's controls out over its present width.
  void RepositionControls();

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
  HACCEL m_hAccel = nullptr;
};

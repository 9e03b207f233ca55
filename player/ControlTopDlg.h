#pragma once
// The full window's top bar (template 284). Placeholder with the controls the main window
// keeps in step.
#include "platform/win/Dialog.h"
#include "skin/OktSkinButton.h"
#include "skin/OktStaticTrans.h"

constexpr UINT IDD_CONTROL_TOP = 284;

class CControlTopDlg : public CDialog {
public:
  CControlTopDlg() : CDialog(IDD_CONTROL_TOP, nullptr) {}
  // Lays the bar's controls out over its present width.
  void RepositionControls();

  COktStaticTrans m_lblFileName;
  COktSkinButton m_btnReduce;
  COktSkinButton m_btnFront;
  COktSkinButton m_btnRear;
  COktSkinButton m_btnAll;
  COktSkinButton m_btnRotate;
  COktSkinButton m_btnReverse;
  HACCEL m_hAccel = nullptr;
};

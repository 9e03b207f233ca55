#pragma once
// CControlTopDlg: the full window's top bar: the recording's file name, the camera view
// and flip buttons, and the button that leaves the full window. Its commands go to the
// main dialog that owns it; the main dialog writes its displays.
#include "player/PanelSupport.h"
#include "res/dialogs/PanelTemplates.h"
#include "skin/OktSkinButton.h"
#include "skin/OktStaticTrans.h"

class CControlTopDlg : public CPanelDlg {
  DECLARE_DYNAMIC(CControlTopDlg)

public:
  CControlTopDlg();
  ~CControlTopDlg() override;

  // Lays the buttons out along the right end of the client width. Returns TRUE.
  BOOL RepositionControls();

  COktStaticTrans m_lblFileName;
  COktSkinButton m_btnReduce;
  COktSkinButton m_btnFront;
  COktSkinButton m_btnRear;
  COktSkinButton m_btnAll;
  COktSkinButton m_btnRotate;
  COktSkinButton m_btnReverse;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  BOOL OnEraseBkgnd(CDC* pDC) override;
  void OnBnClickedReduce();
  void OnBnClickedFront();
  void OnBnClickedRear();
  void OnBnClickedAll();
  void OnBnClickedRotate();
  void OnBnClickedReverse();
  void OnNextFile();
  void OnBnClickedPrev();
  DECLARE_MESSAGE_MAP()
};

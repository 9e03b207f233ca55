#pragma once
// The full window's file-list panel (template 291). Placeholder with the controls the main
// window keeps in step.
#include "platform/win/Dialog.h"
#include "skin/ConfigListCtrl.h"
#include "skin/OktSkinButton.h"

constexpr UINT IDD_CONTROL_FILELIST = 291;

class CControlFileListDlg : public CDialog {
public:
  CControlFileListDlg() : CDialog(IDD_CONTROL_FILELIST, nullptr) {}

  CConfigListCtrl m_listFiles;
  COktSkinButton m_btnFolder;
  COktSkinButton m_btnCalendar;
  COktSkinButton m_btnSave;
  COktSkinButton m_btnDelete;
  COktSkinButton m_btnCheckAll;
  COktSkinButton m_btnFileAll;
  COktSkinButton m_btnFileNormal;
  COktSkinButton m_btnFileEvent;
  COktSkinButton m_btnFileMotion;
  HACCEL m_hAccel = nullptr;
};

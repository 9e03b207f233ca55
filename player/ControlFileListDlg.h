#pragma once
// CControlFileListDlg: the full window's file-list panel, its own copy of the recording
// list with the type, day, folder, copy, delete and check-all buttons. Its commands go to
// the main dialog that owns it, whose list holds the same rows in the same order; the
// main dialog fills its rows and its type checks.
#include "player/PanelSupport.h"
#include "res/dialogs/PanelTemplates.h"
#include "platform/win/ImageList.h"
#include "skin/ConfigListCtrl.h"
#include "skin/OktSkinButton.h"

class CTavrenPlayerDlg;

class CControlFileListDlg : public CPanelDlg {
  DECLARE_DYNAMIC(CControlFileListDlg)

public:
  CControlFileListDlg();
  ~CControlFileListDlg() override;

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

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  BOOL OnEraseBkgnd(CDC* pDC) override;
  void OnBnClickedFileAll();
  void OnBnClickedFileNormal();
  void OnBnClickedFileEvent();
  void OnBnClickedFileMotion();
  void OnBnClickedCalendar();
  void OnBnClickedSave();
  void OnBnClickedDelete();
  void OnNMDblclkFileList(NMHDR* pNMHDR, LRESULT* pResult);
  void OnBnClickedFolder();
  void OnNMClickFileList(NMHDR* pNMHDR, LRESULT* pResult);
  void OnBnClickedCheck();
  void OnNextFile();
  void OnBnClickedPrev();
  DECLARE_MESSAGE_MAP()

private:
  using MainDialogHandler = void (CTavrenPlayerDlg::*)();
  void ForwardCheck(const CButton& own, COktSkinButton CTavrenPlayerDlg::*twin, MainDialogHandler handler);
  void InitList();
  void PlaceButtons();

  CImageList m_rowHeightImages;  // gives the list its row height; the list only borrows it
};

#pragma once
// The card information window: a captionless, skinned, modeless window showing the
// card's total and free space, the space each recording type takes, and the program's
// version. Its figures are read once, when it opens; it is dragged by its background and
// hidden by its close button, Esc or Enter.
#include "platform/base/String.h"
#include "platform/win/Dialog.h"
#include "skin/OktSkinButton.h"
#include "skin/OktStaticTrans.h"

// The labels, made at run time.
constexpr UINT IDC_INFO_TITLE = 10101;
constexpr UINT IDC_INFO_MEMORY = 10102;
constexpr UINT IDC_INFO_VERSION_HEADING = 10104;
constexpr UINT IDC_INFO_TOTAL_CAPTION = 10103;
constexpr UINT IDC_INFO_TOTAL = 10109;
constexpr UINT IDC_INFO_FREE_CAPTION = 10110;
constexpr UINT IDC_INFO_FREE = 10111;
constexpr UINT IDC_INFO_USED_CAPTION = 10112;
constexpr UINT IDC_INFO_NORMAL_CAPTION = 10113;
constexpr UINT IDC_INFO_NORMAL = 10114;
constexpr UINT IDC_INFO_EVENT_CAPTION = 10115;
constexpr UINT IDC_INFO_EVENT = 10116;
constexpr UINT IDC_INFO_MOTION_CAPTION = 10117;
constexpr UINT IDC_INFO_MOTION = 10118;
constexpr UINT IDC_INFO_VERSION_CAPTION = 10122;
constexpr UINT IDC_INFO_VERSION = 10123;

class CInformationDlg : public CDialog {
  DECLARE_DYNAMIC(CInformationDlg)
public:
  // `strCardPath` is the main window's card path; its drive root is what is measured.
  CInformationDlg(CWnd* pParent, const CString& strCardPath);
  ~CInformationDlg() override;

  // The space in KB (each file's size in whole KB) of the recordings in `strFolder` and
  // its sub-folders whose type code is `strCode`. Symbolic links to folders are not followed.
  static ULONGLONG GetRecordSizeKB(const CString& strFolder, const CString& strCode);

  COktSkinButton m_btnClose;
  COktStaticTrans m_staticTitle;
  COktStaticTrans m_staticMemory;
  COktStaticTrans m_staticTotalCaption;
  COktStaticTrans m_staticTotal;
  COktStaticTrans m_staticFreeCaption;
  COktStaticTrans m_staticFree;
  COktStaticTrans m_staticUsedCaption;
  COktStaticTrans m_staticNormalCaption;
  COktStaticTrans m_staticNormal;
  COktStaticTrans m_staticEventCaption;
  COktStaticTrans m_staticEvent;
  COktStaticTrans m_staticMotionCaption;
  COktStaticTrans m_staticMotion;
  COktStaticTrans m_staticVersionHeading;
  COktStaticTrans m_staticVersionCaption;
  COktStaticTrans m_staticVersion;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnEraseBkgnd(CDC* pDC);
  LRESULT OnNcHitTest(CPoint point);
  void OnBnClickedClose();

  void CreateInfoLabel(const CString& strText, UINT nID, CWnd* pParent, COktStaticTrans& label);
  void ArrangeForLanguage();

private:
  void CreateLabels();
  void ShowSpace();
  void SetValue(COktStaticTrans& label, const CString& strText);

  CString m_strCardPath;
  DECLARE_MESSAGE_MAP()
};

// The root of the drive that holds the card path; "" for an empty or relative path.
CString CardDriveRoot(const CString& strCardPath);

// "%.1f GB" of a figure in GB, rounded to single precision first; the decimal point is
// always ".".
CString InfoSpaceText(double gigabytes);

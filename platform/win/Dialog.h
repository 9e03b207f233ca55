#pragma once
// CDialog: a window built from a dialog template, run modally (DoModal) or modelessly
// (Create). Enter, Esc and Tab work through IsDialogMessage in PreTranslateMessage;
// IDOK and IDCANCEL reach OnOK and OnCancel; WM_CLOSE posts IDCANCEL. A pop-up opens
// where its template puts it (detail/DialogPlacement.h); a modal or unowned one that
// OnInitDialog neither moves nor shows is then centred over its owner.
#include "platform/win/DataExchange.h"
#include "platform/win/DialogTemplate.h"
#include "platform/win/Wnd.h"

constexpr UINT DLGC_WANTARROWS = 0x0001;
constexpr UINT DLGC_WANTTAB = 0x0002;
constexpr UINT DLGC_WANTALLKEYS = 0x0004;
constexpr UINT DLGC_WANTMESSAGE = 0x0004;
constexpr UINT DLGC_HASSETSEL = 0x0008;
constexpr UINT DLGC_DEFPUSHBUTTON = 0x0010;
constexpr UINT DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr UINT DLGC_RADIOBUTTON = 0x0040;
constexpr UINT DLGC_WANTCHARS = 0x0080;
constexpr UINT DLGC_STATIC = 0x0100;
constexpr UINT DLGC_BUTTON = 0x2000;

// The class name of dialog windows.
#define WC_DIALOG L"#32770"

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

public:
  CDialog();
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  virtual INT_PTR DoModal();
  using CWnd::Create;
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  void EndDialog(int nResult);
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void GotoDlgCtrl(CWnd* pWndCtrl);

  UINT m_nIDHelp = 0;
  UINT m_nIDTemplate = 0;
  CWnd* m_pParentWnd = nullptr;

protected:
  BOOL CreateFromTemplate(HWND owner);
  bool CentresAfterInit(CPoint topLeftBeforeInit, HWND owner) const;
  LRESULT HandleInitDialog(WPARAM, LPARAM);
  void OnClose();
  INT_PTR m_nModalResult = -1;
  bool m_bModal = false;
  bool m_bEnded = false;

  DECLARE_MESSAGE_MAP()
};

BOOL EndDialog(HWND hDlg, INT_PTR nResult);
BOOL IsDialogMessage(HWND hDlg, LPMSG lpMsg);
HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);

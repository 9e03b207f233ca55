#pragma once
// The day chooser: a month calendar opening on today; m_time is the chosen day at local
// midnight, for the caller to read after IDOK.
#include "platform/base/Time.h"
#include "platform/win/Dialog.h"
#include "platform/win/MonthCalCtrl.h"
#include "platform/win/Notify.h"

class CSelectMonthDlg : public CDialog {
  DECLARE_DYNAMIC(CSelectMonthDlg)
public:
  CSelectMonthDlg();
  ~CSelectMonthDlg() override;

  CMonthCalCtrl m_monthCal;
  CTime m_time;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnMcnSelchangeMonthCal(NMHDR* pNMHDR, LRESULT* pResult);

  DECLARE_MESSAGE_MAP()
};

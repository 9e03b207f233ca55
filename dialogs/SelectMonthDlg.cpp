#include "dialogs/SelectMonthDlg.h"

#include "app/LangStringTable.h"
#include "res/dialogs/ChooserTemplates.h"

IMPLEMENT_DYNAMIC(CSelectMonthDlg, CDialog)

BEGIN_MESSAGE_MAP(CSelectMonthDlg, CDialog)
  ON_NOTIFY(MCN_SELCHANGE, IDC_MONTHCALENDAR, OnMcnSelchangeMonthCal)
END_MESSAGE_MAP()

CSelectMonthDlg::CSelectMonthDlg() : CDialog((RegisterChooserTemplates(), IDD_SELECT_MONTH), nullptr) {}

CSelectMonthDlg::~CSelectMonthDlg() = default;

void CSelectMonthDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MONTHCALENDAR, m_monthCal);
}

// The calendar is made anew at every run, so m_time starts as today each time.
BOOL CSelectMonthDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(CLangStringTable().GetString(L"MONTHDLG_TITLE"));
  m_monthCal.GetCurSel(m_time);
  return TRUE;
}

void CSelectMonthDlg::OnMcnSelchangeMonthCal(NMHDR* /*pNMHDR*/, LRESULT* pResult) {
  *pResult = 0;
  m_monthCal.GetCurSel(m_time);
}

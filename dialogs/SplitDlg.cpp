#include "dialogs/SplitDlg.h"

#include "app/DocumentsFolder.h"
#include "app/LangStringTable.h"
#include "card/RecordingRow.h"
#include "dialogs/SplitJob.h"
#include "platform/base/Handle.h"
#include "platform/base/System.h"
#include "platform/shell/FileCalls.h"
#include "platform/shell/Process.h"
#include "platform/win/DataExchange.h"
#include "platform/win/MessageBox.h"
#include "platform/win/Timer.h"
#include "platform/win/WinApp.h"
#include "res/dialogs/CardTemplates.h"

IMPLEMENT_DYNAMIC(CSplitDlg, CDialog)

BEGIN_MESSAGE_MAP(CSplitDlg, CDialog)
  ON_BN_CLICKED(IDOK, OnBnClickedStart)
  ON_WM_TIMER()
  ON_BN_CLICKED(IDCANCEL, OnBnClickedCancel)
END_MESSAGE_MAP()

namespace {

constexpr UINT kPollPeriod = 200;  // ms

// The converter by the name this system gives it; the process layer looks for it beside
// the executable, then on PATH, and names it so when it is missing.
CString ConverterPath() { return L"ffmpeg"; }

void DeleteOutput(const CString& path) {
  if (!path.IsEmpty()) DeleteFileW(path);
}

}  // namespace

CSplitDlg::CSplitDlg(const CListCtrl& listFiles)
    : CDialog((RegisterCardTemplates(), IDD_SPLIT), nullptr), m_listFiles(listFiles) {}

CSplitDlg::~CSplitDlg() {
  if (m_hFront || m_hRear) StopConverters();
}

void CSplitDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SPLIT_PROGRESS, m_progress);
}

BOOL CSplitDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CLangStringTable table;
  SetWindowText(table.GetString(L"SPLITDLG_TITLE"));
  SetDlgItemText(IDOK, table.GetString(L"SPLITDLG_START_TITLE"));
  SetDlgItemText(IDCANCEL, table.GetString(L"SPLITDLG_CANCEL_TITLE"));
  SetDlgItemText(IDC_SPLIT_FRONT, table.GetString(L"SPLITDLG_FRONT_TITLE"));
  SetDlgItemText(IDC_SPLIT_REAR, table.GetString(L"SPLITDLG_REAR_TITLE"));
  int row = FirstCheckedRow(m_listFiles);
  if (row >= 0) SetDlgItemText(IDC_SPLIT_FILENAME, m_listFiles.GetItemText(row, COL_NAME));

  m_nState = STATE_IDLE;
  m_progress.ShowWindow(SW_HIDE);
  m_progress.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  m_progress.SendMessage(PBM_SETMARQUEE, 0, 100);
  return TRUE;
}

// Converters that run are never forgotten: Start does nothing until they are done.
void CSplitDlg::OnBnClickedStart() {
  if (m_nState == STATE_FINISHED) {
    EndDialog(IDOK);
    return;
  }
  if (m_nState == STATE_RUNNING) return;
  m_hFront = m_hRear = nullptr;
  m_strOutFront.Empty();
  m_strOutRear.Empty();
  m_bFrontFailed = m_bRearFailed = false;

  int row = FirstCheckedRow(m_listFiles);
  if (row < 0 || (!IsDlgButtonChecked(IDC_SPLIT_FRONT) && !IsDlgButtonChecked(IDC_SPLIT_REAR))) return;
  CString input = m_listFiles.GetItemText(row, COL_PATH);
  CString name = m_listFiles.GetItemText(row, COL_NAME);
  CString folder = ProgramDocumentsFolder();
  if (input.IsEmpty() || !OutputsPossible(input, folder, name)) return;
  StartConversions(input, folder, name);
}

// False, after telling the user why, when a path cannot be passed to the converter or the
// output folder is neither found nor created. The paths are checked first, so that
// nothing is created for a split that cannot run.
bool CSplitDlg::OutputsPossible(const CString& input, const CString& folder, const CString& name) {
  CLangStringTable table;
  if (!FitsParameterLine(input) || !FitsParameterLine(SplitOutputFile(folder, name, SplitCamera::Front))) {
    Tell(table.GetString(L"SPLITDLG_NAME_FAIL"));
    return false;
  }
  if (EnsureFolder(folder)) return true;
  CString text = table.GetString(L"SPLITDLG_FOLDER_FAIL");
  Tell(folder.IsEmpty() ? text : text + L"\n" + folder);
  return false;
}

// Both conversions may run at once. A converter that cannot be started has been reported
// by the shell; the other camera is not tried then, so the user is told once.
void CSplitDlg::StartConversions(const CString& input, const CString& folder, const CString& name) {
  struct Conversion {
    int box;
    SplitCamera camera;
    HANDLE& process;
    CString& output;
  } conversions[] = {{IDC_SPLIT_FRONT, SplitCamera::Front, m_hFront, m_strOutFront},
                     {IDC_SPLIT_REAR, SplitCamera::Rear, m_hRear, m_strOutRear}};
  for (Conversion& c : conversions) {
    if (!IsDlgButtonChecked(c.box)) continue;
    CString output = SplitOutputFile(folder, name, c.camera);
    c.process = StartConverter(SplitParameters(c.camera, input, output));
    if (!c.process) return;
    // Only a started conversion's output is ever deleted again.
    c.output = output;
    ShowRunning();
  }
}

// The parameter line is split into the converter's arguments by the process layer and
// handed to it directly, never to a shell.
HANDLE CSplitDlg::StartConverter(const CString& strParameters) {
  CString converter = ConverterPath();
  SHELLEXECUTEINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.hwnd = m_hWnd;
  info.lpVerb = L"open";
  info.lpFile = converter;
  info.lpParameters = strParameters;
  info.lpDirectory = nullptr;
  info.nShow = SW_HIDE;
  if (!ShellExecuteEx(&info)) return nullptr;
  return info.hProcess;
}

void CSplitDlg::ShowRunning() {
  CLangStringTable table;
  SetDlgItemText(IDOK, table.GetString(L"SPLITDLG_SPLITING_TITLE"));
  GetDlgItem(IDOK)->EnableWindow(FALSE);
  m_progress.ShowWindow(SW_SHOW);
  m_nState = STATE_RUNNING;
  m_progress.SendMessage(PBM_SETSTEP, 5, 0);
  m_progress.SendMessage(PBM_SETMARQUEE, 1, 50);
  SetTimer(TIMER_POLL, kPollPeriod, nullptr);
}

void CSplitDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == TIMER_POLL && m_nState == STATE_RUNNING) PollConverters();
  CDialog::OnTimer(nIDEvent);
}

void CSplitDlg::PollConverters() {
  CollectIfEnded(m_hFront, m_strOutFront, m_bFrontFailed);
  CollectIfEnded(m_hRear, m_strOutRear, m_bRearFailed);
  if (m_hFront || m_hRear) return;
  if (m_bFrontFailed || m_bRearFailed) ShowFailed();
  else ShowFinished();
}

// A conversion that ended, whatever its code, lets its handle go. One that failed loses
// its output, so nothing half-written stays under the output name.
void CSplitDlg::CollectIfEnded(HANDLE& hProcess, CString& strOutput, bool& bFailed) {
  if (!hProcess) return;
  DWORD code = STILL_ACTIVE;
  if (GetExitCodeProcess(hProcess, &code) && code == STILL_ACTIVE) return;
  CloseHandle(hProcess);
  hProcess = nullptr;
  if (code == 0) return;
  bFailed = true;
  DeleteOutput(strOutput);
  strOutput.Empty();
}

void CSplitDlg::ShowFinished() {
  KillTimer(TIMER_POLL);
  m_progress.SendMessage(PBM_SETMARQUEE, 0, 50);
  m_progress.ModifyStyle(PBS_MARQUEE, 0);
  m_progress.SendMessage(PBM_SETPOS, 100, 0);
  SetDlgItemText(IDOK, CLangStringTable().GetString(L"SPLITDLG_COMPLETE_TITLE"));
  GetDlgItem(IDOK)->EnableWindow(TRUE);
  GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
  m_nState = STATE_FINISHED;
}

// Back to idle, where the dialog can be closed or started again, then the cameras that
// could not be split are named.
void CSplitDlg::ShowFailed() {
  ShowIdle();
  CLangStringTable table;
  CString text;
  if (m_bFrontFailed) text = table.GetString(L"SPLITDLG_FRONT_FAIL");
  if (m_bRearFailed) {
    if (!text.IsEmpty()) text += L"\n";
    text += table.GetString(L"SPLITDLG_REAR_FAIL");
  }
  Tell(text);
}

void CSplitDlg::ShowIdle() {
  KillTimer(TIMER_POLL);
  SetDlgItemText(IDOK, CLangStringTable().GetString(L"SPLITDLG_START_TITLE"));
  GetDlgItem(IDOK)->EnableWindow(TRUE);
  m_nState = STATE_IDLE;
  m_progress.SendMessage(PBM_SETMARQUEE, 0, 50);
  m_progress.ShowWindow(SW_HIDE);
}

// A box owned by this dialog, whichever window is active when the poll finds the failure.
void CSplitDlg::Tell(const CString& text) { ::MessageBox(m_hWnd, text, AfxGetAppName(), MB_OK | MB_ICONERROR); }

void CSplitDlg::OnBnClickedCancel() {
  if (m_nState != STATE_RUNNING) {
    EndDialog(IDCANCEL);
    return;
  }
  StopConverters();
  ShowIdle();
}

// Each process is killed and reaped before its output is deleted, so nothing writes to
// the file after it is gone.
void CSplitDlg::StopConverters() {
  for (HANDLE* process : {&m_hFront, &m_hRear}) {
    if (!*process) continue;
    TerminateProcess(*process, 0);
    CloseHandle(*process);
    *process = nullptr;
  }
  DeleteOutput(m_strOutFront);
  DeleteOutput(m_strOutRear);
}

#pragma once
// The splitter: writes the front and/or the rear camera of the first checked recording of
// the main window's list, each with the sound, into its own AVI file in the documents
// folder's "RODEMIR", by running the converter once per camera and watching it.
#include "platform/base/String.h"
#include "platform/win/Dialog.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/ProgressCtrl.h"

class CSplitDlg : public CDialog {
  DECLARE_DYNAMIC(CSplitDlg)
public:
  // `listFiles` is the main window's recording list; the dialog reads its checked row.
  explicit CSplitDlg(const CListCtrl& listFiles);
  // Converters still running are stopped and their outputs deleted.
  ~CSplitDlg() override;

  enum { STATE_IDLE = 0, STATE_RUNNING = 1, STATE_FINISHED = 3 };
  enum { TIMER_POLL = 100 };

  HANDLE m_hFront = nullptr;
  HANDLE m_hRear = nullptr;
  int m_nState = STATE_IDLE;
  CString m_strOutFront;  // written by a started front conversion, "" when none
  CString m_strOutRear;
  CProgressCtrl m_progress;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnBnClickedStart();
  void OnTimer(UINT_PTR nIDEvent);
  void OnBnClickedCancel();

private:
  bool OutputsPossible(const CString& input, const CString& folder, const CString& name);
  void StartConversions(const CString& input, const CString& folder, const CString& name);
  HANDLE StartConverter(const CString& strParameters);
  void ShowRunning();
  void ShowFinished();
  void ShowFailed();
  void ShowIdle();
  void Tell(const CString& text);
  void StopConverters();
  void PollConverters();
  void CollectIfEnded(HANDLE& hProcess, CString& strOutput, bool& bFailed);

  const CListCtrl& m_listFiles;
  bool m_bFrontFailed = false;  // of the last start; set when its conversion ended with an error
  bool m_bRearFailed = false;
  DECLARE_MESSAGE_MAP()
};

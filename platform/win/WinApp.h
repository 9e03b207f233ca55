#pragma once
// The application object: one per program, the UI thread's CWinThread. Its title is the
// string resource AFX_IDS_APP_TITLE.
#include "platform/base/String.h"
#include "platform/base/Thread.h"
#include "platform/win/MessageMap.h"
#include "platform/win/Resources.h"
#include "platform/win/Wnd.h"

constexpr UINT AFX_IDS_APP_TITLE = 57344;
constexpr UINT ID_HELP = 0xE146;

class CWinApp : public CWinThread {
public:
  explicit CWinApp(LPCTSTR lpszAppName = nullptr);
  ~CWinApp() override;

  BOOL InitInstance() override;
  int Run() override;  // the message loop, until the main window is gone or a quit is posted
  virtual BOOL PreTranslateMessage(MSG*) { return FALSE; }
  CWnd* GetMainWnd() const { return m_pMainWnd; }
  HICON LoadIcon(UINT nIDResource) const;
  HCURSOR LoadCursor(UINT nIDResource) const;
  HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
  void OnHelp() {}

  CString m_pszAppName;

  // The program's start: InitInstance, then Run when it returns TRUE, then ExitInstance.
  // Writes past a file size limit or into a closed pipe fail from here on instead of
  // ending the program.
  int RunApplication();
};

class CWinAppEx : public CWinApp {
public:
  explicit CWinAppEx(BOOL bResourceSmartUpdate = FALSE) { (void)bResourceSmartUpdate; }
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
LPCTSTR AfxGetAppName();
BOOL AfxEnableControlContainer();

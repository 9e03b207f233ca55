#include "platform/win/WinApp.h"

#include <csignal>

#include "platform/win/detail/MessageLoop.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(LPCTSTR lpszAppName) {
  g_app = this;
  m_bAutoDelete = FALSE;
  if (lpszAppName) m_pszAppName = lpszAppName;
  AfxSetUiThread(this);
}

CWinApp::~CWinApp() {
  if (g_app != this) return;
  g_app = nullptr;
  AfxSetUiThread(nullptr);
}

BOOL CWinApp::InitInstance() {
  if (m_pszAppName.IsEmpty()) m_pszAppName = platform::LoadStringResource(AFX_IDS_APP_TITLE).c_str();
  return TRUE;
}

int CWinApp::Run() {
  platform::detail::RunLoop([this] { return !m_pMainWnd || !IsWindow(m_pMainWnd->GetSafeHwnd()); });
  platform::detail::ClearQuit();
  return ExitInstance();
}

// A write past a file size limit and a write to a closed pipe fail with an error that the
// caller reports; left to their signals they would end the program part way through a copy.
int CWinApp::RunApplication() {
  std::signal(SIGXFSZ, SIG_IGN);
  std::signal(SIGPIPE, SIG_IGN);
  if (!InitInstance()) return ExitInstance();
  return Run();
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
  return ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource));
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
  return ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource));
}
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursor(nullptr, lpszCursorName); }

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() {
  CWinThread* thread = AfxGetThread();
  return thread ? thread->m_pMainWnd : nullptr;
}

LPCTSTR AfxGetAppName() {
  static std::wstring title;
  if (g_app && !g_app->m_pszAppName.IsEmpty()) return g_app->m_pszAppName;
  title = platform::LoadStringResource(AFX_IDS_APP_TITLE);
  return title.c_str();
}

BOOL AfxEnableControlContainer() { return TRUE; }

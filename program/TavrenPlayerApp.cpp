#include "program/TavrenPlayerApp.h"

#include <cstdio>

#include "platform/present/HeadlessPresenter.h"
#include "player/TavrenPlayerDlg.h"

CTavrenPlayerApp::CTavrenPlayerApp() : CWinAppEx(TRUE) {}

CTavrenPlayerApp theApp;

BOOL CTavrenPlayerApp::InitInstance() {
  CWinApp::InitInstance();
  AfxEnableControlContainer();
  if (platform::IsHeadlessPresenter() && !platform::HeadlessPresenterRequested()) {
    std::fputs("rodemir: no display to show the main window on\n", stderr);
    m_nExitStatus = 1;
    return FALSE;
  }
  CTavrenPlayerDlg dlg;
  m_pMainWnd = &dlg;
  if (dlg.DoModal() == -1) {
    std::fputs("rodemir: the main window could not be created from its template\n", stderr);
    m_nExitStatus = 1;
  }
  m_pMainWnd = nullptr;
  return FALSE;
}

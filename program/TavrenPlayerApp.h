#pragma once
// The application object: runs the main window as a modal dialog and ends the program
// when it closes.
#include "platform/win/WinApp.h"

class CTavrenPlayerApp : public CWinAppEx {
public:
  CTavrenPlayerApp();

  BOOL InitInstance() override;
  // The process's exit status: 0 after the main window closed, 1 when it could not be made.
  int ExitInstance() override { return m_nExitStatus; }

  int m_nExitStatus = 0;
};

extern CTavrenPlayerApp theApp;

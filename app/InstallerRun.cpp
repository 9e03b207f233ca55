#include "app/InstallerRun.h"

#include "platform/media/PluginInstaller.h"
#include "platform/shell/Process.h"
#include "platform/win/ModalWait.h"
#include "platform/win/WindowStyles.h"

InstallerRun RunFilterInstaller(const CString& path, DWORD boundMs) {
  // A name found anywhere else (PATH, the working folder) may be any program.
  CString program = platform::ProgramAtPath(path);
  if (program.IsEmpty()) return InstallerRun::NotStarted;
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = program;
  info.nShow = SW_HIDE;
  if (!ShellExecuteExW(&info) || !info.hProcess) return InstallerRun::NotStarted;
  DWORD waited = platform::WaitPumpingMessages(info.hProcess, boundMs);
  CloseHandle(info.hProcess);
  if (waited != WAIT_OBJECT_0) return InstallerRun::StillRunning;
  platform::RescanMediaElements();
  return InstallerRun::Ended;
}

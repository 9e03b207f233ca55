#include "app/DecoderSettings.h"
#include "app/LangStringTable.h"
#include "platform/base/System.h"
#include "platform/shell/Process.h"
#include "platform/win/MessageBox.h"
#include "platform/win/WindowStyles.h"
#include "player/TavrenPlayerDlg.h"

namespace {

constexpr DWORD kInstallerWaitMs = 1000;

// "NIMBFilter.exe" in the program's own folder.
CString InstallerPath() {
  wchar_t module[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  CString path = module;
  return path.Left(path.ReverseFind(L'/') + 1) + L"NIMBFilter.exe";
}

}  // namespace

// A missing video decoder runs the installer once; whatever is still missing after it ends
// the program with a message. A missing audio decoder or brightness filter alone does not.
bool CTavrenPlayerDlg::CheckDecoderFilters() {
  CString installer = InstallerPath();
  int result = m_player.CheckFilters();
  if (result == -2) {
    RegisterDecoderSettings();
    ShellExecuteW(nullptr, L"open", installer, nullptr, nullptr, SW_HIDE);
    Sleep(kInstallerWaitMs);
    if (m_player.CheckFilters() < 0) {
      CLangStringTable table;
      AfxMessageBox(table.GetString(L"PLAYERDLG_NO_FILTER"), MB_OK);
      OnBnClickedClose();
    }
  }
  UpdateDecoderSettings();
  return true;
}

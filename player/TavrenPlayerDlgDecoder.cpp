#include "app/DecoderSettings.h"
#include "app/InstallerRun.h"
#include "app/LangStringTable.h"
#include "platform/base/System.h"
#include "platform/win/MessageBox.h"
#include "platform/win/WindowStyles.h"
#include "player/TavrenPlayerDlg.h"

namespace {

// Long past any person answering the installer's question and a slow download of its
// packages: an installer still running then is taken as hung.
constexpr DWORD kInstallerBoundMs = 30 * 60 * 1000;

// "NIMBFilter.exe" in the program's own folder; without a folder when that is unknown, which
// starts nothing.
CString InstallerPath() { return GetModuleFolder() + L"NIMBFilter.exe"; }

}  // namespace

// A missing video decoder runs the installer once and waits for it to end; whatever is still
// missing after it ends the program with a message. A missing audio decoder or brightness
// filter alone does not.
bool CTavrenPlayerDlg::CheckDecoderFilters() {
  CString installer = InstallerPath();
  int result = m_player.CheckFilters();
  if (result == -2) {
    RegisterDecoderSettings();
    RunFilterInstaller(installer, kInstallerBoundMs);
    if (m_player.CheckFilters() < 0) {
      CLangStringTable table;
      AfxMessageBox(table.GetString(L"PLAYERDLG_NO_FILTER"), MB_OK);
      OnBnClickedClose();
    }
  }
  UpdateDecoderSettings();
  return true;
}

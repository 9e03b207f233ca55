#include "player/TavrenPlayerDlg.h"

#include "app/LangStringTable.h"
#include "dialogs/InformationDlg.h"
#include "platform/shell/Drives.h"
#include "platform/win/MessageBox.h"
#include "res/dialogs/CardTemplates.h"

namespace {

bool AnyRemovableDrive() {
  for (const CString& root : GetLogicalDriveRoots())
    if (GetDriveTypeW(root) == DRIVE_REMOVABLE) return true;
  return false;
}

}  // namespace

void CTavrenPlayerDlg::OnBnClickedInformation() {
  if (!AnyRemovableDrive()) {
    AfxMessageBox(CLangStringTable().GetString(L"ALERTDLG_NO_MEMORYCARD"), MB_OK);
    return;
  }
  if (m_strCardPath.IsEmpty() && (!SelectDrive() || m_strCardPath.IsEmpty())) return;
  if (GetDriveTypeW(CardDriveRoot(m_strCardPath)) == DRIVE_REMOVABLE) {
    OpenInformationDlg();
    return;
  }
  // A browsed folder on a fixed disk: the card is asked for, which ends folder mode.
  if (!SelectDrive()) return;
  OpenInformationDlg();
  m_btnFolder.SetCheck(0);
  if (m_dlgFileList.GetSafeHwnd()) m_dlgFileList.m_btnFolder.SetCheck(0);
}

void CTavrenPlayerDlg::OpenInformationDlg() {
  DestroyInformationDlg();
  m_pInfoDlg = new CInformationDlg(this, m_strCardPath);
  m_pInfoDlg->Create(IDD_INFORMATION, this);
  m_pInfoDlg->ShowWindow(SW_SHOWNORMAL);
}

void CTavrenPlayerDlg::OnBnClickedSplit() {}

// Deletes the information window, if one was made, with its window.
void CTavrenPlayerDlg::DestroyInformationDlg() {
  delete m_pInfoDlg;
  m_pInfoDlg = nullptr;
}

#include "player/TavrenPlayerDlg.h"

#include "app/LangStringTable.h"
#include "dialogs/InformationDlg.h"
#include "dialogs/SplitDlg.h"
#include "dialogs/SplitJob.h"
#include "platform/shell/Drives.h"
#include "platform/win/MessageBox.h"
#include "player/RecordingRow.h"
#include "res/dialogs/CardTemplates.h"

namespace {

bool AnyRemovableDrive() {
  for (const CString& root : GetLogicalDriveRoots())
    if (GetDriveTypeW(root) == DRIVE_REMOVABLE) return true;
  return false;
}

// The list stops above the small map while it shows.
void PlaceList(CConfigListCtrl& list, int x, int y, int nMapMode) {
  if (!IsWindow(list.GetSafeHwnd())) return;
  list.MoveWindow(x, y, 308 + g_cxVScroll, nMapMode == MAP_MODE_SMALL ? 310 : 508, TRUE);
  list.RepositionSkinScrollBar();
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

// Only the first checked recording counts, and only when it has both cameras.
void CTavrenPlayerDlg::OnBnClickedSplit() {
  CDShowGraph* graph = m_player.m_pGraph;
  const int state = graph ? graph->PlayState : -1;
  const int row = FirstCheckedRow(m_listFiles);
  if (row < 0 || !IsTwoCameraName(m_listFiles.GetItemText(row, COL_NAME))) return;
  if (state == 0) {
    graph->Pause();
    SetPlayLooks(false);
  }
  CSplitDlg dlgSplit(m_listFiles);
  dlgSplit.DoModal();
  RelistAfterSplit();
  if (state == 0) OnBnClickedPlay();
}

// The active type filter lists again; with none checked the lists stay as they are.
void CTavrenPlayerDlg::RelistAfterSplit() {
  struct Filter {
    COktSkinButton CTavrenPlayerDlg::*button;
    void (CTavrenPlayerDlg::*handler)();
  } const filters[] = {{&CTavrenPlayerDlg::m_btnFileAll, &CTavrenPlayerDlg::OnBnClickedFileAll},
                       {&CTavrenPlayerDlg::m_btnFileNormal, &CTavrenPlayerDlg::OnBnClickedFileNormal},
                       {&CTavrenPlayerDlg::m_btnFileEvent, &CTavrenPlayerDlg::OnBnClickedFileEvent},
                       {&CTavrenPlayerDlg::m_btnFileMotion, &CTavrenPlayerDlg::OnBnClickedFileMotion}};
  for (const Filter& filter : filters) {
    if ((this->*filter.button).GetCheck() == BST_CHECKED) {
      (this->*filter.handler)();
      break;
    }
  }
  PlaceList(m_listFiles, 695, 126, m_nMapMode);
  PlaceList(m_dlgFileList.m_listFiles, 2, 79, m_nMapMode);
}

// Deletes the information window, if one was made, with its window.
void CTavrenPlayerDlg::DestroyInformationDlg() {
  delete m_pInfoDlg;
  m_pInfoDlg = nullptr;
}

#include "player/TavrenPlayerDlg.h"

#include "app/LangStringTable.h"
#include "card/RecordingRow.h"
#include "card/RemovableDrives.h"
#include "dialogs/InformationDlg.h"
#include "dialogs/SplitDlg.h"
#include "dialogs/SplitJob.h"
#include "platform/shell/Drives.h"
#include "platform/win/MessageBox.h"
#include "player/Twins.h"
#include "res/dialogs/CardTemplates.h"

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
  SetCheckTwins(m_btnFolder, m_dlgFileList.m_btnFolder, false);
}

void CTavrenPlayerDlg::OpenInformationDlg() {
  DestroyInformationDlg();
  m_pInfoDlg = std::make_unique<CInformationDlg>(this, m_strCardPath);
  m_pInfoDlg->Create(IDD_INFORMATION, this);
  m_pInfoDlg->ShowWindow(SW_SHOWNORMAL);
}

// Only the first checked recording counts, and only when it has both cameras.
void CTavrenPlayerDlg::OnBnClickedSplit() {
  CDShowGraph* graph = m_player.m_pGraph.get();
  const int state = graph ? graph->PlayState : PLAY_STATE_NO_GRAPH;
  const int row = FirstCheckedRow(m_listFiles);
  if (row < 0 || !IsTwoCameraName(m_listFiles.GetItemText(row, COL_NAME))) return;
  if (state == PLAY_STATE_RUNNING) {
    graph->Pause();
    SetPlayLooks(false);
  }
  CSplitDlg dlgSplit(m_listFiles);
  dlgSplit.DoModal();
  RelistAfterSplit();
  if (state == PLAY_STATE_RUNNING) OnBnClickedPlay();
}

// The active type filter lists again; with none checked the lists stay as they are.
void CTavrenPlayerDlg::RelistAfterSplit() {
  if (int filter = CheckedTypeFilter()) OnTypeFilterClicked(filter);
  PlaceFileLists();
}

// After the card went: the window stays, hidden, with its figures at zero.
void CTavrenPlayerDlg::HideInformationDlg() {
  if (!m_pInfoDlg || !Exists(*m_pInfoDlg)) return;
  for (COktStaticTrans* value : {&m_pInfoDlg->m_staticTotal, &m_pInfoDlg->m_staticFree, &m_pInfoDlg->m_staticNormal,
                                 &m_pInfoDlg->m_staticEvent, &m_pInfoDlg->m_staticMotion}) {
    value->SetWindowText(L"0.0 GB");
    value->Invalidate();
    value->UpdateWindow();
  }
  m_pInfoDlg->ShowWindow(SW_HIDE);
}

// Deletes the information window, if one was made, with its window.
void CTavrenPlayerDlg::DestroyInformationDlg() { m_pInfoDlg.reset(); }

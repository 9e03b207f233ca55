// The recording catalogue: finding the card, listing its recordings in both recording
// lists, the type and day filters, folder mode, the check boxes, and the reset when the
// card's drive goes.
#include "card/RecordingRow.h"
#include "card/RemovableDrives.h"
#include "dialogs/SelectDriveDlg.h"
#include "platform/base/FileFind.h"
#include "platform/shell/ChangeNotify.h"
#include "platform/win/FolderBrowser.h"
#include "player/FileListMirror.h"
#include "player/FileListPlacement.h"
#include "player/RecordingFolders.h"
#include "player/TavrenPlayerDlg.h"
#include "player/Twins.h"
#include "skin/CellCheckBox.h"

namespace {

constexpr LONG kInterruptEvent = static_cast<LONG>(0x80000000);

bool IsChecked(const COktSkinButton& button) { return Exists(button) && button.GetCheck() == BST_CHECKED; }

void SetChecked(COktSkinButton& button, bool bOn) { button.SetCheck(bOn ? BST_CHECKED : BST_UNCHECKED); }

struct RowTexts {
  CString name;
  CString path;
  CString date;
  CString size;
  CString fullDate;
};

// Appends row r; its cell shifts move nothing, since rows only ever go on at the end.
void AppendRow(CConfigListCtrl& list, int r, const RowTexts& row) {
  list.ShiftCellRows(r, TRUE);
  list.ShiftTabOrderRows(r, TRUE);
  list.InsertItem(r, row.name);
  list.SetItemText(r, COL_PATH, row.path);
  list.SetItemText(r, COL_DATE, row.date);
  list.SetItemText(r, COL_SIZE, row.size);
  list.SetItemText(r, COL_FULLDATE, row.fullDate);
  list.SetCellCtrl(r, new CCellCheckBox);
}

// From the top, each row's cells before the row, so that the cell map stays in step.
void EmptyList(CConfigListCtrl& list) {
  for (int n = list.GetItemCount(); n > 0; --n) {
    list.DeleteRowCells();
    list.DeleteItem(0);
  }
}

void SortByName(CConfigListCtrl& list) {
  CONFIGLIST_SORTINFO info{list.GetSafeHwnd(), COL_NAME, 1};
  list.SortItemsEx(CompareItemText, reinterpret_cast<DWORD_PTR>(&info));
}

CString PidlToPath(PCIDLIST_ABSOLUTE pidl) {
  WCHAR path[MAX_PATH] = {};
  if (!SHGetPathFromIDListW(pidl, path)) return CString();
  return CString(path);
}

int FindRowOfPath(CConfigListCtrl& list, const CString& path) {
  const int count = list.GetItemCount();
  for (int row = 0; row < count; ++row)
    if (list.GetItemText(row, COL_PATH) == path) return row;
  return -1;
}

}  // namespace

BOOL CTavrenPlayerDlg::RebuildFileList(int nFilter, bool bDayFilter) {
  EmptyFileLists();
  const bool known = nFilter == FILTER_NORMAL || nFilter == FILTER_EVENT || nFilter == FILTER_MOTION;
  ShowTypeFilter(known ? nFilter : FILTER_ALL);
  for (const RecordingFolder& folder : RecordingFoldersToScan(CheckedTypeFilter(), m_bFolderMode == 1, m_strCardPath))
    AddFolderFiles(folder.path, folder.typeCode, bDayFilter);
  ChangeTwins(m_listFiles, m_dlgFileList.m_listFiles, SortByName);
  FindPlayingRow();
  return TRUE;
}

void CTavrenPlayerDlg::AddFolderFiles(const CString& strFolder, const CString& strTypeCode, bool bDayFilter) {
  m_listFiles.SetRedraw(FALSE);
  CFileFind find;
  if (find.FindFile(RecordingSearchPattern(strFolder))) {
    int next = m_listFiles.GetItemCount();
    for (BOOL more = TRUE; more;) {
      more = find.FindNextFile();
      const CString name = find.GetFileName();
      if (!IsRecordingFile(name, find.GetLength(), find.IsDirectory(), strTypeCode, bDayFilter, m_timeFilterDay))
        continue;
      CTime created;
      find.GetCreationTime(created);
      const RowTexts row{name, find.GetFilePath(), RecordingDateText(created), RecordingSizeText(find.GetLength()),
                         RecordingFullDateText(created)};
      ChangeTwins(m_listFiles, m_dlgFileList.m_listFiles, [&](CConfigListCtrl& list) { AppendRow(list, next, row); });
      ++next;
    }
  }
  find.Close();
  m_listFiles.SetRedraw(TRUE);
}

bool CTavrenPlayerDlg::SelectDrive() {
  CSelectDriveDlg dlg;
  if (dlg.DoModal() != IDOK) return false;
  const CString root = DriveRootOfEntry(dlg.m_strDrive);
  if (root.IsEmpty() || root == m_strCardPath) return false;
  m_strCardPath = root;
  m_bFolderMode = 0;
  SetCheckTwins(m_btnFolder, m_dlgFileList.m_btnFolder, false);
  RebuildFileList(FILTER_ALL, false);
  PlaceFileLists();
  EnableControls(ListedEnableState());
  return true;
}

void CTavrenPlayerDlg::OnBnClickedFileAll() { OnTypeFilterClicked(FILTER_ALL); }

void CTavrenPlayerDlg::OnBnClickedFileNormal() { OnTypeFilterClicked(FILTER_NORMAL); }

void CTavrenPlayerDlg::OnBnClickedFileEvent() { OnTypeFilterClicked(FILTER_EVENT); }

void CTavrenPlayerDlg::OnBnClickedFileMotion() { OnTypeFilterClicked(FILTER_MOTION); }

// Without a card the drive chooser runs first; the clicked button stays on either way.
void CTavrenPlayerDlg::OnTypeFilterClicked(int nFilter) {
  SetCheckTwins(m_btnCheckAll, m_dlgFileList.m_btnCheckAll, false);
  ShowTypeFilter(nFilter);
  if (m_strCardPath.IsEmpty() && !SelectDrive()) return;
  if (m_strCardPath.IsEmpty()) return;
  RebuildFileList(nFilter, IsChecked(m_btnCalendar));
}

void CTavrenPlayerDlg::OnBnClickedCalendar() {
  if (!IsChecked(m_btnCalendar)) {
    if (int filter = CheckedTypeFilter()) RebuildFileList(filter, false);
    if (Exists(m_dlgFileList.m_btnCalendar)) SetChecked(m_dlgFileList.m_btnCalendar, false);
    return;
  }
  if (m_dlgSelectMonth.DoModal() != IDOK) {
    SetCheckTwins(m_btnCalendar, m_dlgFileList.m_btnCalendar, false);
    return;
  }
  m_timeFilterDay = m_dlgSelectMonth.m_time;
  if (int filter = CheckedTypeFilter()) RebuildFileList(filter, true);
  SetCheckTwins(m_btnCalendar, m_dlgFileList.m_btnCalendar, true);
}

// Turning folder mode off, or cancelling the browser, leaves the card path and the lists.
void CTavrenPlayerDlg::OnBnClickedFolder() {
  CString folder;
  const CString start(L"/");
  if (!IsChecked(m_btnFolder) ||
      !BrowseForFolder(L"FOLDERDLG_CONTENTS", FolderBrowseCallback, start, BIF_RETURNONLYFSDIRS, &folder)) {
    m_bFolderMode = 0;
    SetCheckTwins(m_btnFolder, m_dlgFileList.m_btnFolder, false);
    return;
  }
  m_strCardPath = folder;
  m_bFolderMode = 1;
  int filter = CheckedTypeFilter();
  if (!filter) {
    SetChecked(m_btnFileAll, true);
    filter = FILTER_ALL;
  }
  RebuildFileList(filter, IsChecked(m_btnCalendar));
  if (Exists(m_dlgFileList.m_btnFolder)) SetChecked(m_dlgFileList.m_btnFolder, true);
  PlaceFileLists();
  EnableControls(ListedEnableState());
}

void CTavrenPlayerDlg::OnBnClickedCheckAll() {
  const CString text = IsChecked(m_btnCheckAll) ? L"1" : L"0";
  const int count = m_listFiles.GetItemCount();
  for (int row = 0; row < count; ++row)
    ChangeTwins(m_listFiles, m_dlgFileList.m_listFiles,
                [&](CConfigListCtrl& list) { SetRowCheckText(list, row, text); });
  SetCheckTwins(m_btnCheckAll, m_dlgFileList.m_btnCheckAll, text == L"1");
  m_listFiles.Invalidate(TRUE);
}

void CTavrenPlayerDlg::OnNMClickFileList(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  const int row = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem;
  if (Exists(m_dlgFileList.m_listFiles)) MirrorRowClick(m_listFiles, m_dlgFileList.m_listFiles, row);
}

// Inserting a card later starts nothing by itself.
LRESULT CTavrenPlayerDlg::OnScanDrives(WPARAM, LPARAM) {
  if (AnyRemovableDrive()) SelectDrive();
  return 0;
}

// Only the removal of the card's own drive counts; a browsed folder is never a drive root.
LRESULT CTavrenPlayerDlg::OnShellChangeNotify(WPARAM wParam, LPARAM lParam) {
  if ((static_cast<LONG>(lParam) & ~kInterruptEvent) != SHCNE_DRIVEREMOVED) return 0;
  const auto* items = reinterpret_cast<const PCIDLIST_ABSOLUTE*>(wParam);
  if (!items) return 0;
  const CString path = PidlToPath(items[0]);
  if (path.IsEmpty() || path != m_strCardPath) return 0;
  ResetForRemovedCard();
  return 0;
}

// Filter 0 turns all four off.
void CTavrenPlayerDlg::ShowTypeFilter(int nFilter) {
  SetCheckTwins(m_btnFileAll, m_dlgFileList.m_btnFileAll, nFilter == FILTER_ALL);
  SetCheckTwins(m_btnFileNormal, m_dlgFileList.m_btnFileNormal, nFilter == FILTER_NORMAL);
  SetCheckTwins(m_btnFileEvent, m_dlgFileList.m_btnFileEvent, nFilter == FILTER_EVENT);
  SetCheckTwins(m_btnFileMotion, m_dlgFileList.m_btnFileMotion, nFilter == FILTER_MOTION);
}

int CTavrenPlayerDlg::CheckedTypeFilter() const {
  if (IsChecked(m_btnFileAll)) return FILTER_ALL;
  if (IsChecked(m_btnFileNormal)) return FILTER_NORMAL;
  if (IsChecked(m_btnFileEvent)) return FILTER_EVENT;
  if (IsChecked(m_btnFileMotion)) return FILTER_MOTION;
  return 0;
}

void CTavrenPlayerDlg::SetCheckTwins(COktSkinButton& main, COktSkinButton& panel, bool bOn) {
  ChangeTwins(main, panel, [bOn](COktSkinButton& button) { SetChecked(button, bOn); });
}

void CTavrenPlayerDlg::EmptyFileLists() { ChangeTwins(m_listFiles, m_dlgFileList.m_listFiles, EmptyList); }

// Only the main list stops above the small map; the panel has no map under its list.
void CTavrenPlayerDlg::PlaceFileLists() {
  PlaceFileList(m_listFiles, FILELIST_LEFT, FILELIST_TOP, FileListHeight(m_nMapMode));
  if (Exists(m_dlgFileList.m_listFiles))
    PlaceFileList(m_dlgFileList.m_listFiles, PANEL_FILELIST_LEFT, PANEL_FILELIST_TOP, FILELIST_HEIGHT);
}

void CTavrenPlayerDlg::FindPlayingRow() {
  const CDShowGraph* graph = m_player.m_pGraph.get();
  m_nCurItem = graph && !graph->m_szFileName.IsEmpty() ? FindRowOfPath(m_listFiles, graph->m_szFileName) : -1;
}

// A new card or folder chosen while a recording is open keeps the controls of playback.
int CTavrenPlayerDlg::ListedEnableState() const {
  return IsPlayingOrPaused() ? CONTROLS_RECORDING_OPEN : CONTROLS_LIST_LOADED;
}

// The card's drive went: nothing open, no lists, the normal window. The day, folder mode,
// check-all, the camera view and the volume stay as they are.
void CTavrenPlayerDlg::ResetForRemovedCard() {
  KillTimer(IDT_PLAY_POSITION);
  StopPlayback();
  // A loader that would not end made the stop give up; the reset goes on regardless and the
  // loader, asked to stop, drops what it would still hand over.
  m_bStopLoader = 1;
  m_nViewChannel = VIEW_NONE;
  m_nCurItem = -1;
  m_strCardPath.Empty();
  m_player.Close();
  EmptyFileLists();
  ShowTypeFilter(0);
  if (m_nWindowMode == WINDOW_MODE_FULL) LeaveFullWindow();
  m_wndVideo1.ShowWindow(SW_HIDE);
  ShowNothingOpen();
  m_lblFileName.Invalidate(TRUE);
  for (const auto& [slider, position] : {std::pair{&m_sliderSpeed, 5}, std::pair{&m_sliderBrightness, 0}}) {
    slider->SetPos(position);
    slider->Invalidate(TRUE);
  }
  m_nWindowMode = WINDOW_MODE_NORMAL;
  m_nMapMode = MAP_MODE_NONE;
  m_bFlipV = m_bFlipH = 0;
  SetCheckTwins(m_btnRotate, m_dlgControlTop.m_btnRotate, false);
  SetCheckTwins(m_btnReverse, m_dlgControlTop.m_btnReverse, false);
  SetLayoutMode(WINDOW_MODE_NORMAL);
  PlaceFileLists();
  EnableControls(CONTROLS_NOTHING_LOADED);
  ClearSamples();
  CClientDC dc(this);
  DrawSensorPanel(&dc);
  HideInformationDlg();
  Invalidate(TRUE);
}

#include <cstring>

#include "app/DocumentsFolder.h"
#include "app/LangStringTable.h"
#include "card/RecordingRow.h"
#include "platform/base/FileFind.h"
#include "platform/gdi/Image.h"
#include "platform/shell/FileCalls.h"
#include "platform/shell/FileOperation.h"
#include "platform/shell/ItemIdList.h"
#include "platform/win/FileDialog.h"
#include "platform/win/FolderBrowser.h"
#include "platform/win/MessageBox.h"
#include "platform/win/WaitCursor.h"
#include "platform/win/WinApp.h"
#include "player/FileCommandNames.h"
#include "player/FileListMirror.h"
#include "player/TavrenPlayerDlg.h"
#include "player/Twins.h"

namespace {

bool IsCheckedRow(const CListCtrl& list, int row) { return list.GetItemText(row, COL_CHECK) == L"1"; }

// "<documents>/RODEMIR", made when missing; empty when it can be neither found nor made
// (a file of that name is no folder).
CString CaptureFolder() {
  CString folder = ProgramDocumentsFolder();
  return EnsureFolder(folder) ? folder : CString();
}

void SaveStill(CBitmap& still, const CString& path) {
  CImage image;
  image.Attach(reinterpret_cast<HBITMAP>(still.GetSafeHandle()));
  image.Save(path, Gdiplus::ImageFormatJPEG);
  image.Detach();
}

// The shell's copy of one file; a zero-filled, double-zero-ended buffer for each side.
void ShellCopy(const CString& source, const CString& destination) {
  wchar_t from[MAX_PATH + 1] = {};
  wchar_t to[MAX_PATH + 1] = {};
  std::wcsncpy(from, source, MAX_PATH - 1);
  std::wcsncpy(to, destination, MAX_PATH - 1);
  CWnd* mainWnd = AfxGetMainWnd();
  SHFILEOPSTRUCTW op = {};
  op.hwnd = mainWnd ? mainWnd->GetSafeHwnd() : nullptr;
  op.wFunc = FO_COPY;
  op.pFrom = from;
  op.pTo = to;
  op.fFlags = 0;
  op.lpszProgressTitle = L"File Copy";
  SHFileOperationW(&op);
}

// Both browser callbacks: the title from the language table, the data's folder preselected.
int InitFolderBrowser(HWND hwnd, UINT uMsg, LPARAM lpData, LPCWSTR titleKey) {
  if (uMsg != BFFM_INITIALIZED) return 0;
  CLangStringTable table;
  ::SetWindowText(hwnd, table.GetString(titleKey));
  const CString* folder = reinterpret_cast<const CString*>(lpData);
  ::SendMessage(hwnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder ? folder->GetString() : L""));
  return 0;
}

}  // namespace

void CTavrenPlayerDlg::OnBnClickedCapture() {
  CDShowGraph* graph = m_player.m_pGraph.get();
  if (m_strCardPath.IsEmpty() || !graph || !IsRunningOrPaused(graph->PlayState)) return;
  const bool wasRunning = graph->PlayState == PLAY_STATE_RUNNING;
  const int videoStreams = graph->m_nVideoStreams;
  const CString openPath = graph->m_szFileName;
  const CDShowGraph* const pausedGraph = graph;
  CBitmap front;
  if (!m_player.CaptureImage(0, front)) return;
  graph->Pause();
  const LONGLONG positionMs = static_cast<LONGLONG>(m_player.GetPosition());
  const CString proposed = MakeCaptureName(m_listFiles.GetItemText(m_nCurItem, COL_NAME), positionMs, videoStreams);

  m_strCaptureFolder = CaptureFolder();
  if (!m_strCaptureFolder.IsEmpty()) {
    CFileDialog dialog(FALSE, nullptr, proposed, OFN_EXPLORER, L"jpeg file (*.jpg)|*.jpg||", this);
    dialog.m_ofn.lpstrInitialDir = m_strCaptureFolder;
    if (dialog.DoModal() == IDOK)
      SaveCaptures(front, dialog.GetPathName(), videoStreams > 1 && IsOpenGraph(pausedGraph, openPath));
  }
  // The card may have gone while the dialog was open: resume only the graph we paused.
  if (wasRunning && IsOpenGraph(pausedGraph, openPath)) m_player.m_pGraph->Run();
}

// The rear still is taken only while the graph that gave the front one is still open.
void CTavrenPlayerDlg::SaveCaptures(CBitmap& front, const CString& chosenPath, bool withRear) {
  const CaptureTarget target = SplitChosenCapturePath(chosenPath);
  m_strCaptureFolder = target.folder;
  const CString base = target.folder.IsEmpty() ? CString() : target.folder + L"/";
  SaveStill(front, base + target.title + L".jpg");
  if (!withRear) return;
  CBitmap rear;
  if (m_player.CaptureImage(1, rear)) SaveStill(rear, base + RearCaptureTitle(target.title) + L".jpg");
}

bool CTavrenPlayerDlg::IsOpenGraph(const CDShowGraph* graph, const CString& openPath) const {
  return graph && graph == m_player.m_pGraph.get() && graph->PlayState != PLAY_STATE_NO_GRAPH &&
         graph->m_szFileName == openPath;
}

void CTavrenPlayerDlg::OnBnClickedSave() {
  const int rows = m_listFiles.GetItemCount();
  int first = 0;
  while (first < rows && !IsCheckedRow(m_listFiles, first)) ++first;
  if (first == rows || m_listFiles.GetItemText(first, COL_PATH).IsEmpty()) return;
  CString folder;
  if (!BrowseForFolder(L"SAVEDLG_CONTENTS", SaveFolderBrowseCallback, m_strSaveFolder,
                       BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE, &folder))
    return;
  m_strSaveFolder = folder;
  for (int row = 0; row < m_listFiles.GetItemCount(); ++row) {
    if (!IsCheckedRow(m_listFiles, row)) continue;
    const CString source = m_listFiles.GetItemText(row, COL_PATH);
    CFileFind find;
    if (find.FindFile(source))
      ShellCopy(source, CopyDestination(folder, m_listFiles.GetItemText(row, COL_NAME), source));
  }
}

bool CTavrenPlayerDlg::BrowseForFolder(LPCWSTR promptKey, BFFCALLBACK callback, const CString& preselect, UINT flags,
                                       CString* folder) {
  CLangStringTable table;
  wchar_t prompt[MAX_PATH] = {};
  std::wcsncpy(prompt, table.GetString(promptKey), MAX_PATH - 1);
  BROWSEINFOW info;
  info.hwndOwner = GetSafeHwnd();
  info.lpszTitle = prompt;
  info.ulFlags = flags;
  info.lpfn = callback;
  info.lParam = reinterpret_cast<LPARAM>(&preselect);
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
  if (!chosen) return false;
  wchar_t path[MAX_PATH] = {};
  const BOOL ok = SHGetPathFromIDListW(chosen, path);
  ILFree(chosen);
  *folder = path;
  return ok != FALSE;
}

void CTavrenPlayerDlg::OnBnClickedDelete() {
  const int rows = m_listFiles.GetItemCount();
  int checked = 0;
  int firstChecked = -1;
  bool playingChecked = false;
  for (int row = 0; row < rows; ++row) {
    if (!IsCheckedRow(m_listFiles, row)) continue;
    if (checked++ == 0) firstChecked = row;
    playingChecked = playingChecked || row == m_nCurItem;
  }
  if (!ConfirmDelete(ChooseDeleteQuestion(checked, playingChecked))) return;
  CWaitCursor wait;
  DeleteCheckedRows();
  if (const int filter = CheckedTypeFilter()) RebuildFileList(filter, m_btnCalendar.GetCheck() == BST_CHECKED);
  SelectRowAfterDelete(firstChecked);
}

bool CTavrenPlayerDlg::ConfirmDelete(DeleteQuestion question) {
  CLangStringTable table;
  const CString refuse = table.GetString(L"DELETEDLG_CONTEXT1_2");
  const CString ask = table.GetString(L"DELETEDLG_CONTEXT1_1");
  switch (question) {
    case DeleteQuestion::None: return false;
    case DeleteQuestion::RefusePlaying: AfxMessageBox(refuse, MB_OK); return false;
    case DeleteQuestion::AskWithPlaying: return AfxMessageBox(refuse + L"\n" + ask, MB_OKCANCEL) == IDOK;
    case DeleteQuestion::Ask: return AfxMessageBox(ask, MB_OKCANCEL) == IDOK;
  }
  return false;
}

// The open recording is never deleted, whatever row it sits in after a re-list.
void CTavrenPlayerDlg::DeleteCheckedRows() {
  const CDShowGraph* graph = m_player.m_pGraph.get();
  const CString openPath = graph ? graph->m_szFileName : CString();
  for (int row = 0; row < m_listFiles.GetItemCount(); ++row) {
    if (!IsCheckedRow(m_listFiles, row) || row == m_nCurItem) continue;
    const CString path = m_listFiles.GetItemText(row, COL_PATH);
    if (!openPath.IsEmpty() && path == openPath) continue;
    DeleteFileW(path);
  }
}

void CTavrenPlayerDlg::SelectRowAfterDelete(int firstChecked) {
  const int rows = m_listFiles.GetItemCount();
  if (rows == 0) return;
  const int row = firstChecked < rows ? firstChecked : rows - 1;
  ChangeTwins(m_listFiles, m_dlgFileList.m_listFiles, [row](CConfigListCtrl& list) { SelectOnlyRow(list, row); });
}

int FolderBrowseCallback(HWND hwnd, UINT uMsg, LPARAM, LPARAM lpData) {
  return InitFolderBrowser(hwnd, uMsg, lpData, L"FOLDERDLG_TITLE");
}

int SaveFolderBrowseCallback(HWND hwnd, UINT uMsg, LPARAM, LPARAM lpData) {
  return InitFolderBrowser(hwnd, uMsg, lpData, L"SAVEDLG_TITLE");
}

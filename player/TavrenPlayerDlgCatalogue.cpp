#include "player/TavrenPlayerDlg.h"

BOOL CTavrenPlayerDlg::RebuildFileList(int, bool) { return TRUE; }

void CTavrenPlayerDlg::AddFolderFiles(const CString&, const CString&, bool) {}

bool CTavrenPlayerDlg::SelectDrive() { return false; }

void CTavrenPlayerDlg::OnBnClickedFileAll() {}

void CTavrenPlayerDlg::OnBnClickedFileNormal() {}

void CTavrenPlayerDlg::OnBnClickedFileEvent() {}

void CTavrenPlayerDlg::OnBnClickedFileMotion() {}

void CTavrenPlayerDlg::OnBnClickedCalendar() {}

void CTavrenPlayerDlg::OnBnClickedFolder() {}

void CTavrenPlayerDlg::OnBnClickedCheckAll() {}

void CTavrenPlayerDlg::OnNMClickFileList(NMHDR*, LRESULT* pResult) { *pResult = 0; }

LRESULT CTavrenPlayerDlg::OnScanDrives(WPARAM, LPARAM) { return 0; }

LRESULT CTavrenPlayerDlg::OnShellChangeNotify(WPARAM, LPARAM) { return 0; }

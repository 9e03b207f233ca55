#include "player/TavrenPlayerDlg.h"

void CTavrenPlayerDlg::OnBnClickedCapture() {}

void CTavrenPlayerDlg::OnBnClickedSave() {}

void CTavrenPlayerDlg::OnBnClickedDelete() {}

int FolderBrowseCallback(HWND, UINT, LPARAM, LPARAM) { return 0; }

int SaveFolderBrowseCallback(HWND, UINT, LPARAM, LPARAM) { return 0; }

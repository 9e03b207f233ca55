#include "player/TavrenPlayerDlg.h"

void CTavrenPlayerDlg::OnNMDblclkFileList(NMHDR*, LRESULT* pResult) { *pResult = 0; }

bool CTavrenPlayerDlg::OpenVideoFile(const CString&) { return false; }

bool CTavrenPlayerDlg::WaitForLoader() { return true; }

void CTavrenPlayerDlg::StopPlayback() {}

void CTavrenPlayerDlg::OnBnClickedPlay() {}

void CTavrenPlayerDlg::OnBnClickedRewind() {}

void CTavrenPlayerDlg::OnBnClickedForward() {}

void CTavrenPlayerDlg::OnBnClickedPrev() {}

void CTavrenPlayerDlg::OnBnClickedNext() {}

void CTavrenPlayerDlg::OnAccelNext() { OnBnClickedNext(); }

void CTavrenPlayerDlg::OnAccelPrev() { OnBnClickedPrev(); }

void CTavrenPlayerDlg::OnBnClickedMute() {}

void CTavrenPlayerDlg::OnHScroll(UINT, UINT, CScrollBar*) {}

void CTavrenPlayerDlg::OnTimer(UINT_PTR) { Default(); }

void CTavrenPlayerDlg::UpdatePlayPosition() {}

void CTavrenPlayerDlg::UpdatePanelSlider() {}

void CTavrenPlayerDlg::UpdateTimeLabels(ULONGLONG, ULONGLONG) {}

void CTavrenPlayerDlg::OnBnClickedFront() {}

void CTavrenPlayerDlg::OnBnClickedRear() {}

void CTavrenPlayerDlg::OnBnClickedAll() {}

void CTavrenPlayerDlg::OnBnClickedRotate() {}

void CTavrenPlayerDlg::OnBnClickedReverse() {}

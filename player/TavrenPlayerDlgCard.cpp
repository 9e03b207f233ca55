#include "player/TavrenPlayerDlg.h"

void CTavrenPlayerDlg::OnBnClickedInformation() {}

void CTavrenPlayerDlg::OnBnClickedSplit() {}

// Deletes the information window, if one was made, through its virtual destructor.
void CTavrenPlayerDlg::DestroyInformationDlg() { m_pInfoDlg = nullptr; }

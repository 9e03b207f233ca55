#include "player/TavrenPlayerDlg.h"

void CTavrenPlayerDlg::OnBnClickedShowMap() {}

void CTavrenPlayerDlg::OnBnClickedShowLargeMap() {}

#include "player/ControlTopDlg.h"

void CControlTopDlg::RepositionControls() {}

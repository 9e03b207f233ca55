#include "player/ControlPanelDlg.h"

void CControlPanelDlg::RepositionControls() {}

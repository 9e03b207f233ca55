#include "player/ControlFileListDlg.h"

#include "player/FileListPlacement.h"

#include "player/PlayerStates.h"

int FileListHeight(int nMapMode) { return nMapMode == MAP_MODE_SMALL ? 310 : 508; }

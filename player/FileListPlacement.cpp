#include "player/FileListPlacement.h"

#include "player/PlayerStates.h"

int g_cxVScroll = 0;

int FileListHeight(int nMapMode) { return nMapMode == MAP_MODE_SMALL ? FILELIST_HEIGHT_SMALL_MAP : FILELIST_HEIGHT; }

void PlaceFileList(CConfigListCtrl& list, int x, int y, int nHeight) {
  list.MoveWindow(x, y, FILELIST_WIDTH + g_cxVScroll, nHeight, TRUE);
  list.RepositionSkinScrollBar();
}

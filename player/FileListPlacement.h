#pragma once
// Where the recording lists go after a new card or folder and after a split: the main
// window's list and the file-list panel's twin share one width.
constexpr int FILELIST_LEFT = 695;
constexpr int FILELIST_TOP = 126;
constexpr int PANEL_FILELIST_LEFT = 2;
constexpr int PANEL_FILELIST_TOP = 79;
constexpr int PANEL_FILELIST_HEIGHT = 508;
constexpr int FILELIST_WIDTH = 308;  // the skinned scroll bar's width comes on top

// The main list stops above the small map while it shows (MAP_MODE_SMALL): 310 high, else 508.
int FileListHeight(int nMapMode);

#pragma once
// Where the two recording lists stand: the main window's list in its column, and the
// file-list panel's twin at the top of its panel. Once set up, both are FILELIST_WIDTH
// pixels wide and the system's scroll-bar width on top, wherever they are placed.
#include "skin/ConfigListCtrl.h"

// The system's vertical scroll-bar width, read once by InitControls.
extern int g_cxVScroll;

constexpr int FILELIST_LEFT = 695;
constexpr int FILELIST_TOP = 126;
constexpr int FILELIST_WIDTH = 308;
constexpr int FILELIST_HEIGHT = 508;
constexpr int FILELIST_HEIGHT_SMALL_MAP = 310;  // stops above the small map
constexpr int PANEL_FILELIST_LEFT = 2;
constexpr int PANEL_FILELIST_TOP = 79;
// The set-up's widths with the skinned scroll bar: fixed, whatever the system's width.
constexpr int FILELIST_SETUP_WIDTH = 324;
constexpr int PANEL_FILELIST_SETUP_WIDTH = 329;

// The file-list panel itself.
constexpr int FILELIST_PANEL_WIDTH = 326;
constexpr int FILELIST_PANEL_HEIGHT = 587;

// The main list's height: above the small map while it shows (MAP_MODE_SMALL), else the
// full height.
int FileListHeight(int nMapMode);

// Moves the list to (x, y), FILELIST_WIDTH + g_cxVScroll wide and nHeight high, with its
// skinned scroll bar.
void PlaceFileList(CConfigListCtrl& list, int x, int y, int nHeight);

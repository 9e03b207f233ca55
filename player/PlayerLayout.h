#pragma once
// The normal window: its size, its background, where its controls stand, and the map
// window's rectangles, in the window's client pixels.
#include <vector>

#include "platform/base/Geometry.h"

constexpr int NORMAL_WINDOW_WIDTH = 1022;
constexpr int NORMAL_WINDOW_HEIGHT = 682;
constexpr UINT IDB_MAIN_BACKGROUND = 129;  // the normal window's size; the file-list panel shows a part

struct ControlPlace {
  int id;
  CRect rect;
};

inline const CRect kSmallMapRect(695, 466, 695 + 324, 466 + 197);
inline const CRect kLargeMapRect(2, 48, 2 + 1017, 48 + 615);
inline const CPoint kOfflineMapAt(676, 71);

// The 37 controls of the normal layout with their rectangles; the two map buttons stand
// higher while the small map (MAP_MODE_SMALL) is shown.
std::vector<ControlPlace> NormalLayout(int nMapMode);

#pragma once
// Where the main window's controls stand in the normal window, and the map window's
// rectangles, in the window's client pixels.
#include <vector>

#include "platform/base/Geometry.h"

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

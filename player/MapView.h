#pragma once
// The main window's map (control 1068): marks the vehicle's position on the map page.
#include "player/ExplorerMapViewWnd.h"

class CMapView : public CExplorerMapViewWnd {
  DECLARE_DYNAMIC(CMapView)

public:
  CMapView() = default;
  // Marks the position of the first GPS sample at or after `nTime` ms of the open
  // recording. Runs on every tick, whatever the map mode; a page that is not loaded
  // just does not answer.
  void DrawCurrent(UINT nTime);
};

#pragma once
// The map host bound to the browser control 1068. Placeholder until the map page is wired.
#include "platform/win/Wnd.h"

class CMapView : public CWnd {
public:
  CMapView() = default;
  // Marks the vehicle's position at `nTime` ms of the open recording.
  void DrawCurrent(UINT nTime);
};

#pragma once
// Where the front and rear video panes go for a camera view, in the normal window (fixed
// places) or the full window (the client area, 16:9 pictures, truncating arithmetic).
#include "platform/base/Geometry.h"
#include "player/PlayerStates.h"


struct PanePlacement {
  bool bShowFront = false;
  bool bShowRear = false;
  CRect rcFront;  // meaningful when shown
  CRect rcRear;
};

// szClient is the dialog's client size (full window only).
// A view other than rear or both is the front view.
PanePlacement PlaceVideoPanes(int nWindowMode, int nView, CSize szClient);

#include "player/MapView.h"

void CMapView::DrawCurrent(UINT) {}

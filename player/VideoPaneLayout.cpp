#include "player/VideoPaneLayout.h"

namespace {

CRect Box(int x, int y, int w, int h) { return CRect(x, y, x + w, y + h); }

PanePlacement NormalPanes(int nView) {
  PanePlacement p;
  if (nView == VIEW_BOTH) {
    p.bShowFront = p.bShowRear = true;
    p.rcFront = Box(3, 175, 344, 194);
    p.rcRear = Box(347, 175, 344, 194);
  } else if (nView == VIEW_REAR) {
    p.bShowRear = true;
    p.rcRear = Box(3, 78, 688, 387);
  } else {
    p.bShowFront = true;
    p.rcFront = Box(3, 78, 688, 387);
  }
  return p;
}

// One 16:9 picture as large as fits, centred on the axis that has room to spare.
CRect SinglePane(int w, int h) {
  int fitted = (w / 16) * 9;
  if (h >= fitted) return Box(0, (h - fitted) / 2, w, fitted);
  int width = (h / 9) * 16;
  return Box((w - width) / 2, 0, width, h);
}

PanePlacement FullWindowPanes(int nView, CSize client) {
  int w = client.cx, h = client.cy;
  PanePlacement p;
  if (nView == VIEW_BOTH) {
    int unit = w / 16;
    if (h < unit * 9) unit = h / 9;
    int paneHeight = (unit * 9) / 2;
    int paneWidth = w / 2;
    int y = (h - paneHeight) / 2;
    p.bShowFront = p.bShowRear = true;
    p.rcFront = Box(0, y, paneWidth, paneHeight);
    p.rcRear = Box(paneWidth, y, paneWidth, paneHeight);
  } else if (nView == VIEW_REAR) {
    p.bShowRear = true;
    p.rcRear = SinglePane(w, h);
  } else {
    p.bShowFront = true;
    p.rcFront = SinglePane(w, h);
  }
  return p;
}

}  // namespace

PanePlacement PlaceVideoPanes(int nWindowMode, int nView, CSize szClient) {
  return nWindowMode == WINDOW_MODE_FULL ? FullWindowPanes(nView, szClient) : NormalPanes(nView);
}

#pragma once
// A memory DC over a fresh bitmap, for pixel checks.
#include "platform/gdi/DC.h"

class GdiTestCanvas {
public:
  GdiTestCanvas(int width, int height, COLORREF fill = RGB(0, 0, 0)) {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, width, height);
    old = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, fill);
  }
  ~GdiTestCanvas() { dc.SelectObject(old); }

  // Surface pixel, whatever the DC's origins and clipping.
  COLORREF At(int x, int y) const { return platform::ColorFromPixel(dc.GetSurface()->At(x, y)); }
  int Count(COLORREF color) const {
    int n = 0;
    const platform::Surface* s = dc.GetSurface();
    for (int y = 0; y < s->height(); ++y)
      for (int x = 0; x < s->width(); ++x) n += At(x, y) == color;
    return n;
  }

  CDC dc;
  CBitmap bitmap;
  CBitmap* old = nullptr;
};

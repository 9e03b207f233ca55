#pragma once
// What a device context holds. Several CDC objects may share one state (CDC::Attach).
#include <memory>
#include <vector>

#include "platform/base/Geometry.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/detail/GdiTable.h"

namespace platform::detail {

struct Selected {
  HGDIOBJ handle = nullptr;
  GdiDataPtr data;  // keeps the object alive while selected
};

struct DcSettings {
  Surface* surface = nullptr;
  POINT origin{};   // logical (0, 0) before the origins, in surface pixels
  RECT baseClip{};  // surface pixels, from the attachment or the selected bitmap
  RECT clip{};      // baseClip narrowed by IntersectClipRect
  POINT windowOrg{};
  POINT viewportOrg{};
  POINT position{};  // current position, logical
  Selected bitmap, font, brush, pen;
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  int bkMode = 2;       // OPAQUE
  int stretchMode = 1;  // BLACKONWHITE, drawn as COLORONCOLOR
};

struct DcState {
  bool memory = false;
  DcSettings s;
  std::vector<DcSettings> saved;

  // Surface pixel of a logical point.
  int ToSurfaceX(int x) const { return x - s.windowOrg.x + s.viewportOrg.x + s.origin.x; }
  int ToSurfaceY(int y) const { return y - s.windowOrg.y + s.viewportOrg.y + s.origin.y; }
  int ToLogicalX(int x) const { return x + s.windowOrg.x - s.viewportOrg.x - s.origin.x; }
  int ToLogicalY(int y) const { return y + s.windowOrg.y - s.viewportOrg.y - s.origin.y; }
  // A logical rectangle in surface pixels, cut by the clip; empty when nothing is visible.
  CRect ClippedSurfaceRect(int left, int top, int right, int bottom) const;
  bool Visible(int sx, int sy) const {
    return s.surface && sx >= s.clip.left && sx < s.clip.right && sy >= s.clip.top && sy < s.clip.bottom;
  }
  void Plot(int sx, int sy, uint32_t pixel) {
    if (Visible(sx, sy)) s.surface->Set(sx, sy, pixel);
  }
  void FillSurfaceRect(const CRect& r, uint32_t pixel);
  void BindBitmap(const Selected& bitmap);
};

}  // namespace platform::detail

#pragma once
// The table behind GDI object handles. A handle names shared data, so a DC that still has
// an object selected keeps its pixels or attributes alive after DeleteObject.
#include <memory>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Surface.h"

class CGdiObject;

namespace platform::detail {

enum class GdiKind { Bitmap, Font, Brush, Pen };

struct GdiData {
  explicit GdiData(GdiKind k) : kind(k) {}
  GdiKind kind;
  bool stock = false;
  std::shared_ptr<Surface> surface;  // bitmaps: 32-bit pixels
  LOGFONTW font{};                   // fonts
  COLORREF color = 0;                // brushes and pens
  UINT brushStyle = BS_SOLID;
  int penStyle = PS_SOLID;
  int penWidth = 1;
};
using GdiDataPtr = std::shared_ptr<GdiData>;

HGDIOBJ RegisterGdiObject(GdiDataPtr data);
GdiDataPtr LookupGdiObject(HGDIOBJ h);
GdiDataPtr LookupGdiObject(HGDIOBJ h, GdiKind kind);
// False for stock objects and unknown handles.
bool DeleteGdiObject(HGDIOBJ h);
HGDIOBJ StockGdiObject(int index);

// The C++ object that owns a handle (Attach), or a wrapper the table keeps until the
// handle is deleted.
void SetGdiOwner(HGDIOBJ h, CGdiObject* owner);
void ClearGdiOwner(HGDIOBJ h, CGdiObject* owner);
CGdiObject* GdiWrapper(HGDIOBJ h);

template <typename H>
HGDIOBJ ToGdi(H h) {
  return reinterpret_cast<HGDIOBJ>(h);
}

}  // namespace platform::detail

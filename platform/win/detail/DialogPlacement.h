#pragma once
// Where top-level dialogs open and how centring keeps them on the screen. Rectangles are
// in screen coordinates.
#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"

struct DialogTemplate;

namespace platform::detail {

// The screen less the desktop's panels and docks.
CRect WorkArea();
// `rect` moved, not resized, into `area`: off the right or bottom edge it moves back in,
// and when it is larger than the area its top-left corner stays visible.
CRect KeptInside(CRect rect, const CRect& area);
// What a top-level window centres on: `around`'s window rectangle, or the work area when
// there is no such window or it is hidden or minimised.
CRect CentringArea(HWND around);
// A rectangle of `size` centred on `around`, kept inside the work area.
CRect CentredOn(CSize size, const CRect& around);
// The screen rectangle of a top-level dialog made from `t` for `owner` (may be null):
// DS_CENTER centres it over the owner; otherwise the template's position counts from
// the owner's client area (from the screen without an owner). Either way it is kept on
// the work area.
CRect DialogOpeningRect(const DialogTemplate& t, HWND owner);

}  // namespace platform::detail

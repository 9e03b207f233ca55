#pragma once
// Draws the video frames bound to windows over their top-level surface.
#include "platform/base/Geometry.h"

namespace platform::detail {

struct WindowNode;

// Composes every overlay of the top-level window's tree that meets `damage` (surface
// coordinates), in painting order, scaled into its rectangle.
void ComposeOverlays(WindowNode& topLevel, const CRect& damage);

}  // namespace platform::detail

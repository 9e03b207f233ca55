#pragma once
// Draws the video frames bound to windows over their top-level surface.
#include "platform/base/Geometry.h"
#include "platform/win/VideoOverlay.h"

namespace platform::detail {

struct WindowNode;

// Composes every overlay of the top-level window's tree that meets `damage` (surface
// coordinates), in painting order, scaled into its rectangle.
void ComposeOverlays(WindowNode& topLevel, const CRect& damage);

// Counts a frame drawn over the window once, however often it is drawn again.
void NoteOverlayShown(HWND hwnd, const std::shared_ptr<const VideoFrame>& frame);

}  // namespace platform::detail

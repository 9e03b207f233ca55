#pragma once
// The client rectangle of a video pane, which the media code needs to place pictures. The
// window layer installs its own answer; until it does, panes report an empty rectangle.
#include <functional>

#include "platform/base/Geometry.h"

namespace platform {

using VideoWindowRectSource = std::function<bool(HWND hwnd, RECT* clientRect)>;

void SetVideoWindowRectSource(VideoWindowRectSource source);
// False (and an empty rectangle) for a null window or when no source is installed.
bool GetVideoWindowClientRect(HWND hwnd, RECT* clientRect);

}  // namespace platform

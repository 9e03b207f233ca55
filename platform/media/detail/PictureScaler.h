#pragma once
// Shrinks a planar 4:2:0 picture straight into 32-bit BGRx pixels at the size a pane shows,
// sampling the nearest source pixel. Much cheaper than a general converter, and what the
// panes need many times a second; stills go through the exact converter instead.
#include <cstdint>

// The platform's own TRUE and FALSE come before GLib's macros.
#include "platform/base/WinTypes.h"

#include <gst/video/video.h>

namespace platform::detail {

// False when the picture is not I420 or the size is not positive.
bool ScaleI420ToBgrx(const GstVideoFrame& source, std::uint32_t* target, int width, int height);

}  // namespace platform::detail

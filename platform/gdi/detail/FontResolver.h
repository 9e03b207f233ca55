#pragma once
// Turns a LOGFONTW into a pango font description on the layer's own font map, whose
// fontconfig setup adds the face aliases of <resource folder>/fonts/fonts.conf.
#include <mutex>

// Platform headers first: GLib defines TRUE and FALSE only when they are not yet names.
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/detail/CairoRef.h"

#include <pango/pango.h>

namespace platform::detail {

// The context every layout is made from; UI thread (callers hold TextLock()).
PangoContext* TextContext();
std::mutex& TextLock();
FontDescriptionPtr DescribeFont(const LOGFONTW& font);

}  // namespace platform::detail

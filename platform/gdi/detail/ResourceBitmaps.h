#pragma once
// Skin bitmaps by numeric id, read once from <resource folder>/<id>.png and shared; callers
// copy before drawing into them.
#include <memory>

#include "platform/gdi/Surface.h"

namespace platform::detail {

std::shared_ptr<const Surface> LoadResourceBitmap(UINT id);

}  // namespace platform::detail

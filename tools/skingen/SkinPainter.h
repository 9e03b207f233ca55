#pragma once
// Draws the bitmaps of one skin entry and writes them as <folder>/<id>.png.
#include <string>

#include "SkinDescription.h"

namespace skingen {

// Throws std::runtime_error on a malformed entry or a failed write. Returns the number of
// bitmaps written.
int PaintEntry(const SkinEntry& entry, const std::string& folder);

}  // namespace skingen

#pragma once
// What the built-in decoder, audio decoder and brightness filter are made of, asked of the
// installed GStreamer elements without loading them.
#include <string>
#include <vector>

#include "platform/media/Com.h"

namespace platform {

// Whether an object of the class can be made. A built-in filter counts when every element
// it needs is installed (loading them would cost more than the rest of the start); any
// other class, or one a test replaced, is made and released.
bool IsMediaClassAvailable(REFCLSID clsid);

// The elements those three filters need that are not installed; where any of several would
// do, the first of them.
std::vector<std::string> MissingFilterElements();

}  // namespace platform

#pragma once
// The built-in classes: GStreamer-backed filters and the graph.
#include "platform/media/Com.h"

namespace platform::detail {

// Starts GStreamer once per process (it cannot be started again after a shutdown).
void EnsureMediaFramework();
// A new object of a built-in class with one reference, or null when the class is unknown
// or the elements it needs are not installed.
IUnknown* CreateBuiltInClass(REFCLSID clsid);

}  // namespace platform::detail

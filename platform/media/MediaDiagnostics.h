#pragma once
// Figures of a running graph for tests and the benchmark.
#include <cstdint>

#include "platform/media/MediaInterfaces.h"

namespace platform {

// Pictures a windowless video renderer has received since it was made; 0 for other filters.
std::uint64_t RenderedFrameCount(IBaseFilter* renderer);
// Time from a renderer's creation to its first picture, in ms; -1 before one arrived.
double FirstFrameMilliseconds(IBaseFilter* renderer);
// The amplitude factor a sound renderer applies (0 silent, 1 full); -1 for other filters.
double SoundOutputLevel(IBaseFilter* renderer);
// Pipelines made for filter graphs and not yet finalised.
int LiveMediaPipelines();

}  // namespace platform

#pragma once
// Sound renderers hear about changes of the program's volume through these.
#include <functional>

namespace platform::detail {

int AddVolumeListener(std::function<void()> fn);
void RemoveVolumeListener(int id);

}  // namespace platform::detail

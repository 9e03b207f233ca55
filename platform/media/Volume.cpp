#include "platform/media/Volume.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "platform/media/detail/VolumeListeners.h"

namespace platform {

namespace {

std::mutex g_mutex;
double g_level = 1.0;
int g_nextId = 1;

std::map<int, std::function<void()>>& Listeners() {
  static std::map<int, std::function<void()>> listeners;
  return listeners;
}

}  // namespace

void SetProgramVolume(double level) {
  std::map<int, std::function<void()>> listeners;
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_level = std::clamp(level, 0.0, 1.0);
    listeners = Listeners();
  }
  for (auto& [id, fn] : listeners) fn();
}

double GetProgramVolume() {
  std::lock_guard<std::mutex> lock(g_mutex);
  return g_level;
}

namespace detail {

int AddVolumeListener(std::function<void()> fn) {
  std::lock_guard<std::mutex> lock(g_mutex);
  int id = g_nextId++;
  Listeners()[id] = std::move(fn);
  return id;
}

void RemoveVolumeListener(int id) {
  std::lock_guard<std::mutex> lock(g_mutex);
  Listeners().erase(id);
}

}  // namespace detail

}  // namespace platform

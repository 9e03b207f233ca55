#pragma once
// Watches the drive table on the UI thread's main context (the mount table, or the
// RODEMIR_DRIVES folder) and reports each drive root that appears or goes.
#include <functional>
#include <memory>
#include <set>
#include <string>

namespace platform::detail {

class DriveWatcher {
public:
  enum class Change { Added, Removed };
  using Listener = std::function<void(Change, const std::string& root)>;

  explicit DriveWatcher(Listener listener);
  ~DriveWatcher();
  DriveWatcher(const DriveWatcher&) = delete;
  DriveWatcher& operator=(const DriveWatcher&) = delete;

  // Reads the table again and reports the difference; removals first.
  void Rescan();

private:
  struct Sources;
  Listener m_listener;
  std::set<std::string> m_roots;
  std::unique_ptr<Sources> m_sources;
};

}  // namespace platform::detail

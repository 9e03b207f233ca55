#include "platform/shell/detail/DriveWatcher.h"

#include <gio/gio.h>
#include <gio/gunixmounts.h>

#include <cstdlib>
#include <vector>

#include "platform/base/Log.h"
#include "platform/shell/detail/DriveTable.h"
#include "platform/base/detail/GObjectRef.h"

namespace platform::detail {

namespace {

std::set<std::string> CurrentRoots() {
  std::set<std::string> roots;
  for (const DriveEntry& d : ReadDriveTable()) roots.insert(d.root);
  return roots;
}

void OnChanged(gpointer watcher) { static_cast<DriveWatcher*>(watcher)->Rescan(); }

void OnFolderChanged(GFileMonitor*, GFile*, GFile*, GFileMonitorEvent, gpointer watcher) { OnChanged(watcher); }

void OnMountsChanged(GUnixMountMonitor*, gpointer watcher) { OnChanged(watcher); }

}  // namespace

// Either a folder monitor on the stand-in folder or the mount table monitor.
struct DriveWatcher::Sources {
  GObjectRef<GFileMonitor> folderMonitor;
  GObjectRef<GUnixMountMonitor> mountMonitor;
  GSignalHandler handler;
};

DriveWatcher::DriveWatcher(Listener listener)
    : m_listener(std::move(listener)), m_roots(CurrentRoots()), m_sources(std::make_unique<Sources>()) {
  const char* seam = std::getenv("RODEMIR_DRIVES");
  if (seam && *seam) {
    GObjectRef<GFile> folder = GObjectRef<GFile>::Adopt(g_file_new_for_path(seam));
    GError* error = nullptr;
    m_sources->folderMonitor =
        GObjectRef<GFileMonitor>::Adopt(g_file_monitor_directory(folder.get(), G_FILE_MONITOR_NONE, nullptr, &error));
    GErrorOwned owned(error);
    if (!m_sources->folderMonitor) {
      PlatformLog("drives", "cannot watch %s: %s", seam, owned ? owned->message : "?");
      return;
    }
    m_sources->handler =
        GSignalHandler(m_sources->folderMonitor.get(),
                       g_signal_connect(m_sources->folderMonitor.get(), "changed", G_CALLBACK(OnFolderChanged), this));
    return;
  }
  m_sources->mountMonitor = GObjectRef<GUnixMountMonitor>::Adopt(g_unix_mount_monitor_get());
  m_sources->handler = GSignalHandler(
      m_sources->mountMonitor.get(),
      g_signal_connect(m_sources->mountMonitor.get(), "mounts-changed", G_CALLBACK(OnMountsChanged), this));
}

DriveWatcher::~DriveWatcher() = default;

void DriveWatcher::Rescan() {
  std::set<std::string> now = CurrentRoots();
  std::vector<std::string> removed, added;
  for (const std::string& r : m_roots)
    if (!now.count(r)) removed.push_back(r);
  for (const std::string& r : now)
    if (!m_roots.count(r)) added.push_back(r);
  m_roots = std::move(now);
  // A listener may end this watcher; work from copies from here on.
  Listener listener = m_listener;
  for (const std::string& r : removed) listener(Change::Removed, r);
  for (const std::string& r : added) listener(Change::Added, r);
}

}  // namespace platform::detail

#include "platform/shell/ChangeNotify.h"

#include <map>
#include <memory>
#include <vector>

#include "platform/win/Messages.h"
#include "platform/shell/detail/DriveWatcher.h"

namespace {

using platform::detail::DriveWatcher;

struct Registration {
  HWND hwnd;
  LONG events;
  UINT message;
};

struct Notifier {
  std::map<ULONG, Registration> registrations;
  ULONG nextId = 1;
  std::unique_ptr<DriveWatcher> watcher;
  platform::ChangeNotifySink sink;
};

// Never destroyed: registrations are commonly left in place until the program ends.
Notifier& TheNotifier() {
  static auto* notifier = new Notifier;
  return *notifier;
}

void Deliver(const Registration& r, LONG event, const std::string& root) {
  PIDLIST_ABSOLUTE items[2] = {ILCreateFromPathW(FileSystemToWide(root).c_str()), nullptr};
  // Sent, not posted: the item lists are ours and go as soon as the receiver returns.
  platform::ChangeNotifySink sink = TheNotifier().sink;
  if (sink) {
    sink(r.hwnd, r.message, reinterpret_cast<WPARAM>(items), event);
  } else {
    SendMessage(r.hwnd, r.message, reinterpret_cast<WPARAM>(items), event);
  }
  ILFree(items[0]);
}

void OnDriveChange(DriveWatcher::Change change, const std::string& root) {
  LONG event = change == DriveWatcher::Change::Added ? SHCNE_DRIVEADD : SHCNE_DRIVEREMOVED;
  // A receiver may register or deregister while it handles the message.
  std::vector<std::pair<ULONG, Registration>> targets(TheNotifier().registrations.begin(),
                                                      TheNotifier().registrations.end());
  for (const auto& [id, r] : targets) {
    if (!(r.events & event) || !TheNotifier().registrations.count(id)) continue;
    Deliver(r, event, root);
  }
}

}  // namespace

ULONG SHChangeNotifyRegister(HWND hwnd, int fSources, LONG fEvents, UINT wMsg, int cEntries,
                             const SHChangeNotifyEntry* pshcne) {
  (void)cEntries;
  (void)pshcne;  // every drive is watched, whatever folder the entry names
  if (!hwnd || !wMsg || (fSources & SHCNRF_NewDelivery)) return 0;
  Notifier& n = TheNotifier();
  if (!n.watcher) n.watcher = std::make_unique<DriveWatcher>(OnDriveChange);
  ULONG id = n.nextId++;
  n.registrations[id] = {hwnd, fEvents, wMsg};
  return id;
}

BOOL SHChangeNotifyDeregister(ULONG ulID) {
  Notifier& n = TheNotifier();
  if (!n.registrations.erase(ulID)) return FALSE;
  if (n.registrations.empty()) n.watcher.reset();
  return TRUE;
}

namespace platform {

void SetChangeNotifySink(ChangeNotifySink sink) { TheNotifier().sink = std::move(sink); }

}  // namespace platform

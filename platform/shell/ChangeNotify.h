#pragma once
// Drive change notification. A registered window receives its message on the UI thread
// when a drive appears or goes: wParam points to two item-id lists (the drive's root, then
// null), valid only during the call; lParam is SHCNE_DRIVEADD or SHCNE_DRIVEREMOVED. A
// removed drive has already left GetLogicalDriveRoots when its message arrives.
#include <functional>

#include "platform/base/WinTypes.h"
#include "platform/shell/ItemIdList.h"

constexpr LONG SHCNE_DRIVEREMOVED = 0x00000080;
constexpr LONG SHCNE_DRIVEADD = 0x00000100;

constexpr int SHCNRF_InterruptLevel = 0x0001;
constexpr int SHCNRF_ShellLevel = 0x0002;
constexpr int SHCNRF_RecursiveInterrupt = 0x1000;
constexpr int SHCNRF_NewDelivery = 0x8000;

struct SHChangeNotifyEntry {
  PCIDLIST_ABSOLUTE pidl;
  BOOL fRecursive;
};

// UI thread only. Returns the registration id, 0 on failure (no window, no message, or the
// new delivery form, which is not offered).
ULONG SHChangeNotifyRegister(HWND hwnd, int fSources, LONG fEvents, UINT wMsg, int cEntries,
                             const SHChangeNotifyEntry* pshcne);
BOOL SHChangeNotifyDeregister(ULONG ulID);

namespace platform {

// Where notifications go: by default the window procedure (SendMessage). Tests replace it;
// an empty function restores the default.
using ChangeNotifySink = std::function<void(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)>;
void SetChangeNotifySink(ChangeNotifySink sink);

}  // namespace platform

#include "card/RemovableDrives.h"

#include "platform/shell/Drives.h"

std::vector<CString> RemovableDriveRoots() {
  std::vector<CString> removable;
  for (const CString& root : GetLogicalDriveRoots())
    if (GetDriveTypeW(root) == DRIVE_REMOVABLE) removable.push_back(root);
  return removable;
}

bool AnyRemovableDrive() { return !RemovableDriveRoots().empty(); }

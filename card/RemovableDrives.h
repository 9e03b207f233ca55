#pragma once
// The removable drives, among which the card is looked for.
#include <vector>

#include "platform/base/String.h"

// The removable drives' roots, in the order the system lists its drives.
std::vector<CString> RemovableDriveRoots();

bool AnyRemovableDrive();

#pragma once
// Copies one regular file into place: into a temporary file beside the destination, then
// flushed, given the source's mode and times, and renamed over the destination. Any
// failure or a cancel removes the temporary file and leaves the destination as it was.
#include <functional>
#include <string>

#include "platform/base/WinTypes.h"

namespace platform::detail {

// Called after each block with the bytes copied so far; false cancels the copy.
using CopyProgress = std::function<bool(ULONGLONG done)>;

// 0, DE_SAMEFILE, DE_OPCANCELLED, or the Win32 error code of what failed.
int CopyFileThroughTemporary(const std::string& source, const std::string& destination, const CopyProgress& progress);

// Both paths name the same file (the same inode on the same device).
bool IsSameFile(const std::string& a, const std::string& b);

}  // namespace platform::detail

#pragma once
#include "platform/base/WinTypes.h"

namespace platform::detail {

constexpr DWORD ERROR_DISK_FULL_CODE = 112;

// The Win32 error code for an errno value.
DWORD ErrorFromErrno(int error);

}  // namespace platform::detail

#pragma once
// Single-file calls; paths reach the file system as the bytes they map to.
#include "platform/base/WinTypes.h"

struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// One level: fails when the path exists, its parent is missing or cannot be written.
BOOL CreateDirectoryW(LPCWSTR lpPathName, LPSECURITY_ATTRIBUTES lpSecurityAttributes);
// Files only: a folder is refused.
BOOL DeleteFileW(LPCWSTR lpFileName);

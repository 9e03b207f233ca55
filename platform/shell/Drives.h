#pragma once
// Drives: mounted file systems, addressed by their root (the mount point with a trailing
// "/"). Removable media are reported as DRIVE_REMOVABLE; "/" is the one fixed drive.
// RODEMIR_DRIVES names a folder whose sub-folders stand in for removable drives, each
// labelled by its name, or by the first line of a ".label" file inside it (empty: no label).
#include <vector>

#include "platform/base/String.h"
#include "platform/base/WinTypes.h"

constexpr UINT DRIVE_UNKNOWN = 0;
constexpr UINT DRIVE_NO_ROOT_DIR = 1;
constexpr UINT DRIVE_REMOVABLE = 2;
constexpr UINT DRIVE_FIXED = 3;

union ULARGE_INTEGER {
  struct {
    DWORD LowPart;
    DWORD HighPart;
  } u;
  ULONGLONG QuadPart;
};
using PULARGE_INTEGER = ULARGE_INTEGER*;

// Every drive root, "/" first, then the removable drives in name order. Stands in for the
// drive-letter mask: callers walk this list where they walked the letters.
std::vector<CString> GetLogicalDriveRoots();

// The root of the drive holding `lpszFileName` (an absolute path): the longest drive root
// that starts it, "/" when no removable drive does. FALSE for a relative path or a buffer
// too small.
BOOL GetVolumePathNameW(LPCWSTR lpszFileName, LPWSTR lpszVolumePathName, DWORD cchBufferLength);

// DRIVE_NO_ROOT_DIR when the root is not (or no longer) a drive root.
UINT GetDriveTypeW(LPCWSTR lpRootPathName);

// The label (cut to the buffer, always terminated) and the file system's type name. A
// label that is not UTF-8 is shown with its bad bytes replaced. FALSE when the root is not
// a drive; the buffers are then left as they were.
BOOL GetVolumeInformationW(LPCWSTR lpRootPathName, LPWSTR lpVolumeNameBuffer, DWORD nVolumeNameSize,
                           LPDWORD lpVolumeSerialNumber, LPDWORD lpMaximumComponentLength, LPDWORD lpFileSystemFlags,
                           LPWSTR lpFileSystemNameBuffer, DWORD nFileSystemNameSize);

// Bytes free to this user, total bytes and total free bytes of the file system holding
// the path; any pointer may be null.
BOOL GetDiskFreeSpaceExW(LPCWSTR lpDirectoryName, PULARGE_INTEGER lpFreeBytesAvailableToCaller,
                         PULARGE_INTEGER lpTotalNumberOfBytes, PULARGE_INTEGER lpTotalNumberOfFreeBytes);

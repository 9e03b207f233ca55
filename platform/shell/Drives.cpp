#include "platform/shell/Drives.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <map>

#include "platform/shell/detail/DriveTable.h"

using platform::detail::DriveEntry;

namespace {

std::string BytePath(LPCWSTR path) { return path ? WideToFileSystem(path) : std::string(); }

void CopyTruncated(const std::wstring& text, LPWSTR buffer, DWORD size) {
  if (!buffer || size == 0) return;
  size_t n = std::min<size_t>(text.size(), size - 1);
  text.copy(buffer, n);
  buffer[n] = 0;
}

std::wstring FileSystemName(const std::string& fsType) {
  static const std::map<std::string, std::wstring> names{
      {"vfat", L"FAT32"}, {"msdos", L"FAT"}, {"exfat", L"exFAT"}, {"ntfs", L"NTFS"}, {"ntfs3", L"NTFS"}};
  auto it = names.find(fsType);
  return it != names.end() ? it->second : Utf8ToWide(fsType);
}

DWORD SerialOf(const std::string& root) {
  struct statvfs vfs {};
  if (statvfs(root.c_str(), &vfs) != 0) return 0;
  return static_cast<DWORD>(vfs.f_fsid ^ (static_cast<unsigned long long>(vfs.f_fsid) >> 32));
}

}  // namespace

std::vector<CString> GetLogicalDriveRoots() {
  std::vector<CString> roots;
  for (const DriveEntry& d : platform::detail::ReadDriveTable()) roots.push_back(FileSystemToWide(d.root));
  return roots;
}

BOOL GetVolumePathNameW(LPCWSTR lpszFileName, LPWSTR lpszVolumePathName, DWORD cchBufferLength) {
  if (!lpszFileName || lpszFileName[0] != L'/' || !lpszVolumePathName) return FALSE;
  std::wstring path = lpszFileName;
  if (path.back() != L'/') path += L'/';
  std::wstring best = L"/";
  for (const CString& root : GetLogicalDriveRoots()) {
    if (path.compare(0, root.str().size(), root.str()) == 0 && root.str().size() > best.size()) best = root.str();
  }
  if (best.size() >= cchBufferLength) return FALSE;
  CopyTruncated(best, lpszVolumePathName, cchBufferLength);
  return TRUE;
}

UINT GetDriveTypeW(LPCWSTR lpRootPathName) {
  DriveEntry drive;
  if (!platform::detail::FindDrive(BytePath(lpRootPathName), &drive)) return DRIVE_NO_ROOT_DIR;
  return drive.removable ? DRIVE_REMOVABLE : DRIVE_FIXED;
}

BOOL GetVolumeInformationW(LPCWSTR lpRootPathName, LPWSTR lpVolumeNameBuffer, DWORD nVolumeNameSize,
                           LPDWORD lpVolumeSerialNumber, LPDWORD lpMaximumComponentLength, LPDWORD lpFileSystemFlags,
                           LPWSTR lpFileSystemNameBuffer, DWORD nFileSystemNameSize) {
  DriveEntry drive;
  if (!platform::detail::FindDrive(BytePath(lpRootPathName), &drive)) return FALSE;
  CopyTruncated(Utf8ToWide(drive.label), lpVolumeNameBuffer, nVolumeNameSize);
  CopyTruncated(FileSystemName(drive.fsType), lpFileSystemNameBuffer, nFileSystemNameSize);
  if (lpVolumeSerialNumber) *lpVolumeSerialNumber = SerialOf(drive.root);
  if (lpMaximumComponentLength) *lpMaximumComponentLength = 255;
  if (lpFileSystemFlags) *lpFileSystemFlags = 0;
  return TRUE;
}

BOOL GetDiskFreeSpaceExW(LPCWSTR lpDirectoryName, PULARGE_INTEGER lpFreeBytesAvailableToCaller,
                         PULARGE_INTEGER lpTotalNumberOfBytes, PULARGE_INTEGER lpTotalNumberOfFreeBytes) {
  std::string path = lpDirectoryName && *lpDirectoryName ? BytePath(lpDirectoryName) : std::string(".");
  struct statvfs vfs {};
  if (statvfs(path.c_str(), &vfs) != 0) return FALSE;
  ULONGLONG unit = vfs.f_frsize ? vfs.f_frsize : vfs.f_bsize;
  if (lpFreeBytesAvailableToCaller) lpFreeBytesAvailableToCaller->QuadPart = unit * vfs.f_bavail;
  if (lpTotalNumberOfBytes) lpTotalNumberOfBytes->QuadPart = unit * vfs.f_blocks;
  if (lpTotalNumberOfFreeBytes) lpTotalNumberOfFreeBytes->QuadPart = unit * vfs.f_bfree;
  return TRUE;
}

#include "platform/shell/FileCalls.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/String.h"

BOOL CreateDirectoryW(LPCWSTR lpPathName, LPSECURITY_ATTRIBUTES) {
  if (!lpPathName || !*lpPathName) return FALSE;
  std::string path = WideToFileSystem(lpPathName);
  if (mkdir(path.c_str(), 0777) != 0) return FALSE;
  return TRUE;
}

BOOL DeleteFileW(LPCWSTR lpFileName) {
  if (!lpFileName || !*lpFileName) return FALSE;
  std::string path = WideToFileSystem(lpFileName);
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return FALSE;
  if (S_ISDIR(st.st_mode)) return FALSE;
  if (unlink(path.c_str()) != 0) return FALSE;
  return TRUE;
}

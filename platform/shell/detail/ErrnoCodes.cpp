#include "platform/shell/detail/ErrnoCodes.h"

#include <cerrno>

#include "platform/base/Result.h"

namespace platform::detail {

DWORD ErrorFromErrno(int error) {
  switch (error) {
    case 0: return ERROR_SUCCESS;
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return ERROR_ACCESS_DENIED;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return ERROR_DISK_FULL_CODE;
    case EBUSY: return 32;  // ERROR_SHARING_VIOLATION
    case EIO:
    case ENXIO:
    case ENODEV: return 21;         // ERROR_NOT_READY: the medium went away
    case ENAMETOOLONG: return 206;  // ERROR_FILENAME_EXCED_RANGE
    default: return 31;             // ERROR_GEN_FAILURE
  }
}

}  // namespace platform::detail

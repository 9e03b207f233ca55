#include "platform/shell/detail/FileCopier.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <utility>
#include <vector>

#include "platform/base/Log.h"
#include "platform/shell/FileOperation.h"
#include "platform/shell/detail/ErrnoCodes.h"

namespace platform::detail {

namespace {

constexpr size_t kBlock = 1 << 20;

class FileDescriptor {
public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return m_fd; }

private:
  int m_fd;
};

// The temporary file; removed unless it was renamed into place.
class Temporary {
public:
  explicit Temporary(const std::string& destination) {
    size_t slash = destination.rfind('/');
    std::string folder = slash == std::string::npos ? "." : destination.substr(0, slash);
    std::string name = slash == std::string::npos ? destination : destination.substr(slash + 1);
    m_path = folder + "/." + name + ".XXXXXX";
    m_fd = mkostemp(m_path.data(), O_CLOEXEC);
    if (m_fd < 0) m_path.clear();
  }
  ~Temporary() {
    if (m_fd >= 0) close(m_fd);
    if (!m_path.empty()) unlink(m_path.c_str());
  }
  int fd() const { return m_fd; }
  int CloseFile() { return close(std::exchange(m_fd, -1)); }
  // Renames into place; afterwards nothing is left to remove.
  int RenameTo(const std::string& destination) {
    if (rename(m_path.c_str(), destination.c_str()) != 0) return errno;
    m_path.clear();
    return 0;
  }

private:
  std::string m_path;
  int m_fd = -1;
};

int Fail(const char* what, const std::string& path, int error) {
  PlatformLog("copy", "%s %s: errno %d", what, path.c_str(), error);
  return static_cast<int>(ErrorFromErrno(error));
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool SpaceFor(const std::string& destination, ULONGLONG bytes) {
  size_t slash = destination.rfind('/');
  struct statvfs vfs {};
  if (statvfs(slash == std::string::npos ? "." : destination.substr(0, slash + 1).c_str(), &vfs) != 0) return true;
  // File systems without block accounting report no blocks at all; let the writes tell.
  if (vfs.f_blocks == 0) return true;
  return static_cast<ULONGLONG>(vfs.f_bavail) * vfs.f_frsize >= bytes;
}

// Copies the data; 0 or the errno value, -1 when cancelled.
int CopyData(int from, int to, const CopyProgress& progress) {
  std::vector<char> block(kBlock);
  ULONGLONG done = 0;
  for (;;) {
    ssize_t n = read(from, block.data(), block.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return 0;
    if (!WriteAll(to, block.data(), static_cast<size_t>(n))) return errno;
    done += static_cast<ULONGLONG>(n);
    if (progress && !progress(done)) return -1;
  }
}

}  // namespace

bool IsSameFile(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

int CopyFileThroughTemporary(const std::string& source, const std::string& destination, const CopyProgress& progress) {
  FileDescriptor from(open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (from.get() < 0) return Fail("open", source, errno);
  struct stat st {};
  if (fstat(from.get(), &st) != 0) return Fail("stat", source, errno);
  if (!S_ISREG(st.st_mode)) return DE_INVALIDFILES;
  if (IsSameFile(source, destination)) return DE_SAMEFILE;
  if (!SpaceFor(destination, static_cast<ULONGLONG>(st.st_size))) return Fail("no room for", destination, ENOSPC);

  Temporary temporary(destination);
  if (temporary.fd() < 0) return Fail("create beside", destination, errno);
  int copied = CopyData(from.get(), temporary.fd(), progress);
  if (copied == -1) return DE_OPCANCELLED;
  if (copied != 0) return Fail("copy to", destination, copied);

  fchmod(temporary.fd(), st.st_mode & 0777);
  const struct timespec times[2] = {st.st_atim, st.st_mtim};
  futimens(temporary.fd(), times);
  if (fdatasync(temporary.fd()) != 0) return Fail("flush", destination, errno);
  if (temporary.CloseFile() != 0) return Fail("close", destination, errno);
  if (int error = temporary.RenameTo(destination)) return Fail("rename to", destination, error);
  return 0;
}

}  // namespace platform::detail

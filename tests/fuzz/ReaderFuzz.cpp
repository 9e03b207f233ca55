// Feeds arbitrary bytes to the sensor reader as a file; it must return without faults. The
// file lives in memory, so a run leaves nothing behind.
#include <sys/mman.h>
#include <unistd.h>

#include <string>

#include "media/AviTextReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const int fd = memfd_create("rodemir-fuzz.avi", 0);
  if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) return 0;
  static const std::string path = "/proc/self/fd/" + std::to_string(fd);
  CTextData text;
  text.m_arrGSensor.RemoveAll();
  text.m_arrGPS.RemoveAll();
  std::atomic<BYTE> stop{0};
  CCriticalSection lock;
  CAviTextReader reader(&text, 0, &stop, &lock);
  reader.ReadTextData(CString(path.c_str()));
  return 0;
}

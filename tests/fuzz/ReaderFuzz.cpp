// Feeds arbitrary bytes to the sensor reader as a file; it must return without faults.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "media/AviTextReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/rodemir-fuzz-" + std::to_string(getpid()) + ".avi";
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  CTextData text;
  text.m_arrGSensor.RemoveAll();
  text.m_arrGPS.RemoveAll();
  std::atomic<BYTE> stop{0};
  CCriticalSection lock;
  CAviTextReader reader(&text, 0, &stop, &lock);
  reader.ReadTextData(CString(path));
  return 0;
}

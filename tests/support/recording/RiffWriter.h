#pragma once
// Builds AVI files with sensor chunks for tests, benchmarks and the sample card.
// RiffWriter builds in memory; StreamingRiffWriter writes large files chunk by chunk.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace testrec {

// One "##tx" payload. Fields follow the recorder's layout; size cuts or pads the
// 68 bytes that carry them.
struct SensorSample {
  uint32_t seconds = 0;
  uint16_t ms = 0;
  float x = 0, y = 0, z = 0;
  float speed = 0, coord1 = 0, coord2 = 0;
  uint32_t tag = 0x1FF;
  uint8_t flags = 0;
  size_t size = 68;
};

std::string TxPayload(const SensorSample& s);

class RiffWriter {
public:
  // Opens a RIFF or LIST chunk; returns its header offset for Close.
  size_t Open(const char* id, const char* type);
  // Sets the size of the chunk opened at `at` to everything written since.
  void Close(size_t at);
  // A plain chunk; an odd size gets a pad byte unless pad is false.
  void Chunk(const char* id, const std::string& data, bool pad = true);
  void U32(uint32_t v);
  void PatchU32(size_t at, uint32_t v);
  std::string& bytes() { return m_bytes; }

private:
  std::string m_bytes;
};

bool WriteBytes(const std::string& path, const std::string& bytes);

// A recorder-like file: LIST hdrl, JUNK, LIST movi with the given chunks, idx1.
std::string SensorAvi(const std::vector<SensorSample>& samples);

class StreamingRiffWriter {
public:
  explicit StreamingRiffWriter(const std::string& path);
  ~StreamingRiffWriter();
  bool ok() const { return m_file != nullptr; }
  void Open(const char* id, const char* type);
  void Close();  // closes the innermost open RIFF or LIST
  void Chunk(const char* id, const char* data, size_t size);
  void ZeroChunk(const char* id, size_t size);

private:
  FILE* m_file = nullptr;
  std::vector<long long> m_open;
};

}  // namespace testrec

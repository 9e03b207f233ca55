#include "tests/support/recording/RiffWriter.h"

#include <cstring>

namespace testrec {

namespace {

void Poke32(std::string& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<char>(v >> (8 * i));
}

void PokeF(std::string& b, size_t at, float f) {
  uint32_t v;
  std::memcpy(&v, &f, 4);
  Poke32(b, at, v);
}

void Le32(char* out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(v >> (8 * i));
}

}  // namespace

std::string TxPayload(const SensorSample& s) {
  std::string p(68, '\0');
  Poke32(p, 0, s.tag);
  p[8] = static_cast<char>(s.flags);
  Poke32(p, 12, s.seconds);
  p[26] = static_cast<char>(s.ms & 0xFF);
  p[27] = static_cast<char>(s.ms >> 8);
  PokeF(p, 40, s.x);
  PokeF(p, 44, s.y);
  PokeF(p, 48, s.z);
  PokeF(p, 56, s.speed);
  PokeF(p, 60, s.coord1);
  PokeF(p, 64, s.coord2);
  p.resize(s.size, '\0');
  return p;
}

size_t RiffWriter::Open(const char* id, const char* type) {
  size_t at = m_bytes.size();
  m_bytes.append(id, 4);
  U32(0);
  m_bytes.append(type, 4);
  return at;
}

void RiffWriter::Close(size_t at) { PatchU32(at + 4, static_cast<uint32_t>(m_bytes.size() - at - 8)); }

void RiffWriter::Chunk(const char* id, const std::string& data, bool pad) {
  m_bytes.append(id, 4);
  U32(static_cast<uint32_t>(data.size()));
  m_bytes += data;
  if (pad && (data.size() & 1)) m_bytes += '\0';
}

void RiffWriter::U32(uint32_t v) {
  char b[4];
  Le32(b, v);
  m_bytes.append(b, 4);
}

void RiffWriter::PatchU32(size_t at, uint32_t v) { Poke32(m_bytes, at, v); }

bool WriteBytes(const std::string& path, const std::string& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

std::string SensorAvi(const std::vector<SensorSample>& samples) {
  RiffWriter w;
  size_t riff = w.Open("RIFF", "AVI ");
  w.Close(w.Open("LIST", "hdrl"));
  w.Chunk("JUNK", std::string(16, '\0'));
  size_t movi = w.Open("LIST", "movi");
  for (const SensorSample& s : samples) {
    w.Chunk("00dc", std::string(11, '\x55'));
    w.Chunk("01wb", std::string(6, '\x22'));
    w.Chunk("02tx", TxPayload(s));
  }
  w.Close(movi);
  w.Chunk("idx1", "");
  w.Close(riff);
  return w.bytes();
}

StreamingRiffWriter::StreamingRiffWriter(const std::string& path) : m_file(std::fopen(path.c_str(), "wb")) {}

StreamingRiffWriter::~StreamingRiffWriter() {
  while (!m_open.empty()) Close();
  if (m_file) std::fclose(m_file);
}

void StreamingRiffWriter::Open(const char* id, const char* type) {
  if (!m_file) return;
  m_open.push_back(ftello(m_file));
  char head[12];
  std::memcpy(head, id, 4);
  Le32(head + 4, 0);
  std::memcpy(head + 8, type, 4);
  std::fwrite(head, 1, 12, m_file);
}

void StreamingRiffWriter::Close() {
  if (!m_file || m_open.empty()) return;
  long long at = m_open.back();
  m_open.pop_back();
  long long end = ftello(m_file);
  char size[4];
  Le32(size, static_cast<uint32_t>(end - at - 8));
  fseeko(m_file, at + 4, SEEK_SET);
  std::fwrite(size, 1, 4, m_file);
  fseeko(m_file, end, SEEK_SET);
}

void StreamingRiffWriter::Chunk(const char* id, const char* data, size_t size) {
  if (!m_file) return;
  char head[8];
  std::memcpy(head, id, 4);
  Le32(head + 4, static_cast<uint32_t>(size));
  std::fwrite(head, 1, 8, m_file);
  std::fwrite(data, 1, size, m_file);
  if (size & 1) std::fputc(0, m_file);
}

void StreamingRiffWriter::ZeroChunk(const char* id, size_t size) {
  static const std::vector<char> zeros(1 << 20, 0);
  if (!m_file) return;
  char head[8];
  std::memcpy(head, id, 4);
  Le32(head + 4, static_cast<uint32_t>(size));
  std::fwrite(head, 1, 8, m_file);
  for (size_t left = size + (size & 1); left > 0;) {
    size_t n = std::min(left, zeros.size());
    std::fwrite(zeros.data(), 1, n, m_file);
    left -= n;
  }
}

}  // namespace testrec

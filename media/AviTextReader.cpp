#include "media/AviTextReader.h"

#include <cmath>
#include <cstring>

namespace {

constexpr size_t kPayloadBuffer = 1024;

DWORD U32(const BYTE* p) {
  return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
         (static_cast<DWORD>(p[3]) << 24);
}

WORD U16(const BYTE* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }

float F32(const BYTE* p) {
  DWORD bits = U32(p);
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

// Truncates toward zero after clamping, so NaN and huge values stay defined.
int AxisFromFloat(float v) {
  if (std::isnan(v)) return 0;
  if (v >= 120.0f) return 120;
  if (v <= -120.0f) return -120;
  return static_cast<int>(v);
}

bool Is(const BYTE* fourcc, const char* text) { return std::memcmp(fourcc, text, 4) == 0; }

long long Tell(FILE* f) { return static_cast<long long>(ftello(f)); }
bool SeekTo(FILE* f, long long pos) { return fseeko(f, static_cast<off_t>(pos), SEEK_SET) == 0; }
bool ReadExact(FILE* f, BYTE* buf, size_t n) { return std::fread(buf, 1, n, f) == n; }

}  // namespace

CAviTextReader::CAviTextReader(CTextData* pTextData, int nBaseSeconds, const std::atomic<BYTE>* pStop,
                               CSyncObject* pLock)
    : m_pTextData(pTextData), m_nBaseSeconds(nBaseSeconds), m_pStop(pStop), m_pLock(pLock) {}

bool CAviTextReader::StopRequested() const { return m_pStop && m_pStop->load(std::memory_order_relaxed) != 0; }

int CAviTextReader::ReadTextData(CString path) {
  std::string narrow = WideToFileSystem(path.str());
  FILE* file = std::fopen(narrow.c_str(), "rb");
  if (!file) {
    std::printf("Could not open %s for input\n", narrow.c_str());
    return -1;
  }
  // A small buffer: every header read after a seek fills it, and video data is seeked over.
  char streamBuffer[512];
  std::setvbuf(file, streamBuffer, _IOFBF, sizeof streamBuffer);
  ParseRiff(file);
  std::fclose(file);
  return 0;
}

// Both walks end at the file's end, whichever of them is called first.
void CAviTextReader::MeasureFile(FILE* file) {
  long long start = Tell(file);
  m_fileLength = (fseeko(file, 0, SEEK_END) == 0) ? Tell(file) : 0;
  SeekTo(file, start);
}

int CAviTextReader::ParseRiff(FILE* file) {
  MeasureFile(file);
  BYTE head[12];
  if (!ReadExact(file, head, 12) || !Is(head, "RIFF") || !Is(head + 8, "AVI ")) return 1;
  long long end = std::min(Tell(file) + static_cast<long long>(U32(head + 4)) - 4, m_fileLength);

  for (long long pos = Tell(file); pos < end; pos = Tell(file)) {
    if (StopRequested()) return 0;
    BYTE chunk[8];
    if (pos + 8 > m_fileLength || !ReadExact(file, chunk, 8)) return 0;
    long long next = pos + 8 + static_cast<long long>(U32(chunk + 4));
    BYTE type[4] = {0, 0, 0, 0};
    bool padding = Is(chunk, "JUNK") || Is(chunk, "PAD ");
    if (!padding && !ReadExact(file, type, 4)) return 0;

    if (!padding && Is(type, "movi")) {
      WalkMovi(file, U32(chunk + 4));
    } else if (!padding && !Is(type, "INFO") && !Is(type, "hdrl") && !Is(chunk, "idx1") && !Is(type, "txts") &&
               U32(chunk + 4) == 0) {
      return 0;  // an unnamed empty chunk ends the walk
    }
    if (next >= m_fileLength || !SeekTo(file, next)) return 0;
  }
  return 0;
}

int CAviTextReader::ParseMovi(FILE* file, DWORD listSize) {
  MeasureFile(file);
  return WalkMovi(file, listSize);
}

int CAviTextReader::WalkMovi(FILE* file, DWORD listSize) {
  long long pos = Tell(file);
  long long end = std::min(pos + static_cast<long long>(listSize) - 4, m_fileLength);
  if (pos >= end) return 0;

  BYTE payload[kPayloadBuffer];
  do {
    if (StopRequested()) return 0;
    BYTE head[8];
    if (pos + 8 > m_fileLength || !ReadExact(file, head, 8)) return 0;
    long long size = static_cast<long long>(U32(head + 4));
    size += size & 1;
    long long next = pos + 8 + size;
    bool seekOver = (head[2] == 'd' && head[3] == 'c') || (head[2] == 'w' && head[3] == 'b');
    if (head[2] == 't' && head[3] == 'x') {
      // A payload cut off by the end of the file is dropped rather than read as zeros.
      if (next > m_fileLength) return 0;
      std::memset(payload, 0, sizeof payload);
      size_t wanted = static_cast<size_t>(std::min<long long>(size, kPayloadBuffer));
      if (!ReadExact(file, payload, wanted)) return 0;
      DecodeTextChunk(payload);
    } else if (!seekOver) {
      next = pos + 8;  // unknown kinds are not skipped: their data is read as headers
    }
    if (next >= m_fileLength || !SeekTo(file, next)) return 0;
    pos = next;
  } while (pos < end);
  return 0;
}

void CAviTextReader::DecodeTextChunk(const BYTE* payload) {
  if (U32(payload) != 0x1FF || (payload[8] & 0x0F) != 0) return;
  DWORD seconds = U32(payload + 12);
  if (m_nBaseSeconds == 0) m_nBaseSeconds = static_cast<int>(seconds);
  UINT time = (seconds - static_cast<DWORD>(m_nBaseSeconds)) * 1000u + U16(payload + 26);

  AddGSensor(CGSensorData(AxisFromFloat(F32(payload + 40)), AxisFromFloat(F32(payload + 44)),
                          AxisFromFloat(F32(payload + 48)), time));

  CGPSData gps;
  gps.m_bValid = 1;
  gps.m_dSpeed = F32(payload + 56);
  gps.m_dCoord1 = F32(payload + 60);
  gps.m_dCoord2 = F32(payload + 64);
  gps.m_nTime = time;
  AddGPS(gps);
}

// The duplicate test and the append share one hold of the lock: the UI thread may empty
// the arrays between two chunks.
void CAviTextReader::AddGSensor(const CGSensorData& sample) {
  CSingleLock lock(m_pLock, TRUE);
  auto& arr = m_pTextData->m_arrGSensor;
  if (arr.GetSize() > 0) {
    const CGSensorData& last = arr[arr.GetSize() - 1];
    if (last.m_nX == sample.m_nX && last.m_nY == sample.m_nY && last.m_nZ == sample.m_nZ) return;
  }
  CGSensorData copy(sample);
  arr.Add(copy);
}

void CAviTextReader::AddGPS(const CGPSData& sample) {
  CSingleLock lock(m_pLock, TRUE);
  auto& arr = m_pTextData->m_arrGPS;
  if (arr.GetSize() > 0) {
    const CGPSData& last = arr[arr.GetSize() - 1];
    if (last.m_dSpeed == sample.m_dSpeed && last.m_dCoord1 == sample.m_dCoord1 && last.m_dCoord2 == sample.m_dCoord2)
      return;
  }
  CGPSData copy(sample);
  arr.Add(copy);
}

#include "media/AviTextReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <future>

#include "tests/support/TempDir.h"
#include "tests/support/recording/RiffWriter.h"

using testrec::RiffWriter;
using testrec::SensorSample;

namespace {

SensorSample At(uint32_t seconds, uint16_t ms, float x = 0, float speed = 0) {
  SensorSample s;
  s.seconds = seconds;
  s.ms = ms;
  s.x = x;
  s.speed = speed;
  return s;
}

class AviTextReaderTest : public ::testing::Test {
protected:
  AviTextReaderTest() {
    data.m_arrGSensor.RemoveAll();
    data.m_arrGPS.RemoveAll();
  }

  // Parses the bytes with a deadline, so a reader that loops fails instead of hanging.
  int Parse(const std::string& bytes, const char* name = "rec.avi") {
    std::string path = dir.File(name);
    EXPECT_TRUE(testrec::WriteBytes(path, bytes));
    return ParsePath(path);
  }

  int ParsePath(const std::string& path) {
    auto result = std::async(std::launch::async, [&] {
      CAviTextReader reader(&data, 0, &stop, lock);
      return reader.ReadTextData(FileSystemToWide(path));
    });
    if (result.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
      ADD_FAILURE() << "reader did not return";
      stop = 1;
      return result.get();
    }
    return result.get();
  }

  std::vector<UINT> Times() const {
    std::vector<UINT> t;
    for (const auto& g : data.m_arrGPS) t.push_back(g.m_nTime);
    return t;
  }

  testsupport::TempDir dir;
  CTextData data;
  std::atomic<BYTE> stop{0};
  CCriticalSection cs;
  CSyncObject* lock = &cs;
};

}  // namespace

TEST_F(AviTextReaderTest, DecodesTheRecorderLayout) {
  // The sample chunk of the recorder's own files, byte for byte.
  RiffWriter w;
  size_t riff = w.Open("RIFF", "AVI ");
  size_t movi = w.Open("LIST", "movi");
  SensorSample s = At(1000, 500, 1.5f, 57.9f);
  s.y = -2.0f;
  s.z = 130.7f;
  s.coord1 = 127.25f;
  s.coord2 = 37.5f;
  w.Chunk("02tx", testrec::TxPayload(s));
  w.Close(movi);
  w.Close(riff);
  ASSERT_EQ(w.bytes().size(), 100u);
  EXPECT_EQ(Parse(w.bytes()), 0);

  ASSERT_EQ(data.m_arrGSensor.GetSize(), 1);
  const CGSensorData& g = data.m_arrGSensor[0];
  EXPECT_EQ(g.m_nX, 1);
  EXPECT_EQ(g.m_nY, -2);
  EXPECT_EQ(g.m_nZ, 120);
  EXPECT_EQ(g.m_nTime, 500u);
  ASSERT_EQ(data.m_arrGPS.GetSize(), 1);
  const CGPSData& p = data.m_arrGPS[0];
  EXPECT_EQ(p.m_bValid, 1);
  EXPECT_EQ(p.m_dSpeed, static_cast<double>(57.9f));
  EXPECT_EQ(p.m_dCoord1, 127.25);
  EXPECT_EQ(p.m_dCoord2, 37.5);
  EXPECT_EQ(p.m_nTime, 500u);
}

TEST_F(AviTextReaderTest, MissingFileAndForeignFiles) {
  CGPSData kept;
  kept.m_bValid = 1;
  data.m_arrGPS.Add(kept);
  testing::internal::CaptureStdout();
  EXPECT_EQ(ParsePath(dir.File("none.avi")), -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Could not open " + dir.File("none.avi") + " for input\n");
  EXPECT_EQ(data.m_arrGPS.GetSize(), 1);
  data.m_arrGPS.RemoveAll();

  std::string avi = testrec::SensorAvi({At(5, 0, 3)});
  std::string rifx = avi, avix = avi;
  rifx[3] = 'X';
  avix[11] = 'X';
  EXPECT_EQ(Parse(rifx), 0);
  EXPECT_EQ(Parse(avix), 0);
  EXPECT_EQ(Parse(""), 0);
  EXPECT_EQ(Parse("RIFF"), 0);
  EXPECT_EQ(data.m_arrGSensor.GetSize(), 0);

  FILE* f = std::fopen(dir.File("rec.avi").c_str(), "rb");
  CAviTextReader reader(&data, 0, &stop, lock);
  EXPECT_EQ(reader.ParseRiff(f), 1);
  std::fclose(f);
}

TEST_F(AviTextReaderTest, ReadsARecordingNamedInBytesThatAreNotUtf8) {
  EXPECT_EQ(Parse(testrec::SensorAvi({At(5, 0, 3), At(5, 100, 4)}), "20240131_1015\xE9"
                                                                    "0_EVT_C2.AVI"),
            0);
  EXPECT_EQ(data.m_arrGSensor.GetSize(), 2);
}

TEST_F(AviTextReaderTest, TimeBaseIsTheFirstNonZeroSecond) {
  Parse(testrec::SensorAvi({At(100, 0, 1, 1), At(100, 500, 2, 2), At(101, 0, 3, 3)}));
  EXPECT_EQ(Times(), (std::vector<UINT>{0, 500, 1000}));

  data.m_arrGPS.RemoveAll();
  data.m_arrGSensor.RemoveAll();
  Parse(testrec::SensorAvi({At(0, 200, 1, 1), At(7, 300, 2, 2)}));
  EXPECT_EQ(Times(), (std::vector<UINT>{200, 300}));

  // A rejected chunk does not set the base; seconds before the base wrap around.
  data.m_arrGPS.RemoveAll();
  data.m_arrGSensor.RemoveAll();
  SensorSample rejected = At(50, 0, 9, 9);
  rejected.flags = 0x01;
  SensorSample highFlags = At(9, 0, 4, 4);
  highFlags.flags = 0xF0;
  Parse(testrec::SensorAvi({rejected, At(60, 250, 1, 1), At(10, 0, 2, 2), highFlags}));
  EXPECT_EQ(Times(), (std::vector<UINT>{250, 4294917296u, 4294916296u}));
}

TEST_F(AviTextReaderTest, DuplicatesAreComparedWithTheLastStoredSample) {
  SensorSample nanSpeed = At(3, 0, 5, 0);
  nanSpeed.speed = std::nanf("");
  Parse(testrec::SensorAvi(
      {At(1, 0, 5, 10), At(1, 100, 5, 20), At(1, 200, 6, 20), At(1, 300, 5, 20), nanSpeed, nanSpeed}));
  // G: 5, 6, 5 (A B A keeps three); GPS: 10, 20, NaN, NaN (NaN never equals).
  ASSERT_EQ(data.m_arrGSensor.GetSize(), 3);
  EXPECT_EQ(data.m_arrGSensor[2].m_nX, 5);
  EXPECT_EQ(data.m_arrGSensor[2].m_nTime, 300u);
  ASSERT_EQ(data.m_arrGPS.GetSize(), 4);
  EXPECT_EQ(data.m_arrGPS[1].m_nTime, 100u);

  // A fix that moved at the same speed, along either coordinate, is a new sample.
  data.m_arrGPS.RemoveAll();
  SensorSample north = At(5, 100, 1, 30), east = At(5, 200, 1, 30), again = At(5, 300, 1, 30);
  north.coord1 = 37.5f;
  east.coord1 = 37.5f;
  east.coord2 = 127.25f;
  again.coord1 = 37.5f;
  again.coord2 = 127.25f;
  Parse(testrec::SensorAvi({At(5, 0, 1, 30), north, east, again}));
  ASSERT_EQ(data.m_arrGPS.GetSize(), 3);
  EXPECT_EQ(data.m_arrGPS[1].m_nTime, 100u);
  EXPECT_EQ(data.m_arrGPS[2].m_nTime, 200u);
}

TEST_F(AviTextReaderTest, AxisConversionTruncatesAndClamps) {
  SensorSample s = At(1, 0, 130.7f);
  s.y = -0.9f;
  s.z = std::nanf("");
  SensorSample huge = At(1, 1, 1e10f);
  huge.y = -1e10f;
  huge.z = -119.9f;
  Parse(testrec::SensorAvi({s, huge}));
  ASSERT_EQ(data.m_arrGSensor.GetSize(), 2);
  EXPECT_EQ(data.m_arrGSensor[0].m_nX, 120);
  EXPECT_EQ(data.m_arrGSensor[0].m_nY, 0);
  EXPECT_EQ(data.m_arrGSensor[0].m_nZ, 0);
  EXPECT_EQ(data.m_arrGSensor[1].m_nX, 120);
  EXPECT_EQ(data.m_arrGSensor[1].m_nY, -120);
  EXPECT_EQ(data.m_arrGSensor[1].m_nZ, -119);
}

TEST_F(AviTextReaderTest, TopLevelWalk) {
  RiffWriter w;
  size_t riff = w.Open("RIFF", "AVI ");
  w.Close(w.Open("LIST", "hdrl"));
  w.Chunk("JUNK", "");
  w.Chunk("JUNK", std::string(5, 'j'), false);  // odd and unpadded: the next chunk follows directly
  w.Close(w.Open("LIST", "INFO"));
  size_t movi = w.Open("LIST", "movi");
  w.Chunk("00dc", std::string(11, 'v'));
  w.Chunk("01wb", std::string(4, 'a'));
  SensorSample shortOne = At(20, 0, 1);
  shortOne.size = 16;  // everything past the seconds reads as zero
  w.Chunk("02tx", testrec::TxPayload(shortOne));
  SensorSample odd = At(20, 5, 2);
  odd.size = 67;  // read with its pad byte
  w.Chunk("02tx", testrec::TxPayload(odd));
  w.Chunk("02tx", testrec::TxPayload(At(21, 0, 3)));
  w.Close(movi);
  w.Chunk("idx1", "");
  size_t second = w.Open("LIST", "movi");
  w.Chunk("02tx", testrec::TxPayload(At(22, 0, 4)));
  w.Close(second);
  w.Close(riff);
  Parse(w.bytes());
  ASSERT_EQ(data.m_arrGSensor.GetSize(), 4);
  EXPECT_EQ(data.m_arrGSensor[0].m_nX, 0);
  EXPECT_EQ(data.m_arrGSensor[3].m_nX, 4);
  EXPECT_EQ(data.m_arrGSensor[3].m_nTime, 2000u);  // the base carries over between lists
}

// A caller that found the movi list itself hands the walk the file just past its type.
TEST_F(AviTextReaderTest, MoviWalkOnItsOwn) {
  RiffWriter w;
  w.Chunk("00dc", std::string(11, 'v'));
  w.Chunk("02tx", testrec::TxPayload(At(30, 0, 5)));
  w.Chunk("02tx", testrec::TxPayload(At(31, 0, 6)));
  std::string path = dir.File("movi.bin");
  ASSERT_TRUE(testrec::WriteBytes(path, w.bytes()));
  FILE* f = std::fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  CAviTextReader reader(&data, 0, &stop, lock);
  EXPECT_EQ(reader.ParseMovi(f, static_cast<DWORD>(w.bytes().size() + 4)), 0);
  std::fclose(f);
  ASSERT_EQ(data.m_arrGSensor.GetSize(), 2);
  EXPECT_EQ(data.m_arrGSensor[1].m_nX, 6);
  EXPECT_EQ(data.m_arrGSensor[1].m_nTime, 1000u);
}

TEST_F(AviTextReaderTest, EmptyUnnamedChunkEndsTheWalkAndJunkInsideMoviIsNotSkipped) {
  RiffWriter w;
  size_t riff = w.Open("RIFF", "AVI ");
  w.Chunk("ABCD", "");
  size_t movi = w.Open("LIST", "movi");
  w.Chunk("02tx", testrec::TxPayload(At(1, 0, 1)));
  w.Close(movi);
  w.Close(riff);
  Parse(w.bytes());
  EXPECT_EQ(data.m_arrGSensor.GetSize(), 0);

  RiffWriter j;
  riff = j.Open("RIFF", "AVI ");
  movi = j.Open("LIST", "movi");
  RiffWriter inner;
  inner.Chunk("00tx", testrec::TxPayload(At(1, 0, 7)));
  j.Chunk("JUNK", inner.bytes());
  j.Close(movi);
  j.Close(riff);
  Parse(j.bytes());
  ASSERT_EQ(data.m_arrGSensor.GetSize(), 1);
  EXPECT_EQ(data.m_arrGSensor[0].m_nX, 7);
}

TEST_F(AviTextReaderTest, CorruptFilesEndTheWalk) {
  std::string good = testrec::SensorAvi({At(1, 0, 1), At(2, 0, 2), At(3, 0, 3)});
  // Cut in the middle of the last sensor chunk: the two before it are read.
  Parse(good.substr(0, good.size() - 40));
  EXPECT_EQ(data.m_arrGSensor.GetSize(), 2);

  // Sizes with the top bit set, at the top level and inside movi.
  std::string hostile = good;
  RiffWriter patch;
  patch.bytes() = hostile;
  patch.PatchU32(4, 0xFFFFFFF8u);
  size_t hdrl = 12;
  patch.PatchU32(hdrl + 4, 0xFFFFFFF8u);
  Parse(patch.bytes());

  RiffWriter w;
  size_t riff = w.Open("RIFF", "AVI ");
  size_t movi = w.Open("LIST", "movi");
  w.Chunk("00dc", "");
  w.PatchU32(w.bytes().size() - 4, 0xFFFFFFF8u);
  w.Close(movi);
  w.Close(riff);
  Parse(w.bytes());

  // A sensor chunk larger than the buffer is decoded and the next one still found.
  RiffWriter big;
  riff = big.Open("RIFF", "AVI ");
  movi = big.Open("LIST", "movi");
  SensorSample large = At(1, 0, 11);
  large.size = 2000;
  big.Chunk("02tx", testrec::TxPayload(large));
  big.Chunk("02tx", testrec::TxPayload(At(2, 0, 12)));
  big.Close(movi);
  big.Close(riff);
  data.m_arrGSensor.RemoveAll();
  Parse(big.bytes());
  ASSERT_EQ(data.m_arrGSensor.GetSize(), 2);
  EXPECT_EQ(data.m_arrGSensor[1].m_nX, 12);
}

namespace {

// Sets the stop request when the k-th append takes the lock, and checks that the arrays
// never change while it is released.
class WatchingLock : public CCriticalSection {
public:
  WatchingLock(CTextData* data, std::atomic<BYTE>* stop, int stopAt) : m_data(data), m_stop(stop), m_stopAt(stopAt) {}
  BOOL Lock(DWORD timeout = INFINITE) override {
    EXPECT_EQ(Sizes(), m_sizesAtUnlock);
    if (++m_locks == m_stopAt) m_stop->store(1);
    return CCriticalSection::Lock(timeout);
  }
  BOOL Unlock() override {
    m_sizesAtUnlock = Sizes();
    return CCriticalSection::Unlock();
  }

private:
  std::pair<INT_PTR, INT_PTR> Sizes() const { return {m_data->m_arrGSensor.GetSize(), m_data->m_arrGPS.GetSize()}; }
  CTextData* m_data;
  std::atomic<BYTE>* m_stop;
  int m_stopAt;
  int m_locks = 0;
  std::pair<INT_PTR, INT_PTR> m_sizesAtUnlock{0, 0};
};

}  // namespace

TEST_F(AviTextReaderTest, StopRequestEndsAtTheNextChunkAndEveryChangeIsLocked) {
  std::vector<SensorSample> samples;
  for (uint16_t i = 0; i < 10; ++i) samples.push_back(At(10, i, i, i));
  std::string bytes = testrec::SensorAvi(samples);

  stop = 1;
  Parse(bytes);
  EXPECT_EQ(data.m_arrGSensor.GetSize(), 0);

  stop = 0;
  WatchingLock watching(&data, &stop, 5);  // the G-sensor append of the third chunk
  lock = &watching;
  Parse(bytes);
  EXPECT_EQ(data.m_arrGSensor.GetSize(), 3);
  EXPECT_EQ(data.m_arrGPS.GetSize(), 3);  // the chunk's GPS sample still goes in
}

TEST_F(AviTextReaderTest, MalformedSamplesReturnPromptly) {
  std::error_code ec;
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(RODEMIR_TEST_DATA "/malformed", ec)) {
    if (entry.path().extension() != ".avi") continue;
    ++files;
    data.m_arrGSensor.RemoveAll();
    data.m_arrGPS.RemoveAll();
    EXPECT_EQ(ParsePath(entry.path().string()), 0) << entry.path();
  }
  EXPECT_GT(files, 0);
}

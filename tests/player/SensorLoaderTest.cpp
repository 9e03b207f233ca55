#include "player/SensorLoader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/base/Thread.h"
#include "platform/win/WaitCursor.h"
#include "platform/win/detail/MessageLoop.h"
#include "tests/support/TempDir.h"
#include "tests/support/recording/RiffWriter.h"

namespace {

// A lock that asks the run to stop when it is taken for the n-th append.
class StoppingLock : public CCriticalSection {
public:
  StoppingLock(std::atomic<BYTE>& stop, int stopAt) : m_stop(stop), m_stopAt(stopAt) {}
  BOOL Lock(DWORD timeout) override {
    if (++m_taken == m_stopAt) m_stop = 1;
    return CCriticalSection::Lock(timeout);
  }

private:
  std::atomic<BYTE>& m_stop;
  int m_stopAt;
  int m_taken = 0;
};

std::vector<testrec::SensorSample> Drive(int seconds) {
  std::vector<testrec::SensorSample> samples;
  for (int s = 0; s < seconds; ++s) {
    testrec::SensorSample sample;
    sample.seconds = 1700000000u + static_cast<uint32_t>(s);
    sample.x = static_cast<float>(s);
    sample.speed = 50.5f + static_cast<float>(s);
    sample.coord1 = 37.5f;
    samples.push_back(sample);
  }
  return samples;
}

class SensorLoaderTest : public ::testing::Test {
protected:
  SensorLoaderTest() {
    data.m_arrGSensor.RemoveAll();
    data.m_arrGPS.RemoveAll();
    job.pTextData = &data;
    job.pLock = &lock;
    job.pStop = &stop;
    job.generation = 7;
    job.onLoaded = [this](UINT generation) { loaded.push_back(generation); };
  }

  CString Write(const std::vector<testrec::SensorSample>& samples) {
    std::string path = temp.File("rec.avi");
    testrec::WriteBytes(path, testrec::SensorAvi(samples));
    return CString(path.c_str());
  }

  // Runs the job on its own thread, as the window starts it, and waits for its end.
  DWORD RunOnThread() {
    CWinThread* thread = AfxBeginThread([](LPVOID p) { return RunSensorLoad(*static_cast<SensorLoadJob*>(p)); }, &job,
                                        THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    thread->m_bAutoDelete = FALSE;
    thread->ResumeThread();
    WaitForSingleObject(thread->m_hThread, INFINITE);
    DWORD code = 1;
    GetExitCodeThread(thread->m_hThread, &code);
    delete thread;
    return code;
  }

  testsupport::TempDir temp;
  CTextData data;
  CCriticalSection lock;
  std::atomic<BYTE> stop{0};
  SensorLoadJob job;
  std::vector<UINT> loaded;
};

TEST_F(SensorLoaderTest, ARecordingIsReadAndHandedOnWithItsGeneration) {
  job.path = Write(Drive(30));
  EXPECT_EQ(RunOnThread(), 0u);
  EXPECT_EQ(loaded, std::vector<UINT>{7});
  ASSERT_EQ(data.m_arrGSensor.GetSize(), 30);
  ASSERT_EQ(data.m_arrGPS.GetSize(), 30);
  EXPECT_EQ(data.m_arrGSensor[29].m_nTime, 29000u);
  EXPECT_EQ(data.m_arrGSensor[29].m_nX, 29);
  EXPECT_DOUBLE_EQ(data.m_arrGPS[3].m_dSpeed, 53.5);
  EXPECT_EQ(platform::WaitCursorCount(), 0);
  // The worker's wait cursor did not make it the owner of the windows.
  EXPECT_TRUE(platform::detail::IsUiThread());
}

TEST_F(SensorLoaderTest, AFileThatCannotBeReadLeavesNoSamplesAndStillEnds) {
  job.path = CString(temp.File("missing.avi").c_str());
  EXPECT_EQ(RunOnThread(), 0u);
  EXPECT_EQ(loaded, std::vector<UINT>{7});
  EXPECT_EQ(data.m_arrGSensor.GetSize(), 0);
  EXPECT_EQ(data.m_arrGPS.GetSize(), 0);
}

TEST_F(SensorLoaderTest, AStopDuringTheParseKeepsWhatWasReadAndHandsNothingOn) {
  StoppingLock stopping(stop, 3);  // the second chunk's G-sensor append
  job.pLock = &stopping;
  job.path = Write(Drive(30));
  EXPECT_EQ(RunOnThread(), 0u);
  EXPECT_TRUE(loaded.empty());
  EXPECT_EQ(data.m_arrGSensor.GetSize(), 2);
  EXPECT_EQ(data.m_arrGPS.GetSize(), 2);
  EXPECT_EQ(platform::WaitCursorCount(), 0);
}

TEST_F(SensorLoaderTest, HostileChunksGiveSamplesTheViewsCanTakeOrNone) {
  std::vector<testrec::SensorSample> samples = Drive(3);
  samples[0].x = NAN;
  samples[0].y = 1e30f;
  samples[1].speed = INFINITY;
  samples[2].tag = 0x2FF;  // not a sensor record
  job.path = Write(samples);
  RunOnThread();
  ASSERT_EQ(data.m_arrGSensor.GetSize(), 2);
  EXPECT_EQ(data.m_arrGSensor[0].m_nX, 0);
  EXPECT_EQ(data.m_arrGSensor[0].m_nY, 120);
  ASSERT_EQ(data.m_arrGPS.GetSize(), 2);
  EXPECT_TRUE(std::isinf(data.m_arrGPS[1].m_dSpeed));
}

}  // namespace

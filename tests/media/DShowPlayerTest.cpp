// The facade's units, refusals and captures over scripted filters.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "media/DShowPlayer.h"
#include "platform/base/Registry.h"
#include "tests/support/FakeMediaGraph.h"

namespace {

using fakegraph::TheWorld;

std::vector<BYTE> Dib(LONG width, LONG height, WORD bits, DWORD compression = BI_RGB) {
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = width;
  h.biHeight = height;
  h.biPlanes = 1;
  h.biBitCount = bits;
  h.biCompression = compression;
  size_t rows = static_cast<size_t>(height > 0 ? height : -height);
  size_t rowBytes = static_cast<size_t>(width) * bits / 8;
  std::vector<BYTE> dib(sizeof h + rows * rowBytes);
  std::memcpy(dib.data(), &h, sizeof h);
  for (size_t r = 0; r < rows; ++r)
    std::memset(dib.data() + sizeof h + r * rowBytes, static_cast<int>(0x10 + r), rowBytes);
  return dib;
}

class DShowPlayerTest : public ::testing::Test {
protected:
  void SetUp() override { fakegraph::Install(); }
  void TearDown() override {
    m_player.Close();
    fakegraph::Uninstall();
  }

  void OpenRecording() {
    m_player.Init(reinterpret_cast<HWND>(0x4001), reinterpret_cast<HWND>(0x4002));
    ASSERT_EQ(m_player.Open(L"/card/rec.avi"), 1);
    TheWorld().log.clear();
  }

  CDShowPlayer m_player;
};

TEST_F(DShowPlayerTest, OpenNeedsInitAndAPath) {
  EXPECT_EQ(m_player.Open(L"/card/rec.avi"), 0);
  EXPECT_EQ(m_player.m_pGraph, nullptr);
  m_player.Init(reinterpret_cast<HWND>(0x4001), reinterpret_cast<HWND>(0x4002));
  CDShowGraph* empty = m_player.m_pGraph.get();
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->PlayState, 3);
  EXPECT_EQ(m_player.GetDuration(), 0u);
  EXPECT_EQ(m_player.Seek(1000), 1);
  EXPECT_TRUE(TheWorld().log.empty());
  m_player.Init(reinterpret_cast<HWND>(0x4001), reinterpret_cast<HWND>(0x4002));
  EXPECT_EQ(m_player.m_pGraph.get(), empty);
  EXPECT_EQ(m_player.Open(nullptr), 0);
}

TEST_F(DShowPlayerTest, FailedOpenLeavesNoGraph) {
  m_player.Init(reinterpret_cast<HWND>(0x4001), reinterpret_cast<HWND>(0x4002));
  TheWorld().loadResult = E_FAIL;
  EXPECT_EQ(m_player.Open(L"/card/rec.avi"), 0);
  EXPECT_EQ(m_player.m_pGraph, nullptr);
  EXPECT_EQ(m_player.SetRate(1.5f), 0);
  EXPECT_EQ(m_player.StepBackward(1.0), 0);
  EXPECT_EQ(m_player.GetPosition(), 0u);
}

TEST_F(DShowPlayerTest, UsageMarkerIsWritten) {
  // Without a test registry the machine hive is not writable, and the marker is dropped.
  if (!std::getenv("RODEMIR_REGISTRY_DIR")) GTEST_SKIP() << "no test registry";
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Oktavine", 0, KEY_READ, &key), ERROR_SUCCESS);
  DWORD value = 0, size = sizeof value, type = 0;
  EXPECT_EQ(RegQueryValueExW(key, L"usingDShow", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 1u);
  RegCloseKey(key);
}

TEST_F(DShowPlayerTest, MillisecondsAndSteps) {
  OpenRecording();
  EXPECT_EQ(m_player.Seek(300000), 1);
  EXPECT_TRUE(TheWorld().Logged("SetPositions 3000000000 1 0"));
  TheWorld().position = 12345678;
  EXPECT_EQ(m_player.GetPosition(), 1234u);
  EXPECT_EQ(m_player.GetDuration(), 5000u);

  EXPECT_EQ(m_player.StepBackward(1.0), 0);  // stopped
  m_player.m_pGraph->Pause();
  TheWorld().position = 4000000;
  EXPECT_EQ(m_player.StepBackward(1.0), 1);
  EXPECT_EQ(TheWorld().position, 0);
  TheWorld().position = 50000000 - 5000000;
  EXPECT_EQ(m_player.StepForward(1.0), 1);
  EXPECT_EQ(TheWorld().position, 50000000);
}

TEST_F(DShowPlayerTest, StepForwardIsRefusedWithoutADuration) {
  TheWorld().durationResult = E_FAIL;
  OpenRecording();
  TheWorld().durationResult = E_FAIL;
  m_player.m_pGraph->Pause();
  TheWorld().position = 10000000;
  EXPECT_EQ(m_player.StepForward(1.0), 0);
  EXPECT_EQ(TheWorld().position, 10000000);
}

TEST_F(DShowPlayerTest, SetRateKeepsOrResumesTheState) {
  OpenRecording();
  EXPECT_EQ(m_player.SetRate(1.5f), 1);
  EXPECT_EQ(m_player.m_pGraph->PlayState, 1);
  EXPECT_EQ(m_player.m_pGraph->m_fRate, 1.5f);
  EXPECT_FALSE(TheWorld().Logged("Run"));
  m_player.Play();
  TheWorld().log.clear();
  EXPECT_EQ(m_player.SetRate(0.5f), 1);
  EXPECT_EQ(TheWorld().log.front(), "Pause");
  EXPECT_TRUE(TheWorld().Logged("SetRate 0.50"));
  EXPECT_EQ(TheWorld().log.back(), "put_Balance 0");
  EXPECT_EQ(m_player.m_pGraph->PlayState, 0);
}

TEST_F(DShowPlayerTest, DefaultVolumeIsHalfThePower) {
  OpenRecording();
  EXPECT_EQ(m_player.SetDefaultVolume(), 1);
  EXPECT_TRUE(TheWorld().Logged("put_Volume -301"));
}

TEST_F(DShowPlayerTest, CaptureTurnsRowsTopDown) {
  OpenRecording();
  TheWorld().image = Dib(3, 2, 32);
  CBitmap bitmap;
  ASSERT_EQ(m_player.CaptureImage(0, bitmap), 1);
  BITMAP info;
  ASSERT_NE(bitmap.GetBitmap(&info), 0);
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmHeight, 2);
  EXPECT_EQ(info.bmBitsPixel, 32);
  std::vector<BYTE> bits(24);
  bitmap.GetBitmapBits(24, bits.data());
  EXPECT_EQ(bits[0], 0x11);  // the picture's last row first
  EXPECT_EQ(bits[12], 0x10);
  EXPECT_EQ(m_player.CaptureImage(0, bitmap), 0);  // not empty

  for (auto bad : {Dib(3, 2, 24), Dib(3, -2, 32), Dib(3, 2, 32, BI_BITFIELDS), Dib(0, 2, 32)}) {
    TheWorld().image = bad;
    CBitmap refused;
    EXPECT_EQ(m_player.CaptureImage(1, refused), 0);
    EXPECT_EQ(refused.GetSafeHandle(), nullptr);
  }
  m_player.Close();
  CBitmap none;
  EXPECT_EQ(m_player.CaptureImage(0, none), 0);
}

TEST_F(DShowPlayerTest, CheckFiltersReportsTheFirstMissingFilter) {
  EXPECT_EQ(m_player.CheckFilters(), -2);  // no graph object
  m_player.Init(reinterpret_cast<HWND>(0x4001), reinterpret_cast<HWND>(0x4002));
  EXPECT_EQ(m_player.CheckFilters(), 1);
  TheWorld().missingClasses = {"brightness"};
  EXPECT_EQ(m_player.CheckFilters(), -4);
  TheWorld().missingClasses = {"aac", "brightness"};
  EXPECT_EQ(m_player.CheckFilters(), -3);
  TheWorld().missingClasses = {"decoder", "aac"};
  EXPECT_EQ(m_player.CheckFilters(), -2);
}

}  // namespace

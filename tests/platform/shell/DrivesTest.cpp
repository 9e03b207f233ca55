#include "platform/shell/Drives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/base/UiDispatch.h"
#include "platform/shell/ChangeNotify.h"
#include "platform/shell/detail/DriveTable.h"
#include "platform/win/WindowClass.h"
#include "tests/support/WindowHarness.h"
#include "tests/support/TempDir.h"

namespace {

// Points the drive seam at a fresh folder for one test.
class DrivesTest : public ::testing::Test {
protected:
  void SetUp() override { setenv("RODEMIR_DRIVES", m_drives.path().c_str(), 1); }
  void TearDown() override { unsetenv("RODEMIR_DRIVES"); }
  CString Root(const std::string& name) const { return FileSystemToWide(m_drives.File(name) + "/"); }
  void AddDrive(const std::string& name) { std::filesystem::create_directory(m_drives.File(name)); }

  testsupport::TempDir m_drives;
};

struct Delivered {
  HWND hwnd;
  UINT message;
  CString path;
  LPARAM event;
  bool stillListed;
};

std::vector<std::pair<CString, LPARAM>> g_received;

LRESULT DriveWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_USER + 88) {
    wchar_t path[MAX_PATH];
    SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE*>(wParam)[0], path);
    g_received.push_back({path, lParam});
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

TEST_F(DrivesTest, NotificationsReachTheWindowProcedure) {
  platform::test::WindowHarness harness;
  WNDCLASS cls;
  cls.lpfnWndProc = DriveWindowProc;
  cls.lpszClassName = L"DriveWatcherTest";
  RegisterClass(&cls);
  HWND window = CreateWindowEx(0, L"DriveWatcherTest", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  g_received.clear();
  SHChangeNotifyEntry entry{nullptr, TRUE};
  ULONG id = SHChangeNotifyRegister(window, 0x2381F, SHCNE_DRIVEADD | SHCNE_DRIVEREMOVED, WM_USER + 88, 1, &entry);
  AddDrive("CARD");
  for (int i = 0; i < 300 && g_received.empty(); ++i) platform::PumpUiThread(10);
  ASSERT_EQ(g_received.size(), 1u);
  EXPECT_EQ(g_received[0].first, Root("CARD"));
  EXPECT_EQ(g_received[0].second, SHCNE_DRIVEADD);

  // A destroyed window hears nothing more, and nothing fails.
  DestroyWindow(window);
  std::filesystem::remove(m_drives.File("CARD"));
  platform::PumpUiThread(300);
  EXPECT_EQ(g_received.size(), 1u);
  SHChangeNotifyDeregister(id);
}

TEST_F(DrivesTest, ListsTheSystemDriveThenStandInsInNameOrder) {
  AddDrive("CARD_B");
  AddDrive("CARD_A");
  std::vector<CString> roots = GetLogicalDriveRoots();
  ASSERT_EQ(roots.size(), 3u);
  EXPECT_EQ(roots[0], L"/");
  EXPECT_EQ(roots[1], Root("CARD_A"));
  EXPECT_EQ(roots[2], Root("CARD_B"));
  EXPECT_EQ(GetDriveTypeW(L"/"), DRIVE_FIXED);
  EXPECT_EQ(GetDriveTypeW(roots[1]), DRIVE_REMOVABLE);
  EXPECT_EQ(GetDriveTypeW(CString::FromUtf8(m_drives.File("CARD_A"))), DRIVE_REMOVABLE);
  EXPECT_EQ(GetDriveTypeW(CString::FromUtf8(m_drives.File("CARD_A/sub/"))), DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(GetDriveTypeW(Root("GONE")), DRIVE_NO_ROOT_DIR);
}

TEST_F(DrivesTest, VolumePathIsTheDriveHoldingThePath) {
  AddDrive("CARD");
  AddDrive("CARD2");
  wchar_t root[MAX_PATH];
  ASSERT_TRUE(GetVolumePathNameW(CString::FromUtf8(m_drives.File("CARD/Driving/a.avi")), root, MAX_PATH));
  EXPECT_EQ(CString(root), Root("CARD"));
  ASSERT_TRUE(GetVolumePathNameW(CString::FromUtf8(m_drives.File("CARD")), root, MAX_PATH));
  EXPECT_EQ(CString(root), Root("CARD"));
  ASSERT_TRUE(GetVolumePathNameW(CString::FromUtf8(m_drives.File("CARD2x/b")), root, MAX_PATH));
  EXPECT_EQ(CString(root), L"/");
  EXPECT_FALSE(GetVolumePathNameW(L"relative/x", root, MAX_PATH));
  EXPECT_FALSE(GetVolumePathNameW(CString::FromUtf8(m_drives.File("CARD/x")), root, 3));
}

TEST_F(DrivesTest, VolumeLabelIsTheFolderNameCutToTheBuffer) {
  AddDrive("MYCARD");
  wchar_t label[255] = L"untouched";
  wchar_t fs[255] = {};
  ASSERT_TRUE(GetVolumeInformationW(Root("MYCARD"), label, 255, nullptr, nullptr, nullptr, fs, 255));
  EXPECT_STREQ(label, L"MYCARD");
  wchar_t small[4];
  ASSERT_TRUE(GetVolumeInformationW(Root("MYCARD"), small, 4, nullptr, nullptr, nullptr, nullptr, 0));
  EXPECT_STREQ(small, L"MYC");

  wchar_t kept[8] = L"kept";
  EXPECT_FALSE(GetVolumeInformationW(Root("GONE"), kept, 8, nullptr, nullptr, nullptr, nullptr, 0));
  EXPECT_STREQ(kept, L"kept");
}

TEST_F(DrivesTest, LabelFileOverridesTheFolderNameAndMayBeEmpty) {
  AddDrive("NAMED");
  AddDrive("BLANK");
  { std::ofstream(m_drives.File("NAMED/.label")) << "MY CARD\nignored\n"; }
  { std::ofstream create(m_drives.File("BLANK/.label")); }
  wchar_t label[255] = L"untouched";
  ASSERT_TRUE(GetVolumeInformationW(Root("NAMED"), label, 255, nullptr, nullptr, nullptr, nullptr, 0));
  EXPECT_STREQ(label, L"MY CARD");
  ASSERT_TRUE(GetVolumeInformationW(Root("BLANK"), label, 255, nullptr, nullptr, nullptr, nullptr, 0));
  EXPECT_STREQ(label, L"");
}

TEST_F(DrivesTest, RootThatIsNotUtf8MapsBackAndItsLabelIsShownWithReplacements) {
  AddDrive("CARD\xff\xfe");
  std::vector<CString> roots = GetLogicalDriveRoots();
  ASSERT_EQ(roots.size(), 2u);
  EXPECT_EQ(WideToFileSystem(roots[1].str()), m_drives.File("CARD\xff\xfe/"));
  wchar_t label[255] = {};
  EXPECT_EQ(GetDriveTypeW(roots[1]), DRIVE_REMOVABLE);
  ASSERT_TRUE(GetVolumeInformationW(roots[1], label, 255, nullptr, nullptr, nullptr, nullptr, 0));
  EXPECT_EQ(std::wstring(label).substr(0, 4), L"CARD");
  EXPECT_EQ(std::wstring(label).find(L'\xFFFD'), 4u);
  ULARGE_INTEGER total{};
  EXPECT_TRUE(GetDiskFreeSpaceExW(roots[1], nullptr, &total, nullptr));
  EXPECT_GT(total.QuadPart, 0u);
  // Another drive whose name only shows the same is not that drive.
  EXPECT_EQ(GetDriveTypeW(CString::FromUtf8(m_drives.File("CARD\xff\xfe/"))), DRIVE_NO_ROOT_DIR);
}

TEST_F(DrivesTest, FreeSpaceComesFromTheFileSystem) {
  AddDrive("CARD");
  ULARGE_INTEGER avail{}, total{}, free{};
  ASSERT_TRUE(GetDiskFreeSpaceExW(Root("CARD"), &avail, &total, &free));
  EXPECT_GT(total.QuadPart, 0u);
  EXPECT_LE(avail.QuadPart, free.QuadPart);
  EXPECT_LE(free.QuadPart, total.QuadPart);
  EXPECT_TRUE(GetDiskFreeSpaceExW(Root("CARD"), nullptr, nullptr, nullptr));
  EXPECT_FALSE(GetDiskFreeSpaceExW(Root("GONE"), &avail, &total, &free));
}

TEST_F(DrivesTest, AppearingAndDisappearingDrivesAreDelivered) {
  std::vector<Delivered> delivered;
  platform::SetChangeNotifySink([&](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto items = reinterpret_cast<PCIDLIST_ABSOLUTE*>(wParam);
    wchar_t path[MAX_PATH];
    SHGetPathFromIDListW(items[0], path);
    EXPECT_EQ(items[1], nullptr);
    std::vector<CString> roots = GetLogicalDriveRoots();
    bool listed = std::find(roots.begin(), roots.end(), CString(path)) != roots.end();
    delivered.push_back({hwnd, msg, path, lParam, listed});
  });
  HWND window = reinterpret_cast<HWND>(0x1234);
  SHChangeNotifyEntry entry{nullptr, TRUE};
  ULONG id = SHChangeNotifyRegister(window, 0x2381F, SHCNE_DRIVEADD | SHCNE_DRIVEREMOVED, 0x458, 1, &entry);
  ASSERT_NE(id, 0u);

  auto waitFor = [&](size_t count) {
    for (int i = 0; i < 300 && delivered.size() < count; ++i) platform::PumpUiThread(10);
  };
  AddDrive("KARTE\xE9");  // named by another system: not UTF-8
  waitFor(1);
  ASSERT_EQ(delivered.size(), 1u);
  EXPECT_EQ(delivered[0].hwnd, window);
  EXPECT_EQ(delivered[0].message, 0x458u);
  EXPECT_EQ(delivered[0].path, Root("KARTE\xE9"));
  EXPECT_EQ(delivered[0].event, SHCNE_DRIVEADD);

  std::filesystem::remove(m_drives.File("KARTE\xE9"));
  waitFor(2);
  ASSERT_EQ(delivered.size(), 2u);
  EXPECT_EQ(delivered[1].path, Root("KARTE\xE9"));
  EXPECT_EQ(delivered[1].event, SHCNE_DRIVEREMOVED);
  EXPECT_FALSE(delivered[1].stillListed);

  EXPECT_TRUE(SHChangeNotifyDeregister(id));
  EXPECT_FALSE(SHChangeNotifyDeregister(id));
  AddDrive("LATER");
  platform::PumpUiThread(200);
  EXPECT_EQ(delivered.size(), 2u);
  platform::SetChangeNotifySink(nullptr);
}

TEST(ChangeNotifyTest, RefusesTheNewDeliveryFormAndMissingWindow) {
  EXPECT_EQ(SHChangeNotifyRegister(nullptr, 0x3, SHCNE_DRIVEADD, 0x458, 0, nullptr), 0u);
  EXPECT_EQ(SHChangeNotifyRegister(reinterpret_cast<HWND>(1), 0x8003, SHCNE_DRIVEADD, 0x458, 0, nullptr), 0u);
}

TEST(DriveTableTest, ParsesMountInfoWithEscapes) {
  std::string point, device, type, source;
  ASSERT_TRUE(platform::detail::ParseMountInfoLine(
      "36 35 8:17 / /media/user/MY\\040CARD rw,nosuid shared:7 - vfat /dev/sdb1 rw,uid=1000", &point, &device, &type,
      &source));
  EXPECT_EQ(point, "/media/user/MY CARD");
  EXPECT_EQ(device, "8:17");
  EXPECT_EQ(type, "vfat");
  EXPECT_EQ(source, "/dev/sdb1");
  EXPECT_FALSE(platform::detail::ParseMountInfoLine("36 35 8:17 / /mnt rw", &point, &device, &type, &source));
  EXPECT_EQ(platform::detail::DecodeLabelEscapes("MY\\x20CARD\\xff"), "MY CARD\xff");
}

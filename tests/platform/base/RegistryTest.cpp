#include "platform/base/Registry.h"
#include "platform/base/String.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/support/ScopedEnv.h"
#include "tests/support/ScopedWorkingFolder.h"
#include "tests/support/TempDir.h"

namespace {

class RegistryTest : public ::testing::Test {
protected:
  void SetUp() override { setenv("RODEMIR_REGISTRY_DIR", dir.path().c_str(), 1); }
  testsupport::TempDir dir;
};

CString QueryText(HKEY key, const wchar_t* name) {
  wchar_t buf[256] = {};
  DWORD cb = sizeof buf;
  if (RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buf), &cb) != ERROR_SUCCESS) return L"?";
  return buf;
}

}  // namespace

TEST_F(RegistryTest, ValuesPersistAcrossHandles) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\GNU\\ffdshow", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
  DWORD one = 1;
  EXPECT_EQ(RegSetValueExW(key, L"h264", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4), ERROR_SUCCESS);
  const wchar_t list[] = L";a.exe;RODEMIR.exe;";
  EXPECT_EQ(RegSetValueExW(key, L"whitelist", 0, REG_SZ, reinterpret_cast<const BYTE*>(list), sizeof list),
            ERROR_SUCCESS);
  RegCloseKey(key);

  // Names of keys and values are compared without regard to case.
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\gnu\\FFDSHOW", 0, KEY_READ, &key), ERROR_SUCCESS);
  DWORD value = 0, type = 0, cb = 4;
  EXPECT_EQ(RegQueryValueExW(key, L"H264", nullptr, &type, reinterpret_cast<BYTE*>(&value), &cb), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_DWORD);
  EXPECT_EQ(value, 1u);
  EXPECT_EQ(QueryText(key, L"whitelist"), L";a.exe;RODEMIR.exe;");
  EXPECT_EQ(QueryText(key, L"missing"), L"?");
  EXPECT_EQ(RegSetValueExW(key, L"h264", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4), ERROR_ACCESS_DENIED);
  RegCloseKey(key);

  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\GNU\\ffdshow", 0, nullptr, 0, KEY_CREATE_SUB_KEY, nullptr,
                            &key, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
  RegCloseKey(key);
  EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryTest, MissingKeysAndShortBuffers) {
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\NIMB\\RODEMIR", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\NIMB\\RODEMIR", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  const wchar_t lang[] = L"1049";
  RegSetValueExW(key, L"language", 0, REG_SZ, reinterpret_cast<const BYTE*>(lang), sizeof lang);
  wchar_t small[2];
  DWORD cb = sizeof small;
  EXPECT_EQ(RegQueryValueExW(key, L"language", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &cb), ERROR_MORE_DATA);
  EXPECT_EQ(cb, 5 * sizeof(wchar_t));
  // The parent levels were created too.
  HKEY parent = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\NIMB", 0, KEY_READ, &parent), ERROR_SUCCESS);
  RegCloseKey(parent);
  RegCloseKey(key);
}

TEST_F(RegistryTest, OddTextSurvivesTheFile) {
  HKEY key = nullptr;
  ASSERT_EQ(
      RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Oktavine", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
      ERROR_SUCCESS);
  const wchar_t text[] = L"line1\nline2=[x]%20 한";
  RegSetValueExW(key, L"odd=name", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
  EXPECT_EQ(QueryText(key, L"odd=name"), text);
  RegCloseKey(key);
}

TEST(RegistrySystemHiveTest, WritesFailWhereTheSystemFolderIsMissing) {
  unsetenv("RODEMIR_REGISTRY_DIR");
  testsupport::TempDir home;
  setenv("XDG_CONFIG_HOME", home.path().c_str(), 1);
  HKEY key = nullptr;
  std::ifstream probe("/var/lib/rodemir/registry");
  if (!probe.good()) {
    EXPECT_NE(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Oktavine", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
  }
  ASSERT_EQ(
      RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Test", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
      ERROR_SUCCESS);
  RegCloseKey(key);
  std::ifstream hive(home.path() + "/rodemir/HKEY_CURRENT_USER.reg");
  EXPECT_TRUE(hive.good());
}

// Relative folders would put the user's hive in the working folder: XDG_CONFIG_HOME is then
// ignored, and without an absolute HOME the hive reads empty and takes no writes.
TEST(RegistryUserHiveTest, NeverInTheWorkingFolder) {
  testsupport::TempDir home, work;
  testsupport::ScopedEnv seam("RODEMIR_REGISTRY_DIR", nullptr);
  testsupport::ScopedEnv config("XDG_CONFIG_HOME", "config");
  testsupport::ScopedWorkingFolder inWork(work.path());
  HKEY key = nullptr;
  {
    testsupport::ScopedEnv user("HOME", home.path());
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Test", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_TRUE(std::filesystem::is_regular_file(home.path() + "/.config/rodemir/HKEY_CURRENT_USER.reg"));
  }
  testsupport::ScopedEnv user("HOME", "home");
  EXPECT_NE(
      RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Other", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
      ERROR_SUCCESS);
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Test", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_TRUE(std::filesystem::is_empty(work.path()));
}

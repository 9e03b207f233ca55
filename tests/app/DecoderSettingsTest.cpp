#include "app/DecoderSettings.h"

#include <gtest/gtest.h>

#include "platform/base/Registry.h"
#include "tests/support/TempDir.h"

namespace {

class DecoderSettingsTest : public ::testing::Test {
protected:
  void SetUp() override { setenv("RODEMIR_REGISTRY_DIR", dir.path().c_str(), 1); }

  HKEY Open() {
    HKEY key = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\GNU\\ffdshow", 0, KEY_ALL_ACCESS, &key);
    return key;
  }
  DWORD Dword(const wchar_t* name) {
    HKEY key = Open();
    DWORD value = 0xDEAD, bytes = 4;
    RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &bytes);
    RegCloseKey(key);
    return value;
  }
  CString Whitelist() {
    HKEY key = Open();
    std::vector<wchar_t> buf(40000, 0);
    DWORD bytes = static_cast<DWORD>((buf.size() - 1) * sizeof(wchar_t));
    RegQueryValueExW(key, L"whitelist", nullptr, nullptr, reinterpret_cast<BYTE*>(buf.data()), &bytes);
    RegCloseKey(key);
    return CString(buf.data());
  }
  void StoreWhitelist(const CString& list) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\GNU\\ffdshow", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExW(key, L"whitelist", 0, REG_SZ, reinterpret_cast<const BYTE*>(list.GetString()),
                   static_cast<DWORD>(list.GetLength() * sizeof(wchar_t)));
    RegCloseKey(key);
  }

  testsupport::TempDir dir;
};

}  // namespace

TEST(WhitelistTest, AddsTheProgramOnce) {
  EXPECT_EQ(WhitelistWithProgram(L""), L";RODEMIR.exe;");
  EXPECT_EQ(WhitelistWithProgram(L"a.exe;b.exe"), L"a.exe;b.exe;RODEMIR.exe;");
  EXPECT_EQ(WhitelistWithProgram(L"a.exe;"), L"a.exe;RODEMIR.exe;");
  EXPECT_EQ(WhitelistWithProgram(L";;;"), L";;RODEMIR.exe;");
  EXPECT_EQ(WhitelistWithProgram(L"old_RODEMIR.exe_backup"), L"old_RODEMIR.exe_backup");
  EXPECT_EQ(WhitelistWithProgram(L"rodemir.exe"), L"rodemir.exe;RODEMIR.exe;");
}

TEST_F(DecoderSettingsTest, UpdateWritesOnlyIntoAnExistingKey) {
  UpdateDecoderSettings();
  EXPECT_EQ(Open(), nullptr);

  RegisterDecoderSettings();
  EXPECT_EQ(Dword(L"multipleInstances"), 0u);
  EXPECT_EQ(Dword(L"h264"), 1u);
  EXPECT_EQ(Whitelist(), L";RODEMIR.exe;");
  UpdateDecoderSettings();
  EXPECT_EQ(Whitelist(), L";RODEMIR.exe;");
}

TEST_F(DecoderSettingsTest, LongWhitelistsKeepEveryName) {
  CString list;
  for (int i = 0; i < 1500; ++i) list.AppendFormat(L"program%04d.exe;", i);
  StoreWhitelist(list);
  UpdateDecoderSettings();
  EXPECT_EQ(Whitelist(), list + L"RODEMIR.exe;");
}

// A value that cannot be read as a list (here six bytes, not a whole number of characters;
// or one that grew between the size query and the read) is left as it is, not replaced by
// a list of one name.
TEST_F(DecoderSettingsTest, UnreadableWhitelistIsLeftAlone) {
  StoreWhitelist(L"a.exe;");
  HKEY key = Open();
  const BYTE odd[6] = {'a', 0, 0, 0, 'b', 0};
  RegSetValueExW(key, L"whitelist", 0, REG_BINARY, odd, sizeof odd);
  RegCloseKey(key);
  UpdateDecoderSettings();
  key = Open();
  BYTE read[16] = {};
  DWORD type = 0, bytes = sizeof read;
  EXPECT_EQ(RegQueryValueExW(key, L"whitelist", nullptr, &type, read, &bytes), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(bytes, 6u);
  EXPECT_EQ(Dword(L"h264"), 1u);
}

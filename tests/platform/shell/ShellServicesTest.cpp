#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/media/Volume.h"
#include "platform/shell/FileCalls.h"
#include "platform/shell/NetworkState.h"
#include "platform/shell/SoundVolume.h"
#include "platform/shell/SpecialFolders.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/ScopedWorkingFolder.h"
#include "tests/support/TempDir.h"

using testsupport::ScopedEnv;

TEST(SpecialFoldersTest, DocumentsComeFromTheSeamWithoutTrailingSlash) {
  testsupport::TempDir dir;
  std::string docs = dir.File("Docs");
  ScopedEnv env("RODEMIR_DOCUMENTS", (docs + "/").c_str());
  wchar_t path[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, path, CSIDL_PERSONAL, FALSE));
  EXPECT_EQ(CString(path), CString::FromUtf8(docs));
  EXPECT_FALSE(std::filesystem::exists(docs));
  ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, path, CSIDL_PERSONAL, TRUE));
  EXPECT_TRUE(std::filesystem::is_directory(docs));
  EXPECT_FALSE(SHGetSpecialFolderPathW(nullptr, path, 0x7777, FALSE));
  EXPECT_STREQ(path, L"");
}

TEST(SpecialFoldersTest, FolderLocationsAreItemLists) {
  PIDLIST_ABSOLUTE pidl = nullptr;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &pidl), S_OK);
  wchar_t path[MAX_PATH];
  EXPECT_TRUE(SHGetPathFromIDListW(pidl, path));
  EXPECT_EQ(path[0], L'/');
  ILFree(pidl);
  EXPECT_EQ(SHGetSpecialFolderLocation(nullptr, 0x7777, &pidl), E_INVALIDARG);
  EXPECT_EQ(pidl, nullptr);
  EXPECT_FALSE(SHGetPathFromIDListW(nullptr, path));
  CString longPath = L"/" + CString(L'x', 300);
  pidl = ILCreateFromPathW(longPath);
  EXPECT_FALSE(SHGetPathFromIDListW(pidl, path));
  ILFree(pidl);
}

TEST(FileCallsTest, CreateDirectoryMakesOneLevelOnly) {
  testsupport::TempDir dir;
  CString folder = CString::FromUtf8(dir.File("RODEMIR"));
  EXPECT_TRUE(CreateDirectoryW(folder, nullptr));
  EXPECT_FALSE(CreateDirectoryW(folder, nullptr));
  EXPECT_FALSE(CreateDirectoryW(CString::FromUtf8(dir.File("a/b")), nullptr));
  EXPECT_FALSE(std::filesystem::exists(dir.File("a")));
}

TEST(FileCallsTest, DeleteFileRemovesFilesButNotFolders) {
  testsupport::TempDir dir;
  std::ofstream(dir.File("x.avi")) << "x";
  std::filesystem::create_directory(dir.File("sub"));
  EXPECT_TRUE(DeleteFileW(CString::FromUtf8(dir.File("x.avi"))));
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.avi")));
  EXPECT_FALSE(DeleteFileW(CString::FromUtf8(dir.File("x.avi"))));
  EXPECT_FALSE(DeleteFileW(CString::FromUtf8(dir.File("sub"))));
  EXPECT_TRUE(std::filesystem::exists(dir.File("sub")));
}

TEST(FileCallsTest, NamesThatAreNotUtf8ReachTheirOwnBytes) {
  testsupport::TempDir dir;
  const std::string folder = dir.File("caf\xE9");
  EXPECT_TRUE(CreateDirectoryW(FileSystemToWide(folder).c_str(), nullptr));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  std::ofstream(folder + "/x\xE9.avi") << "x";
  std::ofstream(folder + "/x\xEF\xBF\xBD.avi") << "a real replacement character";
  EXPECT_TRUE(DeleteFileW(FileSystemToWide(folder + "/x\xE9.avi").c_str()));
  EXPECT_FALSE(std::filesystem::exists(folder + "/x\xE9.avi"));
  EXPECT_TRUE(std::filesystem::exists(folder + "/x\xEF\xBF\xBD.avi"));
}

TEST(SpecialFoldersTest, DocumentsNamedInBytesThatAreNotUtf8) {
  testsupport::TempDir dir;
  const std::string docs = dir.File("Dokumente-\xE9");
  ScopedEnv env("RODEMIR_DOCUMENTS", docs.c_str());
  wchar_t path[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, path, CSIDL_PERSONAL, TRUE));
  EXPECT_EQ(WideToFileSystem(path), docs);
  EXPECT_TRUE(std::filesystem::is_directory(docs));
}

// A relative folder (from a relative HOME, or the seam) would be the working folder's.
TEST(SpecialFoldersTest, NoneForARelativePath) {
  testsupport::TempDir work;
  testsupport::ScopedWorkingFolder inWork(work.path());
  ScopedEnv env("RODEMIR_DOCUMENTS", "Docs");
  wchar_t path[MAX_PATH] = {};
  EXPECT_FALSE(SHGetSpecialFolderPathW(nullptr, path, CSIDL_PERSONAL, TRUE));
  EXPECT_STREQ(path, L"");
  PIDLIST_ABSOLUTE pidl = nullptr;
  EXPECT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &pidl), E_FAIL);
  EXPECT_EQ(pidl, nullptr);
  EXPECT_TRUE(std::filesystem::is_empty(work.path()));
}

TEST(SoundVolumeTest, ProgramVolumeRoundTripsAndSetsThePlayingLevel) {
  ScopedEnv sink("RODEMIR_AUDIO_SINK", "fakesink sync=true");
  EXPECT_EQ(waveOutSetVolume(nullptr, 0x7FFF7FFF), MMSYSERR_NOERROR);
  DWORD volume = 0;
  EXPECT_EQ(waveOutGetVolume(nullptr, &volume), MMSYSERR_NOERROR);
  EXPECT_EQ(volume, 0x7FFF7FFFu);
  EXPECT_NEAR(platform::GetProgramVolume(), 0x7FFF / 65535.0, 1e-9);
  EXPECT_EQ(waveOutSetVolume(nullptr, 0x0000FFFF), MMSYSERR_NOERROR);
  EXPECT_EQ(platform::GetProgramVolume(), 1.0);
  EXPECT_EQ(waveOutSetVolume(nullptr, 0), MMSYSERR_NOERROR);
  EXPECT_EQ(platform::GetProgramVolume(), 0.0);
  waveOutSetVolume(nullptr, 0xFFFFFFFF);
  EXPECT_EQ(waveOutGetVolume(reinterpret_cast<HWAVEOUT>(1), nullptr), MMSYSERR_INVALHANDLE);
  EXPECT_EQ(waveOutGetVolume(nullptr, nullptr), MMSYSERR_INVALPARAM);
  EXPECT_EQ(waveOutGetNumDevs(), 1u);
}

TEST(SoundVolumeTest, AnEmptySinkStandsForNoSoundOutput) {
  ScopedEnv sink("RODEMIR_AUDIO_SINK", "");
  DWORD volume = 7;
  EXPECT_EQ(waveOutGetVolume(nullptr, &volume), MMSYSERR_NODRIVER);
  EXPECT_EQ(waveOutSetVolume(nullptr, 0x1000), MMSYSERR_NODRIVER);
  EXPECT_EQ(waveOutGetNumDevs(), 0u);
}

TEST(NetworkStateTest, SeamDecides) {
  DWORD flags = 0;
  {
    ScopedEnv online("RODEMIR_ONLINE", "1");
    EXPECT_TRUE(InternetGetConnectedState(&flags, 0));
    EXPECT_EQ(flags, INTERNET_CONNECTION_LAN);
  }
  ScopedEnv offline("RODEMIR_ONLINE", "0");
  EXPECT_FALSE(InternetGetConnectedState(&flags, 0));
  EXPECT_EQ(flags, INTERNET_CONNECTION_OFFLINE);
  EXPECT_FALSE(InternetGetConnectedState(nullptr, 0));
}

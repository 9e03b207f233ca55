#include "platform/base/FileFind.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/TempDir.h"

namespace {

void Touch(const std::string& path, size_t bytes) { std::ofstream(path) << std::string(bytes, 'x'); }

}  // namespace

TEST(CFileFindTest, ListsAFolderInNameOrder) {
  testsupport::TempDir dir;
  Touch(dir.File("b.AVI"), 2048);
  Touch(dir.File("a.avi"), 10);
  Touch(dir.File("noext"), 1);
  std::filesystem::create_directory(dir.File("sub"));

  CFileFind ff;
  CString pattern = CString(dir.path()) + L"/*.*";
  std::vector<CString> names;
  BOOL more = ff.FindFile(pattern);
  ASSERT_TRUE(more);
  while (more) {
    more = ff.FindNextFile();
    if (ff.IsDots()) continue;
    names.push_back(ff.GetFileName());
    if (ff.GetFileName() == L"b.AVI") {
      EXPECT_EQ(ff.GetLength(), 2048u);
      EXPECT_EQ(ff.GetFilePath(), CString(dir.File("b.AVI")));
      CTime t;
      EXPECT_TRUE(ff.GetCreationTime(t));
      EXPECT_GT(t.GetTime(), 0);
    }
    if (ff.GetFileName() == L"sub") {
      EXPECT_TRUE(ff.IsDirectory());
    }
  }
  EXPECT_EQ(names, (std::vector<CString>{L"a.avi", L"b.AVI", L"noext", L"sub"}));
}

TEST(CFileFindTest, WildcardsIgnoreCaseAndMissingFoldersFail) {
  testsupport::TempDir dir;
  Touch(dir.File("X.AVI"), 1);
  Touch(dir.File("y.txt"), 1);
  CFileFind ff;
  ASSERT_TRUE(ff.FindFile(CString(dir.path()) + L"/*.avi"));
  EXPECT_FALSE(ff.FindNextFile());  // the one match is the last
  EXPECT_EQ(ff.GetFileName(), L"X.AVI");
  EXPECT_FALSE(ff.FindFile(CString(dir.path()) + L"/missing/*.*"));
  EXPECT_FALSE(ff.FindFile(CString(dir.path()) + L"/*.mp4"));
  EXPECT_TRUE(MatchWildcardNoCase(L"*_NOR?.AVI", L"20240101_nor2.avi"));
  EXPECT_FALSE(MatchWildcardNoCase(L"*.AVI", L"a.AVI.bak"));
}

TEST(CFileFindTest, FindsOneNamedPath) {
  testsupport::TempDir dir;
  std::filesystem::create_directory(dir.File("RODEMIR"));
  CFileFind ff;
  ASSERT_TRUE(ff.FindFile(CString(dir.File("RODEMIR"))));
  ff.FindNextFile();
  EXPECT_TRUE(ff.IsDirectory());
  EXPECT_EQ(ff.GetFileName(), L"RODEMIR");
  EXPECT_FALSE(ff.FindFile(CString(dir.File("nothing"))));
}

TEST(CFileFindTest, SymbolicLinksAreReparsePointsWithTheirTargetsAttributes) {
  testsupport::TempDir dir;
  std::filesystem::create_directory(dir.File("real"));
  Touch(dir.File("file.AVI"), 3000);
  std::filesystem::create_directory_symlink(dir.path(), dir.File("real/loop"));
  std::filesystem::create_symlink(dir.File("file.AVI"), dir.File("real/alias.AVI"));
  CFileFind ff;
  BOOL more = ff.FindFile(CString(dir.File("real")) + L"/*.*");
  int seen = 0;
  while (more) {
    more = ff.FindNextFile();
    if (ff.GetFileName() == L"loop") {
      ++seen;
      EXPECT_TRUE(ff.IsDirectory());
      EXPECT_TRUE(ff.MatchesMask(FILE_ATTRIBUTE_REPARSE_POINT));
      EXPECT_TRUE(ff.MatchesMask(FILE_ATTRIBUTE_DIRECTORY));
    } else if (ff.GetFileName() == L"alias.AVI") {
      ++seen;
      EXPECT_EQ(ff.GetLength(), 3000u);
      EXPECT_TRUE(ff.MatchesMask(FILE_ATTRIBUTE_REPARSE_POINT));
      EXPECT_FALSE(ff.MatchesMask(FILE_ATTRIBUTE_DIRECTORY));
    }
  }
  EXPECT_EQ(seen, 2);
  ASSERT_TRUE(ff.FindFile(CString(dir.File("real"))));
  ff.FindNextFile();
  EXPECT_FALSE(ff.MatchesMask(FILE_ATTRIBUTE_REPARSE_POINT));
  EXPECT_TRUE(ff.MatchesMask(FILE_ATTRIBUTE_DIRECTORY));
}

// A folder copied from another system: names whose bytes are not UTF-8.
TEST(CFileFindTest, NamesThatAreNotUtf8AreFoundAndReachedAgain) {
  testsupport::TempDir dir;
  const std::string name = "20240131_1015\xE9"
                           "0_EVT_C2.AVI";
  std::filesystem::create_directory(dir.File("caf\xE9"));
  Touch(dir.File("caf\xE9/" + name), 2048);
  CFileFind ff;
  ASSERT_TRUE(ff.FindFile(CString(dir.path()) + L"/*.*"));
  CString folder;
  for (BOOL more = TRUE; more;) {
    more = ff.FindNextFile();
    if (!ff.IsDots()) folder = ff.GetFilePath();
  }
  EXPECT_EQ(WideToFileSystem(folder.str()), dir.File("caf\xE9"));

  ASSERT_TRUE(ff.FindFile(folder + L"/*.AVI"));
  EXPECT_FALSE(ff.FindNextFile());
  EXPECT_EQ(ff.GetFileName().GetLength(), 26);
  EXPECT_EQ(ff.GetFileName().Mid(16, 3), L"EVT");
  EXPECT_EQ(ff.GetLength(), 2048u);
  const CString path = ff.GetFilePath();
  EXPECT_EQ(WideToFileSystem(path.str()), dir.File("caf\xE9/" + name));
  ASSERT_TRUE(ff.FindFile(path));  // the one file, by the path the search gave
  ff.FindNextFile();
  EXPECT_EQ(ff.GetLength(), 2048u);
}

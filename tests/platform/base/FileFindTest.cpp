#include "platform/base/FileFind.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/TempDir.h"

namespace {

void Touch(const std::string& path, size_t bytes) {
  std::ofstream(path) << std::string(bytes, 'x');
}

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

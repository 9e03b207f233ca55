#include "app/DocumentsFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

using testsupport::ScopedEnv;
using testsupport::TempDir;

TEST(DocumentsFolderTest, IsRodemirUnderTheDocumentsFolder) {
  ScopedEnv documents("RODEMIR_DOCUMENTS", "/home/u/Docs");
  EXPECT_EQ(ProgramDocumentsFolder(), L"/home/u/Docs/RODEMIR");
}

TEST(DocumentsFolderTest, AMissingFolderIsMadeAndAFileInTheWayIsNoFolder) {
  TempDir temp;
  const CString made = CString::FromUtf8(temp.File("RODEMIR"));
  EXPECT_TRUE(EnsureFolder(made));
  EXPECT_TRUE(std::filesystem::is_directory(temp.File("RODEMIR")));
  EXPECT_TRUE(EnsureFolder(made)) << "already there";

  std::ofstream(temp.File("file")) << "x";
  EXPECT_FALSE(EnsureFolder(CString::FromUtf8(temp.File("file"))));
  EXPECT_TRUE(std::filesystem::is_regular_file(temp.File("file")));
  EXPECT_FALSE(EnsureFolder(CString::FromUtf8(temp.File("missing/RODEMIR")))) << "only the last folder is made";
  EXPECT_FALSE(EnsureFolder(CString()));
}

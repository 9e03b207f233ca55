#include "card/RemovableDrives.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

TEST(RemovableDrivesTest, OnlyRemovableDrivesInTheSystemsOrder) {
  testsupport::TempDir drives;
  testsupport::ScopedEnv seam("RODEMIR_DRIVES", drives.path());
  EXPECT_TRUE(RemovableDriveRoots().empty()) << "the system drive is no card";
  EXPECT_FALSE(AnyRemovableDrive());

  std::filesystem::create_directory(drives.File("CARD_B"));
  std::filesystem::create_directory(drives.File("CARD_A"));
  EXPECT_EQ(RemovableDriveRoots(), (std::vector<CString>{CString::FromUtf8(drives.File("CARD_A/")),
                                                         CString::FromUtf8(drives.File("CARD_B/"))}));
  EXPECT_TRUE(AnyRemovableDrive());
}

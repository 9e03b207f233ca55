#include "card/RecordingRow.h"

#include <gtest/gtest.h>

namespace {
const CTime kDay(2024, 1, 31, 0, 0, 0);
}

TEST(RecordingRowTest, AcceptanceRules) {
  const CString nor = L"20240131_101500_NOR2.AVI";
  EXPECT_TRUE(IsRecordingFile(nor, 1024, false, L"NOR", false, kDay));
  EXPECT_FALSE(IsRecordingFile(nor, 1023, false, L"NOR", false, kDay));
  EXPECT_FALSE(IsRecordingFile(nor, 4096, true, L"NOR", false, kDay));
  EXPECT_FALSE(IsRecordingFile(nor, 4096, false, L"EVT", false, kDay));
  EXPECT_TRUE(IsRecordingFile(L"20240131_101500_nor2.avi", 4096, false, L"NOR", false, kDay));
  EXPECT_FALSE(IsRecordingFile(L"20240131_101500_NOR2.AVI.bak", 4096, false, L"NOR", false, kDay));
  EXPECT_FALSE(IsRecordingFile(L"short_NOR.AVI", 4096, false, L"NOR", false, kDay));
  EXPECT_FALSE(IsRecordingFile(L"AVI", 4096, false, L"NOR", false, kDay));
  // The day filter compares the name's first eight characters exactly.
  EXPECT_TRUE(IsRecordingFile(nor, 4096, false, L"NOR", true, kDay));
  EXPECT_FALSE(IsRecordingFile(L"20240130_101500_NOR2.AVI", 4096, false, L"NOR", true, kDay));
}

TEST(RecordingRowTest, RowTexts) {
  EXPECT_EQ(RecordingSizeText(1024), L"1");
  EXPECT_EQ(RecordingSizeText(1024000), L"1,000");
  EXPECT_EQ(RecordingSizeText(999999), L"976");
  EXPECT_EQ(RecordingSizeText(1000001ull * 1024), L"1000,001");
  EXPECT_EQ(RecordingDateText(CTime(2009, 3, 7, 12, 0, 0)), L"09.03.07");
  EXPECT_EQ(RecordingFullDateText(CTime(static_cast<__time64_t>(1706659200))), L"1706659200");
  EXPECT_EQ(RecordingFullDateText(CTime(static_cast<__time64_t>(0x100000005ll))), L"5");
}

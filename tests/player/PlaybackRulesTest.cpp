#include "player/PlaybackRules.h"

#include <gtest/gtest.h>

namespace {

TEST(PlaybackRulesTest, SpeedPositionsMapToTheRateTableAndOutsidersPlayAtOne) {
  const float expected[] = {0.2f, 0.4f, 0.6f, 0.8f, 1.0f, 1.25f, 1.5f, 1.75f, 2.0f};
  for (int pos = 1; pos <= 9; ++pos) EXPECT_FLOAT_EQ(RateFromSpeed(pos), expected[pos - 1]) << pos;
  for (int pos : {0, 10, -1, 65535}) EXPECT_FLOAT_EQ(RateFromSpeed(pos), 1.0f) << pos;
}

TEST(PlaybackRulesTest, VolumeWordGivesBothChannelsTheTruncatedLevel) {
  EXPECT_EQ(VolumeWord(0), 0u);
  EXPECT_EQ(VolumeWord(1), 0x028F028Fu);   // 655.35 -> 655
  EXPECT_EQ(VolumeWord(30), 0x4CCC4CCCu);  // 19660.5 -> 19660
  EXPECT_EQ(VolumeWord(50), 0x7FFF7FFFu);
  EXPECT_EQ(VolumeWord(99), 0xFD6FFD6Fu);  // never full scale
  // A keyboard End can put the thumb one past the range; the level still fits a word.
  EXPECT_EQ(VolumeWord(100), 0xFFFFFFFFu);
  EXPECT_EQ(VolumeWord(-5), 0u);
}

TEST(PlaybackRulesTest, TimeTextCountsWholeSecondsAndWidensPastNinetyNineHours) {
  EXPECT_EQ(FormatHms(0), CString(L"00:00:00"));
  EXPECT_EQ(FormatHms(999), CString(L"00:00:00"));
  EXPECT_EQ(FormatHms(3725000), CString(L"01:02:05"));
  EXPECT_EQ(FormatHms(59999), CString(L"00:00:59"));
  EXPECT_EQ(FormatHms(360000000), CString(L"100:00:00"));
  // Past what 32 bits of ms hold.
  EXPECT_EQ(FormatHms(5000000000LL), CString(L"1388:53:20"));
  EXPECT_EQ(FormatHms(-5000), CString(L"00:00:00"));
}

}  // namespace

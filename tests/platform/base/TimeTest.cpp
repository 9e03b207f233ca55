#include "platform/base/Time.h"

#include <gtest/gtest.h>

TEST(CTimeTest, LocalFieldsRoundTrip) {
  CTime t(2024, 2, 29, 23, 59, 58);
  EXPECT_EQ(t.GetYear(), 2024);
  EXPECT_EQ(t.GetMonth(), 2);
  EXPECT_EQ(t.GetDay(), 29);
  EXPECT_EQ(t.GetHour(), 23);
  EXPECT_EQ(t.GetSecond(), 58);
  EXPECT_EQ(t.GetDayOfWeek(), 5);  // Thursday
  EXPECT_EQ(t.Format(L"%Y%m%d"), L"20240229");
  CTime next = t + CTimeSpan(0, 0, 0, 2);
  EXPECT_EQ(next.GetDay(), 1);
  EXPECT_EQ((next - t).GetTotalSeconds(), 2);
  EXPECT_TRUE(t < next);
}

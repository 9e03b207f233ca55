#include "media/TextData.h"

#include <gtest/gtest.h>

TEST(TextDataTest, GSensorAxesClampToTheirRange) {
  CGSensorData a(120, -120, 5, 0xFFFFFFFFu);
  EXPECT_EQ(a.m_nX, 120);
  EXPECT_EQ(a.m_nY, -120);
  EXPECT_EQ(a.m_nZ, 5);
  EXPECT_EQ(a.m_nTime, 0xFFFFFFFFu);
  CGSensorData b(121, -121, -300, 7);
  EXPECT_EQ(b.m_nX, 120);
  EXPECT_EQ(b.m_nY, -120);
  EXPECT_EQ(b.m_nZ, -120);
}

TEST(TextDataTest, NewContainerHoldsZeroSamplesAndEmptiesCleanly) {
  CTextData data;
  ASSERT_EQ(data.m_arrGSensor.GetSize(), 1024);
  ASSERT_EQ(data.m_arrGPS.GetSize(), 1024);
  EXPECT_EQ(data.m_arrGSensor[1023].m_nX, 0);
  EXPECT_EQ(data.m_arrGPS[0].m_bValid, 0);
  EXPECT_EQ(data.m_arrGPS[1023].m_dSpeed, 0.0);

  data.m_arrGPS.RemoveAll();
  CGPSData invalid;
  CGPSData copy = invalid;
  EXPECT_EQ(copy.m_bValid, 0);
  EXPECT_EQ(data.m_arrGPS.Add(copy), 0);
  EXPECT_EQ(data.m_arrGPS.GetSize(), 1);
}

#include <gtest/gtest.h>

#include "tests/platform/gdi/GdiTestCanvas.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct RopCase {
  DWORD rop;
  COLORREF expected;  // source RGB(0x33,0x0F,0x0F) on RGB(0xF0,0x55,0x33), green pattern
};

class RasterOpTest : public ::testing::TestWithParam<RopCase> {};

TEST_P(RasterOpTest, CombinesSourceDestinationAndPattern) {
  GdiTestCanvas dst(2, 2, RGB(0xF0, 0x55, 0x33));
  GdiTestCanvas src(2, 2, RGB(0x33, 0x0F, 0x0F));
  CBrush brush(kGreen);
  dst.dc.SelectObject(&brush);
  EXPECT_TRUE(dst.dc.BitBlt(0, 0, 1, 1, &src.dc, 0, 0, GetParam().rop));
  EXPECT_EQ(dst.At(0, 0), GetParam().expected);
  EXPECT_EQ(dst.At(1, 1), RGB(0xF0, 0x55, 0x33));
}

INSTANTIATE_TEST_SUITE_P(
    Ops, RasterOpTest,
    ::testing::Values(RopCase{SRCCOPY, RGB(0x33, 0x0F, 0x0F)}, RopCase{SRCAND, RGB(0x30, 0x05, 0x03)},
                      RopCase{SRCPAINT, RGB(0xF3, 0x5F, 0x3F)}, RopCase{SRCINVERT, RGB(0xC3, 0x5A, 0x3C)},
                      RopCase{PATCOPY, kGreen}, RopCase{BLACKNESS, RGB(0, 0, 0)},
                      RopCase{WHITENESS, RGB(255, 255, 255)}, RopCase{DSTINVERT, RGB(0x0F, 0xAA, 0xCC)},
                      RopCase{NOTSRCCOPY, RGB(0xCC, 0xF0, 0xF0)}, RopCase{MERGECOPY, RGB(0x00, 0x0F, 0x00)}));

TEST(BlitTest, MaskPathRestoresTheBackgroundWhereTheMaskIsWhite) {
  // image XOR, mask AND, image XOR: the background survives under white mask pixels.
  GdiTestCanvas dst(2, 1, RGB(10, 20, 30));
  GdiTestCanvas image(2, 1, kRed);
  GdiTestCanvas mask(2, 1, RGB(255, 255, 255));
  image.dc.SetPixel(1, 0, RGB(0, 0, 0));
  mask.dc.SetPixel(0, 0, RGB(0, 0, 0));
  dst.dc.BitBlt(0, 0, 2, 1, &image.dc, 0, 0, SRCINVERT);
  dst.dc.BitBlt(0, 0, 2, 1, &mask.dc, 0, 0, SRCAND);
  dst.dc.BitBlt(0, 0, 2, 1, &image.dc, 0, 0, SRCINVERT);
  EXPECT_EQ(dst.At(0, 0), kRed);
  EXPECT_EQ(dst.At(1, 0), RGB(10, 20, 30));
}

TEST(BlitTest, SourceBeyondItsBitmapLeavesTheDestination) {
  GdiTestCanvas dst(10, 10, kBlue);
  GdiTestCanvas src(4, 4, kRed);
  dst.dc.BitBlt(0, 0, 10, 10, &src.dc, 0, 0, SRCCOPY);
  EXPECT_EQ(dst.Count(kRed), 16);
  EXPECT_EQ(dst.At(4, 0), kBlue);
  EXPECT_EQ(dst.At(0, 4), kBlue);
}

TEST(BlitTest, DestinationClipAndOriginsApply) {
  GdiTestCanvas dst(10, 10, kBlue);
  GdiTestCanvas src(10, 10, kRed);
  dst.dc.IntersectClipRect(0, 0, 5, 5);
  dst.dc.SetWindowOrg(2, 2);
  dst.dc.BitBlt(0, 0, 10, 10, &src.dc, 0, 0, SRCCOPY);
  EXPECT_EQ(dst.Count(kRed), 25);  // the clip stays where it was set, in surface pixels
  EXPECT_EQ(dst.At(4, 4), kRed);
  EXPECT_EQ(dst.At(5, 5), kBlue);
  GdiTestCanvas marked(10, 10, kBlue);
  marked.dc.SetPixel(2, 2, kGreen);
  dst.dc.BitBlt(0, 0, 1, 1, &marked.dc, 2, 2, SRCCOPY);  // logical (0,0) is surface (-2,-2): clipped away
  dst.dc.BitBlt(2, 2, 1, 1, &marked.dc, 2, 2, SRCCOPY);
  EXPECT_EQ(dst.At(0, 0), kGreen);
}

TEST(BlitTest, OverlappingCopyWithinOneBitmap) {
  GdiTestCanvas c(4, 1);
  for (int x = 0; x < 4; ++x) c.dc.SetPixel(x, 0, RGB(x, 0, 0));
  c.dc.BitBlt(1, 0, 3, 1, &c.dc, 0, 0, SRCCOPY);
  EXPECT_EQ(c.At(1, 0), RGB(0, 0, 0));
  EXPECT_EQ(c.At(2, 0), RGB(1, 0, 0));
  EXPECT_EQ(c.At(3, 0), RGB(2, 0, 0));
}

TEST(BlitTest, StretchUsesNearestPixels) {
  GdiTestCanvas src(2, 1);
  src.dc.SetPixel(0, 0, kRed);
  src.dc.SetPixel(1, 0, kBlue);
  GdiTestCanvas dst(8, 2);
  dst.dc.SetStretchBltMode(COLORONCOLOR);
  EXPECT_TRUE(dst.dc.StretchBlt(0, 0, 8, 2, &src.dc, 0, 0, 2, 1, SRCCOPY));
  EXPECT_EQ(dst.Count(kRed), 8);
  EXPECT_EQ(dst.At(3, 1), kRed);
  EXPECT_EQ(dst.At(4, 0), kBlue);
  GdiTestCanvas small(1, 1);
  small.dc.StretchBlt(0, 0, 1, 1, &dst.dc, 0, 0, 8, 2, SRCCOPY);
  EXPECT_EQ(small.At(0, 0), kBlue);  // centre sample of 8 -> x = 4
  EXPECT_FALSE(dst.dc.StretchBlt(0, 0, 0, 2, &src.dc, 0, 0, 2, 1, SRCCOPY));
}

TEST(BlitTest, TransparentBltSkipsOnlyTheExactKey) {
  GdiTestCanvas src(3, 1);
  src.dc.SetPixel(0, 0, kGreen);
  src.dc.SetPixel(1, 0, RGB(0, 254, 0));
  src.dc.SetPixel(2, 0, RGB(1, 255, 0));
  GdiTestCanvas dst(3, 1, kBlue);
  EXPECT_TRUE(dst.dc.TransparentBlt(0, 0, 3, 1, &src.dc, 0, 0, 3, 1, kGreen));
  EXPECT_EQ(dst.At(0, 0), kBlue);
  EXPECT_EQ(dst.At(1, 0), RGB(0, 254, 0));
  EXPECT_EQ(dst.At(2, 0), RGB(1, 255, 0));
  EXPECT_FALSE(dst.dc.TransparentBlt(0, 0, 3, 1, &src.dc, 0, 0, 0, 0, kGreen));
}

TEST(BlitTest, TransparentBltStretchesAndClips) {
  GdiTestCanvas src(2, 2, RGB(255, 255, 255));
  src.dc.SetPixel(0, 0, kRed);
  GdiTestCanvas dst(6, 6, kBlue);
  dst.dc.IntersectClipRect(0, 0, 1, 6);
  dst.dc.TransparentBlt(0, 0, 4, 4, &src.dc, 0, 0, 2, 2, RGB(255, 255, 255));
  EXPECT_EQ(dst.Count(kRed), 2);
  EXPECT_EQ(dst.At(0, 1), kRed);
  EXPECT_EQ(dst.At(2, 2), kBlue);
}

}  // namespace

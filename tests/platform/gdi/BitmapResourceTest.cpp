#include <gtest/gtest.h>

#include "tests/platform/gdi/GdiTestCanvas.h"

namespace {

struct Expected {
  UINT id;
  int width, height;
  POINT corner;
  COLORREF colour;  // at `corner`; CLR_INVALID when only the size is checked
};

class BitmapResourceTest : public ::testing::TestWithParam<Expected> {};

TEST_P(BitmapResourceTest, LoadsWithItsSizeAndKeyColour) {
  const Expected& e = GetParam();
  CBitmap bm;
  ASSERT_TRUE(bm.LoadBitmap(e.id)) << e.id;
  BITMAP info;
  bm.GetBitmap(&info);
  EXPECT_EQ(info.bmWidth, e.width);
  EXPECT_EQ(info.bmHeight, e.height);
  if (e.colour == CLR_INVALID) return;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap* old = dc.SelectObject(&bm);
  EXPECT_EQ(dc.GetPixel(e.corner.x, e.corner.y), e.colour) << e.id;
  dc.SelectObject(old);
}

constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

INSTANTIATE_TEST_SUITE_P(
    Skin, BitmapResourceTest,
    ::testing::Values(Expected{129, 1022, 682, {}, CLR_INVALID}, Expected{130, 37, 28, {}, CLR_INVALID},
                      Expected{497, 36, 22, {}, CLR_INVALID}, Expected{164, 82, 29, {}, CLR_INVALID},
                      Expected{209, 391, 20, {}, CLR_INVALID}, Expected{213, 20, 20, {0, 0}, kWhite},
                      Expected{219, 15, 15, {14, 14}, kWhite}, Expected{293, 50, 13, {0, 0}, kGreen},
                      Expected{312, 290, 15, {289, 14}, kGreen}, Expected{278, 50, 15, {0, 14}, kGreen},
                      Expected{292, 370, 114, {0, 0}, kGreen}, Expected{321, 10, 15, {5, 7}, kGreen},
                      Expected{330, 10, 15, {}, CLR_INVALID}, Expected{269, 1, 44, {}, CLR_INVALID},
                      Expected{241, 72, 16, {0, 0}, RGB(33, 33, 33)}, Expected{238, 17, 26, {}, CLR_INVALID},
                      Expected{493, 338, 412, {}, CLR_INVALID}, Expected{494, 28, 22, {}, CLR_INVALID},
                      Expected{501, 22, 16, {}, CLR_INVALID}));

TEST(BitmapResourceLookupTest, UnknownIdsAndNamesFail) {
  CBitmap bm;
  EXPECT_FALSE(bm.LoadBitmap(9999u));
  EXPECT_EQ(bm.GetSafeHandle(), nullptr);
  EXPECT_EQ(LoadBitmapW(nullptr, L"IDB_NAMED"), nullptr);
}

TEST(BitmapResourceLookupTest, EveryLoadIsAPrivateCopy) {
  CBitmap a, b;
  ASSERT_TRUE(a.LoadBitmap(292u));
  ASSERT_TRUE(b.LoadBitmap(292u));
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap* old = dc.SelectObject(&a);
  dc.SetPixel(0, 0, RGB(1, 2, 3));
  dc.SelectObject(&b);
  EXPECT_EQ(dc.GetPixel(0, 0), kGreen);
  dc.SelectObject(old);
}

TEST(BitmapResourceLookupTest, ButtonStatesDiffer) {
  CBitmap normal, pressed;
  ASSERT_TRUE(normal.LoadBitmap(200u));
  ASSERT_TRUE(pressed.LoadBitmap(202u));
  std::vector<uint32_t> a(37 * 28), b(37 * 28);
  normal.GetBitmapBits(static_cast<DWORD>(a.size() * 4), a.data());
  pressed.GetBitmapBits(static_cast<DWORD>(b.size() * 4), b.data());
  EXPECT_NE(a, b);
}

}  // namespace

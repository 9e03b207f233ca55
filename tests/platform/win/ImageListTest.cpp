#include <vector>

#include <gtest/gtest.h>

#include "platform/gdi/DC.h"
#include "platform/win/ImageList.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kFills[4] = {RGB(20, 20, 20), RGB(239, 183, 26), RGB(90, 60, 10), RGB(200, 150, 20)};

// Four 18 x 16 images side by side, each a solid colour with a magenta top-left pixel.
void MakeStrip(CBitmap& strip) {
  std::vector<uint32_t> bits(72 * 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 72; ++x) {
      COLORREF c = (x % 18 == 0 && y == 0) ? kMagenta : kFills[x / 18];
      bits[static_cast<size_t>(y * 72 + x)] = platform::PixelFromColor(c);
    }
  ASSERT_TRUE(strip.CreateBitmap(72, 16, 1, 32, bits.data()));
}

struct Canvas {
  CBitmap bitmap;
  CDC dc;
  Canvas() {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateBitmap(60, 40, 1, 32, nullptr);
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 60, 40, RGB(33, 33, 33));
  }
};

}  // namespace

TEST(ImageListTest, StripBecomesImagesDrawnOpaque) {
  CBitmap strip;
  MakeStrip(strip);
  CImageList images;
  EXPECT_EQ(images.GetSafeHandle(), nullptr);
  ASSERT_TRUE(images.Create(18, 16, ILC_COLOR32, 4, 4));
  EXPECT_EQ(images.Add(&strip, kMagenta), 0);
  EXPECT_EQ(images.GetImageCount(), 4);
  int cx = 0, cy = 0;
  EXPECT_TRUE(ImageList_GetIconSize(images, &cx, &cy));
  EXPECT_EQ(cx, 18);
  EXPECT_EQ(cy, 16);
  Canvas canvas;
  // Without ILC_MASK the mask colour is an ordinary colour.
  EXPECT_TRUE(ImageList_Draw(images, 1, canvas.dc, 10, 3, ILD_ROP));
  EXPECT_EQ(canvas.dc.GetPixel(10, 3), kMagenta);
  EXPECT_EQ(canvas.dc.GetPixel(11, 3), kFills[1]);
  EXPECT_EQ(canvas.dc.GetPixel(27, 18), kFills[1]);
  EXPECT_EQ(canvas.dc.GetPixel(28, 18), RGB(33, 33, 33));
  EXPECT_EQ(canvas.dc.GetPixel(27, 19), RGB(33, 33, 33));
  EXPECT_FALSE(ImageList_Draw(images, 4, canvas.dc, 0, 0, ILD_ROP));
  EXPECT_TRUE(images.Remove(0));
  EXPECT_EQ(images.GetImageCount(), 3);
  images.Draw(&canvas.dc, 0, CPoint(30, 20), ILD_NORMAL);
  EXPECT_EQ(canvas.dc.GetPixel(31, 20), kFills[1]);
}

TEST(ImageListTest, MaskedPixelsStayTransparent) {
  CBitmap strip;
  MakeStrip(strip);
  CImageList images;
  ASSERT_TRUE(images.Create(18, 16, ILC_COLOR32 | ILC_MASK, 4, 4));
  EXPECT_EQ(images.Add(&strip, kMagenta), 0);
  Canvas canvas;
  images.Draw(&canvas.dc, 2, CPoint(0, 0), ILD_TRANSPARENT);
  EXPECT_EQ(canvas.dc.GetPixel(0, 0), RGB(33, 33, 33));
  EXPECT_EQ(canvas.dc.GetPixel(1, 0), kFills[2]);
  images.Draw(&canvas.dc, 2, CPoint(0, 20), ILD_IMAGE);
  EXPECT_EQ(canvas.dc.GetPixel(0, 20), RGB(0, 0, 0));  // masked pixels are black in the image
}

TEST(ImageListTest, HandlesEndWithTheirList) {
  HIMAGELIST handle = nullptr;
  {
    CImageList images;
    images.Create(1, 20, ILC_COLORDDB, 1, 1);
    handle = images;
    EXPECT_EQ(ImageList_GetImageCount(handle), 0);
  }
  EXPECT_FALSE(ImageList_GetIconSize(handle, nullptr, nullptr));
  EXPECT_EQ(ImageList_AddMasked(handle, nullptr, 0), -1);
  EXPECT_FALSE(ImageList_Destroy(handle));
  CImageList none;
  EXPECT_FALSE(none.Create(0, 16, ILC_COLOR32, 1, 1));
}

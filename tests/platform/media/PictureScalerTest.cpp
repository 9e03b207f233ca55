#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "platform/media/detail/GstRef.h"
#include "platform/media/detail/PictureScaler.h"

namespace platform::detail {
namespace {

// An I420 picture in memory with rows padded as decoders pad them.
class I420 {
public:
  I420(int width, int height, GstVideoColorMatrix matrix = GST_VIDEO_COLOR_MATRIX_BT709,
       GstVideoColorRange range = GST_VIDEO_COLOR_RANGE_16_235) {
    gst_video_info_set_format(&m_info, GST_VIDEO_FORMAT_I420, static_cast<guint>(width), static_cast<guint>(height));
    GstVideoAlignment align;
    gst_video_alignment_reset(&align);
    align.padding_right = 13;
    for (int plane = 0; plane < 3; ++plane) align.stride_align[plane] = 31;
    gst_video_info_align(&m_info, &align);
    m_info.colorimetry.matrix = matrix;
    m_info.colorimetry.range = range;
    m_buffer.reset(gst_buffer_new_allocate(nullptr, m_info.size, nullptr));
    gst_video_frame_map(&m_frame, &m_info, m_buffer.get(), GST_MAP_READWRITE);
  }
  ~I420() { gst_video_frame_unmap(&m_frame); }

  std::uint8_t& At(int plane, int x, int y) {
    auto* data = static_cast<std::uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&m_frame, plane));
    return data[y * GST_VIDEO_FRAME_PLANE_STRIDE(&m_frame, plane) + x];
  }
  // The pixel and the chroma sample it shares with its neighbours.
  void Set(int x, int y, std::uint8_t luma, std::uint8_t u, std::uint8_t v) {
    At(0, x, y) = luma;
    At(1, x / 2, y / 2) = u;
    At(2, x / 2, y / 2) = v;
  }
  void Fill(std::uint8_t luma, std::uint8_t u, std::uint8_t v) {
    for (int y = 0; y < Height(); ++y)
      for (int x = 0; x < Width(); ++x) Set(x, y, luma, u, v);
  }
  int Width() const { return GST_VIDEO_FRAME_WIDTH(&m_frame); }
  int Height() const { return GST_VIDEO_FRAME_HEIGHT(&m_frame); }
  const GstVideoFrame& Frame() const { return m_frame; }

  std::vector<std::uint32_t> Scaled(int width, int height) const {
    std::vector<std::uint32_t> out(static_cast<size_t>(width) * static_cast<size_t>(height), 0xDEADBEEF);
    EXPECT_TRUE(ScaleI420ToBgrx(m_frame, out.data(), width, height));
    return out;
  }

private:
  GstVideoInfo m_info;
  BufferPtr m_buffer;
  GstVideoFrame m_frame;
};

class PictureScalerTest : public ::testing::Test {
protected:
  void SetUp() override { gst_init(nullptr, nullptr); }
};

TEST_F(PictureScalerTest, KnownColoursOfBothMatricesAndRanges) {
  struct Case {
    GstVideoColorMatrix matrix;
    GstVideoColorRange range;
    std::uint8_t black, white;
  };
  for (Case c : {Case{GST_VIDEO_COLOR_MATRIX_BT709, GST_VIDEO_COLOR_RANGE_16_235, 16, 235},
                 Case{GST_VIDEO_COLOR_MATRIX_BT601, GST_VIDEO_COLOR_RANGE_16_235, 16, 235},
                 Case{GST_VIDEO_COLOR_MATRIX_BT709, GST_VIDEO_COLOR_RANGE_0_255, 0, 255},
                 Case{GST_VIDEO_COLOR_MATRIX_BT601, GST_VIDEO_COLOR_RANGE_0_255, 0, 255}}) {
    I420 picture(8, 8, c.matrix, c.range);
    picture.Fill(c.black, 128, 128);
    EXPECT_EQ(picture.Scaled(3, 3)[4], 0x000000u);
    picture.Fill(c.white, 128, 128);
    EXPECT_EQ(picture.Scaled(3, 3)[4], 0xFFFFFFu);
  }
  // Values past either end clamp instead of wrapping (BT.709, 16-235).
  I420 red(4, 4);
  red.Fill(63, 102, 240);  // red 256
  EXPECT_EQ(red.Scaled(2, 2)[0], 0xFF0100u);
  I420 dark(4, 4);
  dark.Fill(16, 128, 255);  // green below 0
  EXPECT_EQ(dark.Scaled(2, 2)[0], 0xE40000u);
}

// Every target pixel is the nearest source pixel, sampled at the pixel centres, with its
// chroma: the same as that one source pixel scaled alone. Odd sizes, shrinking and growing.
TEST_F(PictureScalerTest, EachPixelIsTheNearestSourcePixel) {
  std::mt19937 random(3);
  std::uniform_int_distribution<int> byte(0, 255);
  struct Size {
    int srcW, srcH, w, h;
  };
  for (Size s : {Size{96, 54, 17, 9}, Size{33, 21, 33 * 2 + 1, 43}, Size{64, 36, 64, 35}, Size{2, 2, 5, 3}}) {
    I420 picture(s.srcW, s.srcH);
    for (int y = 0; y < s.srcH; ++y)
      for (int x = 0; x < s.srcW; ++x) picture.At(0, x, y) = static_cast<std::uint8_t>(byte(random));
    for (int y = 0; y < (s.srcH + 1) / 2; ++y)
      for (int x = 0; x < (s.srcW + 1) / 2; ++x) {
        picture.At(1, x, y) = static_cast<std::uint8_t>(byte(random));
        picture.At(2, x, y) = static_cast<std::uint8_t>(byte(random));
      }
    std::vector<std::uint32_t> scaled = picture.Scaled(s.w, s.h);
    I420 one(2, 2);
    for (int y = 0; y < s.h; ++y) {
      int sy = std::min(s.srcH - 1, (2 * y + 1) * s.srcH / (2 * s.h));
      for (int x = 0; x < s.w; ++x) {
        int sx = std::min(s.srcW - 1, (2 * x + 1) * s.srcW / (2 * s.w));
        one.Fill(picture.At(0, sx, sy), picture.At(1, sx / 2, sy / 2), picture.At(2, sx / 2, sy / 2));
        ASSERT_EQ(scaled[static_cast<size_t>(y * s.w + x)], one.Scaled(1, 1)[0])
            << s.srcW << "x" << s.srcH << " to " << s.w << "x" << s.h << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(PictureScalerTest, RefusesOtherFormatsAndEmptySizes) {
  I420 picture(4, 4);
  std::uint32_t out = 0;
  EXPECT_FALSE(ScaleI420ToBgrx(picture.Frame(), &out, 0, 1));
  EXPECT_FALSE(ScaleI420ToBgrx(picture.Frame(), &out, 1, -1));
  GstVideoInfo info;
  gst_video_info_set_format(&info, GST_VIDEO_FORMAT_NV12, 4, 4);
  BufferPtr buffer(gst_buffer_new_allocate(nullptr, info.size, nullptr));
  GstVideoFrame nv12;
  ASSERT_TRUE(gst_video_frame_map(&nv12, &info, buffer.get(), GST_MAP_READ));
  EXPECT_FALSE(ScaleI420ToBgrx(nv12, &out, 1, 1));
  gst_video_frame_unmap(&nv12);
}

}  // namespace
}  // namespace platform::detail

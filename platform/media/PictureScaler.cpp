#include "platform/media/detail/PictureScaler.h"

#include <algorithm>
#include <vector>

namespace platform::detail {

namespace {

// YUV to RGB in 1/1024 steps for one colour matrix and range.
struct Coefficients {
  int y, yOffset, rv, gu, gv, bu;
};

Coefficients CoefficientsFor(const GstVideoColorimetry& c) {
  bool hd = c.matrix == GST_VIDEO_COLOR_MATRIX_BT709;
  if (c.range == GST_VIDEO_COLOR_RANGE_0_255)
    return hd ? Coefficients{1024, 0, 1613, -192, -479, 1900} : Coefficients{1024, 0, 1436, -352, -731, 1815};
  return hd ? Coefficients{1192, 16, 1836, -218, -546, 2163} : Coefficients{1192, 16, 1634, -401, -833, 2066};
}

inline std::uint32_t Clamp8(int v) { return static_cast<std::uint32_t>(std::clamp(v >> 10, 0, 255)); }

}  // namespace

// Each target row is done in two passes: the nearest samples are gathered into rows of
// their own, then converted in a loop over those rows alone, which the compiler vectorises.
bool ScaleI420ToBgrx(const GstVideoFrame& source, std::uint32_t* target, int width, int height) {
  if (GST_VIDEO_FRAME_FORMAT(&source) != GST_VIDEO_FORMAT_I420 || width <= 0 || height <= 0) return false;
  int srcW = GST_VIDEO_FRAME_WIDTH(&source);
  int srcH = GST_VIDEO_FRAME_HEIGHT(&source);
  const auto* yPlane = static_cast<const std::uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&source, 0));
  const auto* uPlane = static_cast<const std::uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&source, 1));
  const auto* vPlane = static_cast<const std::uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&source, 2));
  int yStride = GST_VIDEO_FRAME_PLANE_STRIDE(&source, 0);
  int uStride = GST_VIDEO_FRAME_PLANE_STRIDE(&source, 1);
  int vStride = GST_VIDEO_FRAME_PLANE_STRIDE(&source, 2);
  const Coefficients k = CoefficientsFor(GST_VIDEO_INFO_COLORIMETRY(&source.info));
  const size_t w = static_cast<size_t>(width);
  // Source column of each target column, taken at the pixel centres, and its chroma column.
  std::vector<int> columns(w), chromaColumns(w);
  for (size_t x = 0; x < w; ++x) {
    columns[x] = std::min(srcW - 1, static_cast<int>((2LL * static_cast<long long>(x) + 1) * srcW / (2LL * width)));
    chromaColumns[x] = columns[x] / 2;
  }
  std::vector<int> lumas(w), us(w), vs(w);
  for (int y = 0; y < height; ++y) {
    int sy = std::min(srcH - 1, static_cast<int>((2LL * y + 1) * srcH / (2LL * height)));
    const std::uint8_t* yRow = yPlane + static_cast<ptrdiff_t>(sy) * yStride;
    const std::uint8_t* uRow = uPlane + static_cast<ptrdiff_t>(sy / 2) * uStride;
    const std::uint8_t* vRow = vPlane + static_cast<ptrdiff_t>(sy / 2) * vStride;
    for (size_t x = 0; x < w; ++x) {
      lumas[x] = yRow[columns[x]];
      us[x] = uRow[chromaColumns[x]];
      vs[x] = vRow[chromaColumns[x]];
    }
    std::uint32_t* out = target + static_cast<size_t>(y) * w;
    const int* l = lumas.data();
    const int* u = us.data();
    const int* v = vs.data();
    for (size_t x = 0; x < w; ++x) {
      int luma = (l[x] - k.yOffset) * k.y + 512;
      int cu = u[x] - 128;
      int cv = v[x] - 128;
      std::uint32_t r = Clamp8(luma + k.rv * cv);
      std::uint32_t g = Clamp8(luma + k.gu * cu + k.gv * cv);
      std::uint32_t b = Clamp8(luma + k.bu * cu);
      out[x] = (r << 16) | (g << 8) | b;
    }
  }
  return true;
}

}  // namespace platform::detail

#pragma once
// A 32-bit pixel surface that windows and memory device contexts draw into. Pixels are
// native-endian 0x00RRGGBB (bytes B, G, R, x in memory), rows of width * 4 bytes: the
// layout of cairo's RGB24 format, so cairo and pango can draw into it directly.
#include <cstdint>
#include <vector>

#include "platform/base/WinTypes.h"

namespace platform {

class Surface {
public:
  Surface() = default;
  Surface(int width, int height) { Resize(width, height); }
  void Resize(int width, int height) {
    m_width = width > 0 ? width : 0;
    m_height = height > 0 ? height : 0;
    m_pixels.assign(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), 0);
  }
  int width() const { return m_width; }
  int height() const { return m_height; }
  int stride() const { return m_width * 4; }  // bytes per row
  uint32_t* pixels() { return m_pixels.data(); }
  const uint32_t* pixels() const { return m_pixels.data(); }
  uint32_t At(int x, int y) const {
    return m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
  }
  void Set(int x, int y, uint32_t v) {
    m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] = v;
  }

private:
  int m_width = 0;
  int m_height = 0;
  std::vector<uint32_t> m_pixels;
};

// COLORREF (0x00BBGGRR) <-> surface pixel (0x00RRGGBB).
constexpr uint32_t PixelFromColor(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
constexpr COLORREF ColorFromPixel(uint32_t p) { return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16); }

}  // namespace platform

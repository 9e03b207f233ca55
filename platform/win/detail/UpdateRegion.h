#pragma once
// An update region: the invalid parts of a window's client area as a short list of
// rectangles, and whether the background must be erased before painting.
#include <vector>

#include "platform/base/Geometry.h"

namespace platform::detail {

class UpdateRegion {
public:
  void Add(const CRect& rect, bool erase);
  void Clear();
  // Removes the rectangle; pieces of cut rectangles stay invalid.
  void Subtract(const CRect& rect);
  bool IsEmpty() const { return m_rects.empty(); }
  bool NeedsErase() const { return m_erase; }
  void ClearErase() { m_erase = false; }
  CRect Bounds() const;
  const std::vector<CRect>& Rects() const { return m_rects; }

private:
  std::vector<CRect> m_rects;
  bool m_erase = false;
};

}  // namespace platform::detail

#include "platform/win/detail/UpdateRegion.h"

namespace platform::detail {

namespace {

// Beyond this many pieces the region is kept as its bounding box: painting a little too
// much is cheaper than walking a long list on every invalidation.
constexpr size_t kMaxRects = 16;

bool Contains(const CRect& outer, const CRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

}  // namespace

void UpdateRegion::Add(const CRect& rect, bool erase) {
  if (rect.IsRectEmpty()) return;
  if (erase) m_erase = true;
  for (const CRect& r : m_rects)
    if (Contains(r, rect)) return;
  std::vector<CRect> kept;
  kept.reserve(m_rects.size() + 1);
  for (const CRect& r : m_rects)
    if (!Contains(rect, r)) kept.push_back(r);
  kept.push_back(rect);
  m_rects.swap(kept);
  if (m_rects.size() > kMaxRects) {
    CRect bounds = Bounds();
    m_rects.assign(1, bounds);
  }
}

void UpdateRegion::Clear() {
  m_rects.clear();
  m_erase = false;
}

void UpdateRegion::Subtract(const CRect& cut) {
  std::vector<CRect> out;
  for (const CRect& r : m_rects) {
    CRect common;
    if (!common.IntersectRect(r, cut)) {
      out.push_back(r);
      continue;
    }
    if (r.top < common.top) out.emplace_back(r.left, r.top, r.right, common.top);
    if (common.bottom < r.bottom) out.emplace_back(r.left, common.bottom, r.right, r.bottom);
    if (r.left < common.left) out.emplace_back(r.left, common.top, common.left, common.bottom);
    if (common.right < r.right) out.emplace_back(common.right, common.top, r.right, common.bottom);
  }
  m_rects.swap(out);
  if (m_rects.empty()) m_erase = false;
}

CRect UpdateRegion::Bounds() const {
  CRect bounds;
  for (const CRect& r : m_rects) bounds.UnionRect(bounds, r);
  return bounds;
}

}  // namespace platform::detail

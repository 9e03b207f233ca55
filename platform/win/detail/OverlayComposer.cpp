#include "platform/win/detail/OverlayComposer.h"

#include <vector>

#include "platform/win/VideoOverlay.h"
#include "platform/win/detail/WindowTree.h"

namespace platform::detail {

namespace {

// Nearest-neighbour scaling of the frame into `dest`, writing only inside `clip`.
void Blit(Surface& surface, const VideoFrame& frame, const CRect& dest, const CRect& clip) {
  if (frame.width <= 0 || frame.height <= 0 || dest.IsRectEmpty()) return;
  if (frame.pixels.size() < static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height)) return;
  // The source column of each column written, worked out once for all rows.
  std::vector<int> columns(static_cast<size_t>(clip.Width()));
  for (int x = clip.left; x < clip.right; ++x)
    columns[static_cast<size_t>(x - clip.left)] =
        static_cast<int>(static_cast<long long>(x - dest.left) * frame.width / dest.Width());
  for (int y = clip.top; y < clip.bottom; ++y) {
    int sy = static_cast<int>(static_cast<long long>(y - dest.top) * frame.height / dest.Height());
    const uint32_t* srcRow = frame.pixels.data() + static_cast<size_t>(sy) * static_cast<size_t>(frame.width);
    uint32_t* dstRow = surface.pixels() + static_cast<size_t>(y) * static_cast<size_t>(surface.width()) + clip.left;
    for (size_t i = 0; i < columns.size(); ++i) dstRow[i] = srcRow[columns[i]] & 0x00FFFFFF;
  }
}

}  // namespace

void ComposeOverlays(WindowNode& topLevel, const CRect& damage) {
  if (!topLevel.surface) return;
  Surface& surface = *topLevel.surface;
  WindowTree& tree = WindowTree::Get();
  CRect bounds(0, 0, surface.width(), surface.height());
  tree.ForEachInPaintOrder(topLevel.handle, [&](WindowNode& node) {
    CRect destInClient;
    auto frame = GetVideoOverlay(node.handle, &destInClient);
    if (!frame) return;
    CRect dest = destInClient;
    CRect origin = tree.RectInTopLevel(node);
    dest.OffsetRect(origin.left, origin.top);
    CRect clip;
    if (!clip.IntersectRect(dest, tree.VisibleRectInTopLevel(node))) return;
    if (!clip.IntersectRect(clip, damage)) return;
    if (!clip.IntersectRect(clip, bounds)) return;
    Blit(surface, *frame, dest, clip);
    NoteOverlayShown(node.handle, frame);
  });
}

}  // namespace platform::detail

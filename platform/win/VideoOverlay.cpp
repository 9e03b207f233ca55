#include "platform/win/VideoOverlay.h"

#include <map>

#include "platform/win/detail/OverlayComposer.h"
#include "platform/win/detail/Painter.h"

namespace platform {

namespace {

struct Overlay {
  CRect dest;
  std::shared_ptr<const VideoFrame> frame;
};

struct ShownCount {
  std::weak_ptr<const VideoFrame> last;  // a freed frame's address may come back
  std::uint64_t count = 0;
};

std::map<HWND, ShownCount>& ShownCounts() {
  static std::map<HWND, ShownCount> counts;
  return counts;
}

std::map<HWND, Overlay>& Overlays() {
  static std::map<HWND, Overlay> overlays;
  return overlays;
}

}  // namespace

void SetVideoOverlay(HWND hwnd, const CRect& destInClient, std::shared_ptr<const VideoFrame> frame) {
  if (!frame) {
    ClearVideoOverlay(hwnd);
    return;
  }
  auto it = Overlays().find(hwnd);
  bool hadOld = it != Overlays().end();
  CRect oldDest = hadOld ? it->second.dest : CRect();
  Overlays()[hwnd] = Overlay{destInClient, std::move(frame)};
  detail::OverlayChanged(hwnd, oldDest, hadOld, destInClient, true);
}

void ClearVideoOverlay(HWND hwnd) {
  auto it = Overlays().find(hwnd);
  if (it == Overlays().end()) return;
  CRect oldDest = it->second.dest;
  Overlays().erase(it);
  detail::OverlayChanged(hwnd, oldDest, true, CRect(), false);
}

std::shared_ptr<const VideoFrame> GetVideoOverlay(HWND hwnd, CRect* destInClient) {
  auto it = Overlays().find(hwnd);
  if (it == Overlays().end()) return nullptr;
  if (destInClient) *destInClient = it->second.dest;
  return it->second.frame;
}

std::uint64_t ShownVideoFrameCount(HWND hwnd) {
  auto it = ShownCounts().find(hwnd);
  return it == ShownCounts().end() ? 0 : it->second.count;
}

namespace detail {

void NoteOverlayShown(HWND hwnd, const std::shared_ptr<const VideoFrame>& frame) {
  ShownCount& shown = ShownCounts()[hwnd];
  if (shown.last.lock() == frame) return;
  shown.last = frame;
  ++shown.count;
}

}  // namespace detail

}  // namespace platform

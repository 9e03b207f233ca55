#include "platform/win/VideoOverlay.h"

#include <map>

#include "platform/win/detail/Painter.h"

namespace platform {

namespace {

struct Overlay {
  CRect dest;
  std::shared_ptr<const VideoFrame> frame;
};

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

}  // namespace platform

#include "platform/win/VideoOverlay.h"

#include <map>

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
  Overlays()[hwnd] = Overlay{destInClient, std::move(frame)};
}

void ClearVideoOverlay(HWND hwnd) { Overlays().erase(hwnd); }

std::shared_ptr<const VideoFrame> GetVideoOverlay(HWND hwnd, CRect* destInClient) {
  auto it = Overlays().find(hwnd);
  if (it == Overlays().end()) return nullptr;
  if (destInClient) *destInClient = it->second.dest;
  return it->second.frame;
}

}  // namespace platform

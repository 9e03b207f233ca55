#pragma once
// Video frames shown over a window: the media layer hands the newest frame of a video
// renderer to its window on the UI thread, and the window layer draws it over the window's
// own painting, scaled into the given rectangle of the window's client area.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"

namespace platform {

struct VideoFrame {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows of width pixels
};

// UI thread only. A null frame removes the overlay of that window.
void SetVideoOverlay(HWND hwnd, const CRect& destInClient, std::shared_ptr<const VideoFrame> frame);
void ClearVideoOverlay(HWND hwnd);
// The frame and rectangle currently shown over the window, if any (tests, capture).
std::shared_ptr<const VideoFrame> GetVideoOverlay(HWND hwnd, CRect* destInClient = nullptr);
// Distinct frames drawn into the window's top-level surface so far (benchmarks, tests).
std::uint64_t ShownVideoFrameCount(HWND hwnd);

}  // namespace platform

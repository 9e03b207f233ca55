#pragma once
// The newest picture of a video renderer, shared between the streaming thread that stores
// it and the UI thread that shows it. Pictures stay in the decoder's format; the UI thread
// converts the ones it shows, at the size they are shown, and a still at native size.
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>

// The platform's own TRUE and FALSE come before GLib's macros.
#include "platform/base/Geometry.h"
#include "platform/win/VideoOverlay.h"

#include <gst/gst.h>
#include <gst/video/video.h>

#include "platform/media/detail/GstRef.h"

namespace platform::detail {

struct ConverterFree {
  void operator()(GstVideoConverter* c) const { gst_video_converter_free(c); }
};
using ConverterPtr = std::unique_ptr<GstVideoConverter, ConverterFree>;

// A converter between two picture layouts, made again only when a layout changes.
class CachedConverter {
public:
  bool Run(const GstVideoInfo& in, GstBuffer* src, const GstVideoInfo& out, GstBuffer* dst);

private:
  ConverterPtr m_converter;
  GstVideoInfo m_in{};
  GstVideoInfo m_out{};
};

class FrameStore : public std::enable_shared_from_this<FrameStore> {
public:
  FrameStore() : m_created(std::chrono::steady_clock::now()) {}

  // Streaming thread: keeps the sample and posts one wake-up at a time.
  void Store(GstSample* sample);

  // UI thread from here on.
  void Present();
  // The newest picture as 0x00RRGGBB rows at the pane's size.
  std::shared_ptr<const VideoFrame> Picture(int width, int height);
  // The newest picture at the size it was decoded.
  std::shared_ptr<const VideoFrame> Still();
  void Detach();

  HWND m_hwnd = nullptr;
  CRect m_dest;
  std::atomic<std::uint64_t> m_frames{0};
  std::atomic<double> m_firstFrameMs{-1.0};

private:
  SamplePtr Newest();
  std::shared_ptr<const VideoFrame> Convert(GstSample* sample, int width, int height);

  std::chrono::steady_clock::time_point m_created;
  std::mutex m_mutex;
  SamplePtr m_sample;  // guarded by m_mutex
  std::atomic<bool> m_pending{false};
  bool m_detached = false;
  SamplePtr m_shownSample;  // what m_shown was made from
  std::shared_ptr<const VideoFrame> m_shown;
  CachedConverter m_colour;  // to BGRx
};

}  // namespace platform::detail

#include "platform/media/detail/FrameStore.h"

#include "platform/base/UiDispatch.h"
#include "platform/media/detail/PictureScaler.h"

namespace platform::detail {

namespace {

// The converter wants the same frame rate on both sides.
GstVideoInfo OutputInfo(const GstVideoInfo& in, GstVideoFormat format, int width, int height) {
  GstVideoInfo out;
  gst_video_info_set_format(&out, format, static_cast<guint>(width), static_cast<guint>(height));
  out.fps_n = in.fps_n;
  out.fps_d = in.fps_d;
  return out;
}

}  // namespace

// The sink hands out one sample object that it changes in place when caps come again after a
// flush; a copy of its buffer and caps keeps the picture held here out of that.
void FrameStore::Store(GstSample* pulled) {
  SamplePtr given(pulled);
  if (!given) return;
  SamplePtr own(gst_sample_new(gst_sample_get_buffer(pulled), gst_sample_get_caps(pulled), nullptr, nullptr));
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sample = std::move(own);
  }
  if (m_frames++ == 0)
    m_firstFrameMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_created).count();
  if (m_pending.exchange(true)) return;
  std::weak_ptr<FrameStore> weak = shared_from_this();
  PostPictureToUiThread([weak] {
    if (auto store = weak.lock()) store->Present();
  });
}

void FrameStore::Present() {
  m_pending = false;
  if (!m_hwnd || m_detached || m_dest.IsRectEmpty()) return;
  std::shared_ptr<const VideoFrame> frame = Picture(m_dest.Width(), m_dest.Height());
  if (frame) SetVideoOverlay(m_hwnd, m_dest, std::move(frame));
}

SamplePtr FrameStore::Newest() {
  std::lock_guard<std::mutex> lock(m_mutex);
  return SamplePtr(m_sample ? gst_sample_ref(m_sample.get()) : nullptr);
}

std::shared_ptr<const VideoFrame> FrameStore::Picture(int width, int height) {
  SamplePtr sample = Newest();
  if (!sample) return m_shown;
  bool sameSize = m_shown && m_shown->width == width && m_shown->height == height;
  if (sample.get() == m_shownSample.get() && sameSize) return m_shown;
  std::shared_ptr<const VideoFrame> frame = Convert(sample.get(), width, height);
  if (!frame) return nullptr;
  m_shownSample = std::move(sample);
  m_shown = frame;
  return frame;
}

// A still is always the picture as decoded, whatever size the pane shows it at.
std::shared_ptr<const VideoFrame> FrameStore::Still() {
  SamplePtr sample = Newest();
  return sample ? Convert(sample.get(), 0, 0) : nullptr;
}

void FrameStore::Detach() {
  m_detached = true;
  if (m_hwnd) ClearVideoOverlay(m_hwnd);
}

bool CachedConverter::Run(const GstVideoInfo& in, GstBuffer* src, const GstVideoInfo& out, GstBuffer* dst) {
  if (!m_converter || !gst_video_info_is_equal(&in, &m_in) || !gst_video_info_is_equal(&out, &m_out)) {
    // Bilinear scaling without dithering: the default filters cost more than decoding.
    GstStructure* config = gst_structure_new(
        "config", GST_VIDEO_CONVERTER_OPT_DITHER_METHOD, GST_TYPE_VIDEO_DITHER_METHOD, GST_VIDEO_DITHER_NONE,
        GST_VIDEO_CONVERTER_OPT_RESAMPLER_METHOD, GST_TYPE_VIDEO_RESAMPLER_METHOD, GST_VIDEO_RESAMPLER_METHOD_LINEAR,
        GST_VIDEO_CONVERTER_OPT_CHROMA_RESAMPLER_METHOD, GST_TYPE_VIDEO_RESAMPLER_METHOD,
        GST_VIDEO_RESAMPLER_METHOD_LINEAR, nullptr);
    m_converter.reset(gst_video_converter_new(const_cast<GstVideoInfo*>(&in), const_cast<GstVideoInfo*>(&out), config));
    m_in = in;
    m_out = out;
  }
  if (!m_converter) return false;
  GstVideoFrame from, to;
  if (!gst_video_frame_map(&from, const_cast<GstVideoInfo*>(&in), src, GST_MAP_READ)) return false;
  bool ok = gst_video_frame_map(&to, const_cast<GstVideoInfo*>(&out), dst, GST_MAP_WRITE);
  if (ok) {
    gst_video_converter_frame(m_converter.get(), &from, &to);
    gst_video_frame_unmap(&to);
  }
  gst_video_frame_unmap(&from);
  return ok;
}

// Pictures for a pane are shrunk and converted in one cheap pass; a still at native size,
// and any other format, goes through the exact converter.
std::shared_ptr<const VideoFrame> FrameStore::Convert(GstSample* sample, int width, int height) {
  GstVideoInfo in;
  GstCaps* caps = gst_sample_get_caps(sample);
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  if (!caps || !buffer || !gst_video_info_from_caps(&in, caps)) return nullptr;
  if (width <= 0 || height <= 0) {
    width = GST_VIDEO_INFO_WIDTH(&in);
    height = GST_VIDEO_INFO_HEIGHT(&in);
  }
  auto frame = std::make_shared<VideoFrame>();
  frame->width = width;
  frame->height = height;
  frame->pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  bool sameSize = GST_VIDEO_INFO_WIDTH(&in) == width && GST_VIDEO_INFO_HEIGHT(&in) == height;
  if (!sameSize && GST_VIDEO_INFO_FORMAT(&in) == GST_VIDEO_FORMAT_I420) {
    GstVideoFrame from;
    bool scaled = false;
    if (gst_video_frame_map(&from, &in, buffer, GST_MAP_READ)) {
      scaled = ScaleI420ToBgrx(from, frame->pixels.data(), width, height);
      gst_video_frame_unmap(&from);
    }
    if (scaled) return frame;  // its x bytes are 0 already
  }
  GstVideoInfo out = OutputInfo(in, GST_VIDEO_FORMAT_BGRx, width, height);
  BufferPtr target(gst_buffer_new_wrapped_full(GstMemoryFlags(0), frame->pixels.data(), frame->pixels.size() * 4, 0,
                                               frame->pixels.size() * 4, nullptr, nullptr));
  bool ok = m_colour.Run(in, buffer, out, target.get());
  target.reset();
  if (!ok) return nullptr;
  for (uint32_t& p : frame->pixels) p &= 0x00FFFFFFu;  // BGRx: the x byte is not alpha
  return frame;
}

}  // namespace platform::detail

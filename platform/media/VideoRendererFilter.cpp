#include "platform/media/detail/VideoRendererFilter.h"

#include <gst/app/gstappsink.h>
#include <gst/video/video.h>

#include <cstring>

#include "platform/base/UiDispatch.h"
#include "platform/media/MediaDiagnostics.h"
#include "platform/win/VideoOverlay.h"

namespace platform::detail {

// Shared between the streaming thread (which stores pictures) and the UI thread (which
// shows them). The streaming thread only stores and posts one wake-up at a time.
class FrameStore : public std::enable_shared_from_this<FrameStore> {
public:
  FrameStore() : m_created(std::chrono::steady_clock::now()) {}

  void Store(GstSample* sample) {
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_sample.reset(sample);
    }
    if (m_frames++ == 0) {
      auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_created).count();
      m_firstFrameMs = ms;
    }
    if (m_pending.exchange(true)) return;
    std::weak_ptr<FrameStore> weak = shared_from_this();
    PostToUiThread([weak] {
      if (auto store = weak.lock()) store->Present();
    });
  }

  // UI thread.
  void Present() {
    m_pending = false;
    if (!m_hwnd || m_detached) return;
    std::shared_ptr<const VideoFrame> frame = LatestFrame();
    if (frame) SetVideoOverlay(m_hwnd, m_dest, std::move(frame));
  }

  // UI thread: the newest picture as 0x00RRGGBB rows, converted once per picture.
  std::shared_ptr<const VideoFrame> LatestFrame() {
    SamplePtr sample;
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      if (!m_sample) return m_shown;
      if (m_sample.get() == m_shownSample) return m_shown;
      sample.reset(gst_sample_ref(m_sample.get()));
    }
    m_shownSample = sample.get();
    m_shown = Convert(sample.get());
    return m_shown;
  }

  void Detach() {
    m_detached = true;
    if (m_hwnd) ClearVideoOverlay(m_hwnd);
  }

  HWND m_hwnd = nullptr;
  CRect m_dest;
  std::atomic<std::uint64_t> m_frames{0};
  std::atomic<double> m_firstFrameMs{-1.0};

private:
  static std::shared_ptr<const VideoFrame> Convert(GstSample* sample) {
    GstVideoInfo info;
    GstCaps* caps = gst_sample_get_caps(sample);
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    if (!caps || !buffer || !gst_video_info_from_caps(&info, caps)) return nullptr;
    GstVideoFrame vf;
    if (!gst_video_frame_map(&vf, &info, buffer, GST_MAP_READ)) return nullptr;
    auto frame = std::make_shared<VideoFrame>();
    frame->width = GST_VIDEO_FRAME_WIDTH(&vf);
    frame->height = GST_VIDEO_FRAME_HEIGHT(&vf);
    frame->pixels.resize(static_cast<size_t>(frame->width) * static_cast<size_t>(frame->height));
    const auto* base = static_cast<const uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&vf, 0));
    int stride = GST_VIDEO_FRAME_PLANE_STRIDE(&vf, 0);
    for (int y = 0; y < frame->height; ++y) {
      uint32_t* row = frame->pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(frame->width);
      std::memcpy(row, base + static_cast<ptrdiff_t>(y) * stride, static_cast<size_t>(frame->width) * 4);
      for (int x = 0; x < frame->width; ++x) row[x] &= 0x00FFFFFFu;  // BGRx bytes: x is not alpha
    }
    gst_video_frame_unmap(&vf);
    return frame;
  }

  std::chrono::steady_clock::time_point m_created;
  std::mutex m_mutex;
  SamplePtr m_sample;  // guarded
  std::atomic<bool> m_pending{false};
  bool m_detached = false;
  GstSample* m_shownSample = nullptr;  // identity only, UI thread
  std::shared_ptr<const VideoFrame> m_shown;
};

namespace {

using StoreHandle = std::shared_ptr<FrameStore>;

GstFlowReturn OnPreroll(GstAppSink* sink, gpointer data) {
  (*static_cast<StoreHandle*>(data))->Store(gst_app_sink_pull_preroll(sink));
  return GST_FLOW_OK;
}

GstFlowReturn OnSample(GstAppSink* sink, gpointer data) {
  (*static_cast<StoreHandle*>(data))->Store(gst_app_sink_pull_sample(sink));
  return GST_FLOW_OK;
}

void DeleteHandle(gpointer data) { delete static_cast<StoreHandle*>(data); }

}  // namespace

VideoRendererFilter* VideoRendererFilter::Create() {
  ElementRef sink = MakeElement("appsink");
  if (!sink) return nullptr;
  auto* filter = new VideoRendererFilter(std::move(sink));
  filter->AddStaticPin(PINDIR_INPUT, MEDIATYPE_Video, "sink");
  return filter;
}

VideoRendererFilter::VideoRendererFilter(ElementRef sink)
    : GstFilterBase(std::move(sink)), m_store(std::make_shared<FrameStore>()) {
  CapsPtr caps(gst_caps_from_string("video/x-raw,format=BGRx"));
  g_object_set(element(), "caps", caps.get(), "sync", TRUE, "max-buffers", 1u, "drop", TRUE,
               nullptr);
  GstAppSinkCallbacks callbacks{};
  callbacks.new_preroll = OnPreroll;
  callbacks.new_sample = OnSample;
  gst_app_sink_set_callbacks(GST_APP_SINK(element()), &callbacks, new StoreHandle(m_store), DeleteHandle);
}

VideoRendererFilter::~VideoRendererFilter() { m_store->Detach(); }

HRESULT VideoRendererFilter::QueryExtra(REFIID riid, void** ppv) {
  if (riid == IID_IVMRFilterConfig) return AnswerInterface<IVMRFilterConfig>(this, ppv);
  if (riid == IID_IVMRWindowlessControl) return AnswerInterface<IVMRWindowlessControl>(this, ppv);
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT VideoRendererFilter::SetRenderingMode(DWORD mode) {
  return mode == VMRMode_Windowless ? S_OK : E_INVALIDARG;
}

HRESULT VideoRendererFilter::SetVideoPosition(const RECT*, const RECT* dest) {
  if (!dest) return E_POINTER;
  m_store->m_dest = CRect(*dest);
  if (m_store->m_hwnd) m_store->Present();
  return S_OK;
}

HRESULT VideoRendererFilter::SetVideoClippingWindow(HWND hwnd) {
  if (m_store->m_hwnd && m_store->m_hwnd != hwnd) ClearVideoOverlay(m_store->m_hwnd);
  m_store->m_hwnd = hwnd;
  return S_OK;
}

HRESULT VideoRendererFilter::RepaintVideo(HWND, HDC) {
  m_store->Present();
  return S_OK;
}

// A packed picture: BITMAPINFOHEADER, then 32-bit rows from the bottom up.
HRESULT VideoRendererFilter::GetCurrentImage(BYTE** dib) {
  if (!dib) return E_POINTER;
  *dib = nullptr;
  std::shared_ptr<const VideoFrame> frame = m_store->LatestFrame();
  if (!frame || frame->width <= 0 || frame->height <= 0) return E_FAIL;
  size_t rowBytes = static_cast<size_t>(frame->width) * 4;
  size_t imageBytes = rowBytes * static_cast<size_t>(frame->height);
  auto* block = static_cast<BYTE*>(CoTaskMemAlloc(sizeof(BITMAPINFOHEADER) + imageBytes));
  if (!block) return E_OUTOFMEMORY;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = frame->width;
  header.biHeight = frame->height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(imageBytes);
  std::memcpy(block, &header, sizeof header);
  BYTE* rows = block + sizeof header;
  for (int y = 0; y < frame->height; ++y) {
    const uint32_t* src = frame->pixels.data() + static_cast<size_t>(frame->height - 1 - y) * frame->width;
    std::memcpy(rows + static_cast<size_t>(y) * rowBytes, src, rowBytes);
  }
  *dib = block;
  return S_OK;
}

void VideoRendererFilter::OnRemovedFromGraph() {
  m_store->Detach();
  GstFilterBase::OnRemovedFromGraph();
}

std::uint64_t VideoRendererFilter::frames() const { return m_store->m_frames; }
double VideoRendererFilter::firstFrameMs() const { return m_store->m_firstFrameMs; }

}  // namespace platform::detail

namespace platform {

std::uint64_t RenderedFrameCount(IBaseFilter* renderer) {
  auto* r = dynamic_cast<detail::VideoRendererFilter*>(renderer);
  return r ? r->frames() : 0;
}

double FirstFrameMilliseconds(IBaseFilter* renderer) {
  auto* r = dynamic_cast<detail::VideoRendererFilter*>(renderer);
  return r ? r->firstFrameMs() : -1.0;
}

}  // namespace platform

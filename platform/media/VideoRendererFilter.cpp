#include "platform/media/detail/VideoRendererFilter.h"

#include <gst/app/gstappsink.h>

#include <cstring>

#include "platform/media/detail/FrameStore.h"
#include "platform/media/MediaDiagnostics.h"
#include "platform/win/VideoOverlay.h"

namespace platform::detail {

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
  CapsPtr caps(gst_caps_from_string("video/x-raw"));
  g_object_set(element(), "caps", caps.get(), "sync", TRUE, "max-buffers", 1u, "drop", TRUE, nullptr);
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

HRESULT VideoRendererFilter::SetRenderingMode(DWORD mode) { return mode == VMRMode_Windowless ? S_OK : E_INVALIDARG; }

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
  std::shared_ptr<const VideoFrame> frame = m_store->Still();
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

#pragma once
// The windowless video renderer: an appsink whose newest picture goes, on the UI thread,
// to the overlay of its clipping window, scaled to the destination rectangle.
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>

#include "platform/media/detail/GstFilter.h"

namespace platform::detail {

class FrameStore;

class VideoRendererFilter : public GstFilterBase, public IVMRFilterConfig, public IVMRWindowlessControl {
public:
  static VideoRendererFilter* Create();
  ~VideoRendererFilter() override;
  RODEMIR_IUNKNOWN_IMPL
  HRESULT QueryInterface(REFIID riid, void** ppv) override { return GstFilterBase::QueryInterface(riid, ppv); }

  HRESULT SetRenderingMode(DWORD mode) override;
  HRESULT SetRenderingPrefs(DWORD) override { return S_OK; }

  HRESULT SetVideoPosition(const RECT* source, const RECT* dest) override;
  HRESULT SetVideoClippingWindow(HWND hwnd) override;
  HRESULT SetAspectRatioMode(DWORD) override { return S_OK; }
  HRESULT RepaintVideo(HWND hwnd, HDC hdc) override;
  HRESULT GetCurrentImage(BYTE** dib) override;

  void OnRemovedFromGraph() override;
  std::uint64_t frames() const;
  double firstFrameMs() const;

protected:
  HRESULT QueryExtra(REFIID riid, void** ppv) override;

private:
  explicit VideoRendererFilter(ElementRef sink);
  std::shared_ptr<FrameStore> m_store;
};

}  // namespace platform::detail

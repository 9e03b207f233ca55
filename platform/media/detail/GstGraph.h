#pragma once
// The filter graph over one GstPipeline: filters, connection (with a decoder inserted
// where two pins do not fit), transport, seeking and sound.
#include <atomic>
#include <mutex>
#include <vector>

#include "platform/media/MediaInterfaces.h"
#include "platform/media/detail/GstFilter.h"

namespace platform::detail {

class GstGraph : public IGraphBuilder,
                 public IMediaControl,
                 public IMediaSeeking,
                 public IMediaEventEx,
                 public IBasicAudio,
                 public RefCounted {
public:
  GstGraph();
  ~GstGraph() override;
  RODEMIR_IUNKNOWN_IMPL
  HRESULT QueryInterface(REFIID riid, void** ppv) override;

  // IFilterGraph, IGraphBuilder
  HRESULT AddFilter(IBaseFilter* filter, LPCWSTR name) override;
  HRESULT RemoveFilter(IBaseFilter* filter) override;
  HRESULT EnumFilters(IEnumFilters** filters) override;
  HRESULT Connect(IPin* out, IPin* in) override;

  // IMediaControl
  HRESULT Run() override;
  HRESULT Pause() override;
  HRESULT Stop() override;
  HRESULT StopWhenReady() override;

  // IMediaSeeking
  HRESULT SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) override;
  HRESULT GetCurrentPosition(LONGLONG* position) override;
  HRESULT GetDuration(LONGLONG* duration) override;
  HRESULT SetRate(double rate) override;
  HRESULT GetRate(double* rate) override;

  // IMediaEventEx
  HRESULT SetNotifyWindow(OAHWND, LONG, LONG_PTR) override { return S_OK; }

  // IBasicAudio
  HRESULT put_Volume(LONG volume) override;
  HRESULT get_Volume(LONG* volume) override;
  HRESULT put_Balance(LONG) override { return S_OK; }

  GstElement* pipeline() const { return m_pipeline.get(); }
  // Called by the splitter when its streams are known, so the run can start.
  bool HadError() const { return m_error; }

private:
  enum class Target { Paused, Playing };
  HRESULT ConnectDirect(GstPinBase* out, GstPinBase* in);
  HRESULT ConnectThroughDecoder(GstPinBase* out, GstPinBase* in);
  void TakeOutUnusedFilters();
  bool IsUsed(GstFilterBase* filter, int depth) const;
  HRESULT SetTarget(Target target);
  bool WaitForState(int milliseconds);
  bool SeekTo(gint64 nanoseconds, double rate);  // false when the pipeline refused it
  gint64 DurationNs() const;
  void OnBusMessage(GstMessage* message);
  static GstBusSyncReply BusSyncHandler(GstBus*, GstMessage* message, gpointer self);
  static gboolean DiscardMessage(GstBus*, GstMessage*, gpointer);

  ElementRef m_pipeline;
  std::vector<ComPtr<GstFilterBase>> m_filters;
  bool m_prepared = false;  // the pipeline has left NULL
  double m_rate = 1.0;
  LONG m_volume = 0;                             // hundredths of a decibel
  gint64 m_seekTarget = -1;                      // ns, reported until the pipeline can tell its position
  mutable std::atomic<gint64> m_durationNs{-1};  // once known; asked again after a change
  std::atomic<bool> m_eos{false};
  std::atomic<bool> m_error{false};
  BusWatch m_busWatch;
};

}  // namespace platform::detail

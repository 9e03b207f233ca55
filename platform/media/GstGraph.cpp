#include "platform/media/detail/GstGraph.h"

#include <algorithm>
#include <chrono>

#include "platform/base/Log.h"
#include "platform/media/MediaDiagnostics.h"
#include "platform/base/String.h"
#include "platform/media/Enumerators.h"
#include "platform/media/detail/GstFilters.h"

namespace platform::detail {

namespace {

constexpr int kMaxBranchDepth = 16;

std::atomic<int> g_livePipelines{0};

void OnPipelineFinalised(gpointer, GObject*) { --g_livePipelines; }

}  // namespace

GstGraph::GstGraph() : m_pipeline(ElementRef::SinkFloating(gst_pipeline_new(nullptr))) {
  ++g_livePipelines;
  g_object_weak_ref(G_OBJECT(m_pipeline.get()), OnPipelineFinalised, nullptr);
  BusRef bus = BusRef::Adopt(gst_element_get_bus(m_pipeline.get()));
  gst_bus_set_sync_handler(bus.get(), BusSyncHandler, this, nullptr);
  m_busWatch = BusWatch(bus.get(), DiscardMessage, nullptr);
}

GstGraph::~GstGraph() {
  gst_element_set_state(m_pipeline.get(), GST_STATE_NULL);
  BusRef bus = BusRef::Adopt(gst_element_get_bus(m_pipeline.get()));
  while (!m_filters.empty()) RemoveFilter(m_filters.back().get());
  gst_bus_set_sync_handler(bus.get(), nullptr, nullptr, nullptr);
  m_busWatch.Remove();
}

HRESULT GstGraph::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IGraphBuilder) return AnswerInterface<IGraphBuilder>(this, ppv);
  if (riid == IID_IFilterGraph) return AnswerInterface<IFilterGraph>(this, ppv);
  if (riid == IID_IMediaControl) return AnswerInterface<IMediaControl>(this, ppv);
  if (riid == IID_IMediaSeeking) return AnswerInterface<IMediaSeeking>(this, ppv);
  if (riid == IID_IMediaEventEx) return AnswerInterface<IMediaEventEx>(this, ppv);
  if (riid == IID_IBasicAudio) return AnswerInterface<IBasicAudio>(this, ppv);
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT GstGraph::AddFilter(IBaseFilter* filter, LPCWSTR name) {
  auto* f = dynamic_cast<GstFilterBase*>(filter);
  if (!f) return E_INVALIDARG;
  if (f->graph()) return VFW_E_WRONG_STATE;
  if (name && !GST_OBJECT_PARENT(f->element())) gst_object_set_name(GST_OBJECT(f->element()), WideToUtf8(name).c_str());
  if (!gst_bin_add(GST_BIN(m_pipeline.get()), f->element())) return E_FAIL;
  m_filters.push_back(ComPtr<GstFilterBase>::Share(f));
  f->OnAddedToGraph(this);
  return S_OK;
}

// Elements must not be removed from a pipeline that streams: the graph is stopped completely
// first, whatever state its callers left it in.
HRESULT GstGraph::RemoveFilter(IBaseFilter* filter) {
  auto it = std::find_if(m_filters.begin(), m_filters.end(), [&](auto& f) { return f.get() == filter; });
  if (it == m_filters.end()) return VFW_E_NOT_FOUND;
  if (m_prepared) {
    gst_element_set_state(m_pipeline.get(), GST_STATE_NULL);
    m_prepared = false;
    m_durationNs = -1;
  }
  ComPtr<GstFilterBase> f = *it;
  m_filters.erase(it);
  for (auto& pin : f->pins()) {
    if (GstPinBase* peer = pin->peer()) {
      if (peer->peer() == pin.get()) peer->Disconnect();
      pin->Disconnect();
    }
  }
  gst_element_set_state(f->element(), GST_STATE_NULL);
  if (GST_OBJECT_PARENT(f->element()) == GST_OBJECT(m_pipeline.get()))
    gst_bin_remove(GST_BIN(m_pipeline.get()), f->element());
  f->OnRemovedFromGraph();
  return S_OK;
}

HRESULT GstGraph::EnumFilters(IEnumFilters** filters) {
  if (!filters) return E_POINTER;
  std::vector<IBaseFilter*> list;
  for (auto& f : m_filters) list.push_back(f.get());
  *filters = new FilterEnumerator(std::move(list));
  return S_OK;
}

HRESULT GstGraph::Connect(IPin* out, IPin* in) {
  if (!out || !in) return E_POINTER;
  auto* o = dynamic_cast<GstPinBase*>(out);
  auto* i = dynamic_cast<GstPinBase*>(in);
  if (!o || !i || !o->owner() || !i->owner()) return E_INVALIDARG;
  if (o->direction() != PINDIR_OUTPUT || i->direction() != PINDIR_INPUT) return VFW_E_CANNOT_CONNECT;
  if (o->owner()->graph() != this || i->owner()->graph() != this) return VFW_E_NOT_FOUND;
  if (o->peer() || i->peer()) return VFW_E_ALREADY_CONNECTED;
  if (m_prepared) return VFW_E_WRONG_STATE;
  HRESULT hr = ConnectDirect(o, i);
  return hr == S_OK ? hr : ConnectThroughDecoder(o, i);
}

HRESULT GstGraph::ConnectDirect(GstPinBase* out, GstPinBase* in) {
  CapsPtr offered = out->Caps();
  CapsPtr accepted = in->Caps();
  if (!CapsCompatible(offered.get(), accepted.get())) return VFW_E_CANNOT_CONNECT;
  if (!out->LinkTo(in)) return VFW_E_CANNOT_CONNECT;
  GstPinBase::Join(out, in);
  return S_OK;
}

HRESULT GstGraph::ConnectThroughDecoder(GstPinBase* out, GstPinBase* in) {
  CapsPtr offered = out->Caps();
  CapsPtr accepted = in->Caps();
  if (MajorTypeOfCaps(offered.get()) != MajorTypeOfCaps(accepted.get())) return VFW_E_CANNOT_CONNECT;
  auto decoder = ComPtr<InsertedDecoderFilter>::Adopt(InsertedDecoderFilter::CreateFor(offered.get(), accepted.get()));
  if (!decoder || decoder->pins().size() != 2) return VFW_E_CANNOT_CONNECT;
  if (FAILED(AddFilter(decoder.get(), nullptr))) return VFW_E_CANNOT_CONNECT;
  GstPinBase* decoderIn = decoder->pins()[0].get();
  GstPinBase* decoderOut = decoder->pins()[1].get();
  if (ConnectDirect(out, decoderIn) == S_OK && ConnectDirect(decoderOut, in) == S_OK) return S_OK;
  RemoveFilter(decoder.get());
  return VFW_E_CANNOT_CONNECT;
}

bool GstGraph::IsUsed(GstFilterBase* filter, int depth) const {
  if (depth > kMaxBranchDepth) return false;
  if (filter->IsRenderer()) {
    for (auto& pin : filter->pins())
      if (pin->peer()) return true;
    return false;
  }
  for (auto& pin : filter->pins()) {
    GstPinBase* peer = pin->peer();
    if (pin->direction() == PINDIR_OUTPUT && peer && peer->owner() && IsUsed(peer->owner(), depth + 1)) return true;
  }
  return false;
}

// A sink that nothing feeds never prerolls and holds the whole graph back, and a branch that
// ends nowhere stops its stream with an error: both leave the running graph. The filters
// stay in the model with their connections, as callers expect.
void GstGraph::TakeOutUnusedFilters() {
  for (auto& f : m_filters) {
    if (f->KeepWhenUnused() || IsUsed(f.get(), 0)) continue;
    if (GST_OBJECT_PARENT(f->element()) != GST_OBJECT(m_pipeline.get())) continue;
    for (auto& pin : f->pins()) {
      GstPinBase* peer = pin->peer();
      if (!peer) continue;
      if (pin->direction() == PINDIR_OUTPUT) pin->Unlink();
      else peer->Unlink();
    }
    gst_bin_remove(GST_BIN(m_pipeline.get()), f->element());
  }
}

HRESULT GstGraph::SetTarget(Target target) {
  if (!m_prepared) TakeOutUnusedFilters();
  m_prepared = true;
  GstState state = target == Target::Playing ? GST_STATE_PLAYING : GST_STATE_PAUSED;
  GstStateChangeReturn r = gst_element_set_state(m_pipeline.get(), state);
  if (r == GST_STATE_CHANGE_FAILURE) {
    PlatformLog("media", "state change to %s failed", gst_element_state_get_name(state));
    return E_FAIL;
  }
  return r == GST_STATE_CHANGE_ASYNC ? S_FALSE : S_OK;
}

bool GstGraph::WaitForState(int milliseconds) {
  GstStateChangeReturn r =
      gst_element_get_state(m_pipeline.get(), nullptr, nullptr, GstClockTime(milliseconds) * GST_MSECOND);
  return r == GST_STATE_CHANGE_SUCCESS || r == GST_STATE_CHANGE_NO_PREROLL;
}

HRESULT GstGraph::Run() { return SetTarget(Target::Playing); }
HRESULT GstGraph::Pause() { return SetTarget(Target::Paused); }
// Stopped keeps the position and the picture, so it is a pause as far as the pipeline goes.
HRESULT GstGraph::Stop() { return SetTarget(Target::Paused); }

// Cues the graph and waits, bounded, until its first pictures are in. An error from the
// pipeline, or a pipeline that never gets ready, fails: such a graph would play nothing.
HRESULT GstGraph::StopWhenReady() {
  auto started = std::chrono::steady_clock::now();
  HRESULT hr = SetTarget(Target::Paused);
  if (FAILED(hr)) return hr;
  bool ready = WaitForState(5000) && !m_error;
  PlatformLog("media", "graph %s in %.1f ms", ready ? "ready" : "not ready",
              std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count());
  if (!ready) return E_FAIL;
  if (m_seekTarget >= 0 && !SeekTo(m_seekTarget, m_rate)) return E_FAIL;
  return S_OK;
}

bool GstGraph::SeekTo(gint64 ns, double rate) {
  gint64 duration = DurationNs();
  if (duration > 0) ns = std::min(ns, duration);
  ns = std::max<gint64>(ns, 0);
  m_eos = false;
  m_seekTarget = ns;
  auto flags = GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
  if (!gst_element_seek(m_pipeline.get(), rate, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, ns, GST_SEEK_TYPE_NONE,
                        GST_CLOCK_TIME_NONE)) {
    PlatformLog("media", "seek to %" G_GINT64_FORMAT " ns refused", ns);
    m_seekTarget = -1;
    return false;
  }
  // The seek finishes on the streaming threads; until the pipeline has settled, the position
  // reads the target, so callers see a synchronous graph without the UI thread waiting.
  return true;
}

HRESULT GstGraph::SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG*, DWORD) {
  if ((currentFlags & AM_SEEKING_AbsolutePositioning) == 0) return S_OK;
  if (!current) return E_POINTER;
  gint64 ns = *current * 100;
  if (!m_prepared) {
    m_seekTarget = std::max<gint64>(ns, 0);
    return S_OK;
  }
  return SeekTo(ns, m_rate) ? S_OK : E_FAIL;
}

// A finished file's duration does not change while it plays: the pipeline is asked until it
// knows it, and again after it reports a change or is taken down.
gint64 GstGraph::DurationNs() const {
  gint64 known = m_durationNs;
  if (known > 0) return known;
  gint64 d = -1;
  if (!gst_element_query_duration(m_pipeline.get(), GST_FORMAT_TIME, &d)) return -1;
  if (d > 0) m_durationNs = d;
  return d;
}

// After the end the pipeline stands a rounding short of the duration; the end reads as the
// duration. Right after a seek the pipeline cannot tell its position yet, so the target stands.
HRESULT GstGraph::GetCurrentPosition(LONGLONG* position) {
  if (!position) return E_POINTER;
  gint64 duration = DurationNs();
  gint64 ns = -1;
  if (m_eos && duration > 0) {
    ns = duration;
  } else {
    GstState state, pending;
    bool settling = gst_element_get_state(m_pipeline.get(), &state, &pending, 0) == GST_STATE_CHANGE_ASYNC;
    bool known = m_prepared && gst_element_query_position(m_pipeline.get(), GST_FORMAT_TIME, &ns) && ns >= 0;
    if ((!known || settling) && m_seekTarget >= 0) ns = m_seekTarget;
    else if (known) m_seekTarget = -1;
  }
  if (ns < 0) ns = 0;
  if (duration > 0) ns = std::min(ns, duration);
  *position = ns / 100;
  return S_OK;
}

HRESULT GstGraph::GetDuration(LONGLONG* duration) {
  if (!duration) return E_POINTER;
  gint64 d = DurationNs();
  if (d < 0) return E_FAIL;
  *duration = d / 100;
  return S_OK;
}

// A flushing seek at the current position changes the rate; none is made when the rate
// stays, since every resume sets the rate again.
HRESULT GstGraph::SetRate(double rate) {
  if (rate <= 0.0) return E_INVALIDARG;
  if (rate == m_rate) return S_OK;
  m_rate = rate;
  if (!m_prepared) return S_OK;
  LONGLONG position = 0;
  GetCurrentPosition(&position);
  return SeekTo(position * 100, rate) ? S_OK : E_FAIL;
}

HRESULT GstGraph::GetRate(double* rate) {
  if (!rate) return E_POINTER;
  *rate = m_rate;
  return S_OK;
}

HRESULT GstGraph::put_Volume(LONG volume) {
  m_volume = volume;
  for (auto& f : m_filters)
    if (auto* audio = dynamic_cast<AudioRendererFilter*>(f.get())) audio->SetVolume(volume);
  return S_OK;
}

HRESULT GstGraph::get_Volume(LONG* volume) {
  if (!volume) return E_POINTER;
  *volume = m_volume;
  return S_OK;
}

// Streaming threads: only the end, a changed duration and errors are noted. Dropping messages
// here keeps references to the pipeline alive, so they pass on to the watch, which discards
// them on the UI thread (a pipeline going to NULL discards what is left).
GstBusSyncReply GstGraph::BusSyncHandler(GstBus*, GstMessage* message, gpointer self) {
  static_cast<GstGraph*>(self)->OnBusMessage(message);
  return GST_BUS_PASS;
}

gboolean GstGraph::DiscardMessage(GstBus*, GstMessage*, gpointer) { return G_SOURCE_CONTINUE; }

void GstGraph::OnBusMessage(GstMessage* message) {
  switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS: m_eos = true; break;
    case GST_MESSAGE_DURATION_CHANGED: m_durationNs = -1; break;
    case GST_MESSAGE_ERROR: {
      GError* raw = nullptr;
      gst_message_parse_error(message, &raw, nullptr);
      GErrorPtr error(raw);
      PlatformLog("media", "%s: %s", GST_OBJECT_NAME(GST_MESSAGE_SRC(message)), error ? error->message : "?");
      m_error = true;
      break;
    }
    default: break;
  }
}

}  // namespace platform::detail

namespace platform {

int LiveMediaPipelines() { return detail::g_livePipelines; }

}  // namespace platform

#include <atomic>
#include <chrono>

#include "platform/base/Log.h"
#include "platform/media/detail/GstFilters.h"
#include "platform/media/detail/GstGraph.h"

namespace platform::detail {

namespace {

constexpr int kDiscoveryTimeoutMs = 5000;

struct StreamInfo {
  std::string name;
  CapsPtr caps;
};

// Pads that appear in discovery are held back so no data flows before teardown.
GstPadProbeReturn HoldPad(GstPad*, GstPadProbeInfo*, gpointer) { return GST_PAD_PROBE_OK; }

struct Discovery {
  std::mutex mutex;
  std::vector<StreamInfo> streams;
  std::atomic<bool> done{false};
};

void OnDiscoveredPad(GstElement*, GstPad* pad, gpointer data) {
  auto* d = static_cast<Discovery*>(data);
  gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BLOCK_DOWNSTREAM, HoldPad, nullptr, nullptr);
  GCharPtr name(gst_pad_get_name(pad));
  CapsPtr caps(gst_pad_get_current_caps(pad));
  if (!caps) caps.reset(gst_pad_query_caps(pad, nullptr));
  std::lock_guard<std::mutex> lock(d->mutex);
  d->streams.push_back({name.get(), std::move(caps)});
}

void OnNoMorePads(GstElement*, gpointer data) { static_cast<Discovery*>(data)->done = true; }

// Reads the file's streams, in the demuxer's pad order, from a short-lived pipeline.
// Every wait is bounded: a file that never yields its streams gives none.
std::vector<StreamInfo> DiscoverStreams(const std::string& location) {
  auto started = std::chrono::steady_clock::now();
  Discovery d;
  ElementRef pipe = ElementRef::SinkFloating(gst_pipeline_new("discovery"));
  GstElement* src = gst_element_factory_make("filesrc", nullptr);
  GstElement* demux = gst_element_factory_make("avidemux", nullptr);
  if (!src || !demux) return {};
  g_object_set(src, "location", location.c_str(), nullptr);
  gst_bin_add_many(GST_BIN(pipe.get()), src, demux, nullptr);
  gst_element_link(src, demux);
  SignalConnection added(demux, g_signal_connect(demux, "pad-added", G_CALLBACK(OnDiscoveredPad), &d));
  SignalConnection noMore(demux, g_signal_connect(demux, "no-more-pads", G_CALLBACK(OnNoMorePads), &d));
  BusRef bus = BusRef::Adopt(gst_element_get_bus(pipe.get()));
  gst_element_set_state(pipe.get(), GST_STATE_PAUSED);
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kDiscoveryTimeoutMs);
  bool failed = false;
  while (!d.done && !failed && std::chrono::steady_clock::now() < deadline) {
    MessagePtr msg(
        gst_bus_timed_pop_filtered(bus.get(), 5 * GST_MSECOND, GstMessageType(GST_MESSAGE_ERROR | GST_MESSAGE_EOS)));
    if (msg) failed = true;
  }
  gst_element_set_state(pipe.get(), GST_STATE_NULL);
  added.Disconnect();
  noMore.Disconnect();
  if (failed || !d.done) {
    PlatformLog("media", "no streams found in %s", location.c_str());
    return {};
  }
  PlatformLog("media", "streams of %s read in %.1f ms", location.c_str(),
              std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count());
  std::lock_guard<std::mutex> lock(d.mutex);
  return std::move(d.streams);
}

class SplitterOutPin : public GstPinBase {
public:
  SplitterOutPin(AviSplitterFilter* owner, StreamInfo info)
      : GstPinBase(owner, PINDIR_OUTPUT, MajorTypeOfCaps(info.caps.get())), m_splitter(owner),
        m_name(std::move(info.name)), m_caps(std::move(info.caps)) {}

  CapsPtr Caps() const override { return CapsPtr(m_caps ? gst_caps_ref(m_caps.get()) : nullptr); }

  // Each branch starts with a queue: the demuxer feeds every stream from one thread, and a
  // branch without one stalls the others. The limits only guard memory on bad interleaving.
  bool LinkTo(GstPinBase* in) override {
    GstGraph* graph = m_splitter->graph();
    if (!graph || !in->Pad() || !owner()) return false;
    GstElement* queue = gst_element_factory_make("queue", nullptr);
    if (!queue) return false;
    g_object_set(queue, "max-size-time", guint64(0), "max-size-buffers", 0u, "max-size-bytes", 32u << 20, nullptr);
    gst_bin_add(GST_BIN(graph->pipeline()), queue);
    PadRef src = PadRef::Adopt(gst_element_get_static_pad(queue, "src"));
    if (!GST_PAD_LINK_SUCCESSFUL(gst_pad_link(src.get(), in->Pad()))) {
      gst_bin_remove(GST_BIN(graph->pipeline()), queue);
      return false;
    }
    m_splitter->Route(m_name, queue);
    return true;
  }

  void Unlink() override {
    if (owner()) m_splitter->Unroute(m_name);
  }

private:
  AviSplitterFilter* m_splitter;
  std::string m_name;
  CapsPtr m_caps;
};

}  // namespace

AviSplitterFilter* AviSplitterFilter::Create() {
  ElementRef demux = MakeElement("avidemux");
  if (!demux) return nullptr;
  auto* filter = new AviSplitterFilter(std::move(demux));
  filter->AddStaticPin(PINDIR_INPUT, GUID_NULL, "sink");
  return filter;
}

AviSplitterFilter::AviSplitterFilter(ElementRef element) : GstFilterBase(std::move(element)) {
  m_padAdded =
      SignalConnection(this->element(), g_signal_connect(this->element(), "pad-added", G_CALLBACK(OnPadAdded), this));
}

// The output pins route through this object, so they let go while it is whole.
AviSplitterFilter::~AviSplitterFilter() {
  m_padAdded.Disconnect();
  for (auto& pin : pins())
    if (pin->peer()) pin->Disconnect();
}

void AviSplitterFilter::OnInputConnected(GstPinBase* in) {
  if (m_discovered || !in->peer() || !in->peer()->owner()) return;
  auto* source = dynamic_cast<FileSourceFilter*>(in->peer()->owner());
  if (!source || source->location().empty()) return;
  m_discovered = true;
  for (StreamInfo& s : DiscoverStreams(source->location()))
    AddPin(ComPtr<GstPinBase>::Adopt(new SplitterOutPin(this, std::move(s))));
}

void AviSplitterFilter::OnRemovedFromGraph() {
  for (auto& pin : pins())
    if (pin->direction() == PINDIR_OUTPUT && pin->peer()) pin->Unlink();
  GstFilterBase::OnRemovedFromGraph();
}

void AviSplitterFilter::Route(const std::string& padName, GstElement* queue) {
  std::lock_guard<std::mutex> lock(m_routesMutex);
  m_routes[padName] = ElementRef::Share(queue);
}

void AviSplitterFilter::Unroute(const std::string& padName) {
  ElementRef queue;
  {
    std::lock_guard<std::mutex> lock(m_routesMutex);
    auto it = m_routes.find(padName);
    if (it == m_routes.end()) return;
    queue = it->second;
    m_routes.erase(it);
  }
  gst_element_set_state(queue.get(), GST_STATE_NULL);
  if (auto parent = GstRef<GstObject>::Adopt(gst_object_get_parent(GST_OBJECT(queue.get()))))
    gst_bin_remove(GST_BIN(parent.get()), queue.get());
}

// Streaming thread: links the new pad to the queue its pin was connected to.
void AviSplitterFilter::OnPadAdded(GstElement*, GstPad* pad, gpointer self) {
  auto* splitter = static_cast<AviSplitterFilter*>(self);
  GCharPtr name(gst_pad_get_name(pad));
  std::lock_guard<std::mutex> lock(splitter->m_routesMutex);
  auto it = splitter->m_routes.find(name.get());
  if (it == splitter->m_routes.end()) return;
  PadRef sink = PadRef::Adopt(gst_element_get_static_pad(it->second.get(), "sink"));
  gst_pad_link(pad, sink.get());
}

}  // namespace platform::detail

#include "tests/support/FakeMediaGraph.h"

#include <algorithm>
#include <cstring>

#include "platform/base/String.h"

namespace fakegraph {

namespace {

struct ClassEntry {
  const CLSID* clsid;
  const char* kind;
};

const ClassEntry kClasses[] = {
    {&CLSID_AsyncReader, "source"}, {&CLSID_AviSplitter, "splitter"},         {&CLSID_VideoDecoder, "decoder"},
    {&CLSID_Colour, "converter"},   {&CLSID_VideoMixingRenderer, "renderer"}, {&CLSID_DSoundRender, "audio"},
    {&CLSID_AacDecoder, "aac"},     {&CLSID_BrightnessFilter, "brightness"},
};

std::vector<std::pair<PIN_DIRECTION, GUID>> PinsOf(const std::string& kind) {
  if (kind == "source") return {{PINDIR_OUTPUT, GUID_NULL}};
  if (kind == "splitter") {
    std::vector<std::pair<PIN_DIRECTION, GUID>> pins{{PINDIR_INPUT, GUID_NULL}};
    for (const GUID& g : TheWorld().splitterPins) pins.push_back({PINDIR_OUTPUT, g});
    return pins;
  }
  if (kind == "decoder" || kind == "converter")
    return {{PINDIR_INPUT, MEDIATYPE_Video}, {PINDIR_OUTPUT, MEDIATYPE_Video}};
  if (kind == "renderer") return {{PINDIR_INPUT, MEDIATYPE_Video}};
  if (kind == "audio") return {{PINDIR_INPUT, MEDIATYPE_Audio}};
  return {};
}

// Pins fit when their media types agree or one side takes anything.
HRESULT DefaultConnect(FakePin* out, FakePin* in) {
  if (out->m_major == in->m_major || in->m_major == GUID_NULL || out->m_major == GUID_NULL) return S_OK;
  return VFW_E_CANNOT_CONNECT;
}

}  // namespace

bool World::Logged(const std::string& s) const { return std::find(log.begin(), log.end(), s) != log.end(); }

int World::Count(const std::string& prefix) const {
  return static_cast<int>(
      std::count_if(log.begin(), log.end(), [&](const std::string& s) { return s.rfind(prefix, 0) == 0; }));
}

World& TheWorld() {
  static World world;
  return world;
}

void Install() {
  TheWorld() = World();
  TheWorld().splitterPins = {MEDIATYPE_Video, MEDIATYPE_Video, MEDIATYPE_Audio, MEDIATYPE_Text};
  platform::RegisterMediaClass(CLSID_FilterGraph, [] { return static_cast<IGraphBuilder*>(new FakeGraph()); });
  for (const ClassEntry& c : kClasses) {
    std::string kind = c.kind;
    platform::RegisterMediaClass(*c.clsid, [kind]() -> IUnknown* {
      auto& missing = TheWorld().missingClasses;
      if (std::find(missing.begin(), missing.end(), kind) != missing.end()) return nullptr;
      if (TheWorld().isMissing && TheWorld().isMissing(kind)) return nullptr;
      return static_cast<IBaseFilter*>(new FakeFilter(kind, PinsOf(kind)));
    });
  }
}

void Uninstall() { platform::RestoreAllMediaClasses(); }

FakePin::FakePin(FakeFilter* owner, PIN_DIRECTION dir, GUID major, int index)
    : m_owner(owner), m_dir(dir), m_major(major), m_index(index) {}

HRESULT FakePin::QueryInterface(REFIID riid, void** ppv) {
  if (riid == IID_IUnknown || riid == IID_IPin) return platform::AnswerInterface<IPin>(this, ppv);
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT FakePin::ConnectedTo(IPin** pin) {
  *pin = m_peer;
  if (!m_peer) return VFW_E_NOT_CONNECTED;
  m_peer->AddRef();
  return S_OK;
}

HRESULT FakePin::Disconnect() {
  m_peer = nullptr;
  return S_OK;
}

HRESULT FakePin::QueryDirection(PIN_DIRECTION* dir) {
  *dir = m_dir;
  return m_directionResult;
}

HRESULT FakePin::EnumMediaTypes(IEnumMediaTypes** types) {
  *types = new platform::MediaTypeEnumerator({m_major});
  return S_OK;
}

std::string FakePin::Name() const {
  return (m_owner ? m_owner->m_name : std::string("?")) + "#" + std::to_string(m_index);
}

FakeFilter::FakeFilter(std::string kind, std::vector<std::pair<PIN_DIRECTION, GUID>> pins) : m_kind(std::move(kind)) {
  int i = 0;
  for (auto& [dir, major] : pins) m_pins.push_back(new FakePin(this, dir, major, i++));
}

FakeFilter::~FakeFilter() {
  for (FakePin* p : m_pins) {
    p->m_owner = nullptr;
    p->Release();
  }
}

HRESULT FakeFilter::QueryInterface(REFIID riid, void** ppv) {
  if (riid == IID_IUnknown || riid == IID_IBaseFilter) return platform::AnswerInterface<IBaseFilter>(this, ppv);
  if (riid == IID_IFileSourceFilter && m_kind == "source")
    return platform::AnswerInterface<IFileSourceFilter>(this, ppv);
  if (riid == IID_IVMRFilterConfig && m_kind == "renderer")
    return platform::AnswerInterface<IVMRFilterConfig>(this, ppv);
  if (riid == IID_IVMRWindowlessControl && m_kind == "renderer")
    return platform::AnswerInterface<IVMRWindowlessControl>(this, ppv);
  if (riid == IID_IDecoderParameters && m_kind == "decoder")
    return platform::AnswerInterface<IDecoderParameters>(this, ppv);
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT FakeFilter::EnumPins(IEnumPins** pins) {
  std::vector<IPin*> list(m_pins.begin(), m_pins.end());
  *pins = new platform::PinEnumerator(std::move(list));
  return S_OK;
}

HRESULT FakeFilter::Load(LPCOLESTR, const AM_MEDIA_TYPE*) {
  TheWorld().Log("Load");
  return TheWorld().loadResult;
}

HRESULT FakeFilter::SetVideoPosition(const RECT*, const RECT* dest) {
  TheWorld().Log("SetVideoPosition " + m_name + " " + std::to_string(dest->right) + "x" + std::to_string(dest->bottom));
  return S_OK;
}

HRESULT FakeFilter::RepaintVideo(HWND, HDC) {
  TheWorld().Log("RepaintVideo " + m_name);
  return S_OK;
}

HRESULT FakeFilter::GetCurrentImage(BYTE** dib) {
  TheWorld().Log("GetCurrentImage " + m_name);
  if (TheWorld().image.empty()) return E_FAIL;
  *dib = static_cast<BYTE*>(CoTaskMemAlloc(TheWorld().image.size()));
  std::memcpy(*dib, TheWorld().image.data(), TheWorld().image.size());
  return S_OK;
}

HRESULT FakeFilter::put(int id, int value) {
  TheWorld().Log("put " + m_name + " " + std::to_string(id) + " " + std::to_string(value));
  return S_OK;
}

FakeGraph::~FakeGraph() {
  for (FakeFilter* f : m_filters) f->Release();
}

HRESULT FakeGraph::QueryInterface(REFIID riid, void** ppv) {
  if (riid == IID_IUnknown || riid == IID_IGraphBuilder) return platform::AnswerInterface<IGraphBuilder>(this, ppv);
  if (riid == IID_IFilterGraph) return platform::AnswerInterface<IFilterGraph>(this, ppv);
  if (riid == IID_IMediaControl) return platform::AnswerInterface<IMediaControl>(this, ppv);
  if (riid == IID_IMediaSeeking) return platform::AnswerInterface<IMediaSeeking>(this, ppv);
  if (riid == IID_IMediaEventEx) return platform::AnswerInterface<IMediaEventEx>(this, ppv);
  if (riid == IID_IBasicAudio) return platform::AnswerInterface<IBasicAudio>(this, ppv);
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT FakeGraph::AddFilter(IBaseFilter* filter, LPCWSTR name) {
  auto* f = dynamic_cast<FakeFilter*>(filter);
  if (!f) return E_INVALIDARG;
  f->m_name = name ? WideToUtf8(name) : f->m_kind;
  f->AddRef();
  m_filters.push_back(f);
  TheWorld().Log("AddFilter " + f->m_name);
  return S_OK;
}

HRESULT FakeGraph::RemoveFilter(IBaseFilter* filter) {
  auto it = std::find(m_filters.begin(), m_filters.end(), dynamic_cast<FakeFilter*>(filter));
  if (it == m_filters.end()) return VFW_E_NOT_FOUND;
  FakeFilter* f = *it;
  for (FakePin* p : f->m_pins) {
    if (p->m_peer) p->m_peer->m_peer = nullptr;
    p->m_peer = nullptr;
  }
  TheWorld().Log("RemoveFilter " + f->m_name);
  m_filters.erase(it);
  f->Release();
  return S_OK;
}

HRESULT FakeGraph::EnumFilters(IEnumFilters** filters) {
  std::vector<IBaseFilter*> list(m_filters.begin(), m_filters.end());
  *filters = new platform::FilterEnumerator(std::move(list));
  return S_OK;
}

HRESULT FakeGraph::Connect(IPin* out, IPin* in) {
  auto* o = dynamic_cast<FakePin*>(out);
  auto* i = dynamic_cast<FakePin*>(in);
  TheWorld().Log("Connect " + o->Name() + " " + i->Name());
  HRESULT hr = TheWorld().connect ? TheWorld().connect(o->Name(), i->Name()) : DefaultConnect(o, i);
  if (hr == S_OK) {
    o->m_peer = i;
    i->m_peer = o;
  }
  return hr;
}

HRESULT FakeGraph::SetPositions(LONGLONG* current, DWORD flags, LONGLONG*, DWORD stopFlags) {
  TheWorld().Log("SetPositions " + std::to_string(*current) + " " + std::to_string(flags) + " " +
                 std::to_string(stopFlags));
  TheWorld().position = *current;
  return S_OK;
}

HRESULT FakeGraph::GetCurrentPosition(LONGLONG* position) {
  *position = TheWorld().position;
  return S_OK;
}

HRESULT FakeGraph::GetDuration(LONGLONG* duration) {
  ++TheWorld().durationCalls;
  if (FAILED(TheWorld().durationResult)) return TheWorld().durationResult;
  *duration = TheWorld().duration;
  return S_OK;
}

HRESULT FakeGraph::SetRate(double rate) {
  TheWorld().Log("SetRate " + std::to_string(rate).substr(0, 4));
  TheWorld().rate = rate;
  return S_OK;
}

HRESULT FakeGraph::put_Volume(LONG volume) {
  TheWorld().Log("put_Volume " + std::to_string(volume));
  return S_OK;
}

HRESULT FakeGraph::put_Balance(LONG balance) {
  TheWorld().Log("put_Balance " + std::to_string(balance));
  return S_OK;
}

}  // namespace fakegraph

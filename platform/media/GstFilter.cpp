#include "platform/media/detail/GstFilter.h"

#include <cstring>

#include "platform/media/Enumerators.h"
#include "platform/media/detail/GstGraph.h"

namespace platform::detail {

GstPinBase::GstPinBase(GstFilterBase* owner, PIN_DIRECTION dir, const GUID& major)
    : m_owner(owner), m_dir(dir), m_major(major) {}

HRESULT GstPinBase::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IPin) return AnswerInterface<IPin>(this, ppv);
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT GstPinBase::ConnectedTo(IPin** pin) {
  if (!pin) return E_POINTER;
  *pin = m_peer;
  if (!m_peer) return VFW_E_NOT_CONNECTED;
  m_peer->AddRef();
  return S_OK;
}

HRESULT GstPinBase::Disconnect() {
  if (!m_peer) return S_FALSE;
  if (m_dir == PINDIR_OUTPUT) {
    Unlink();
  } else if (m_peer->m_peer == this) {
    m_peer->Unlink();
  }
  // The element link is gone now; the other end keeps its record until it disconnects too.
  m_peer = nullptr;
  return S_OK;
}

HRESULT GstPinBase::QueryDirection(PIN_DIRECTION* dir) {
  if (!dir) return E_POINTER;
  *dir = m_dir;
  return S_OK;
}

HRESULT GstPinBase::EnumMediaTypes(IEnumMediaTypes** types) {
  if (!types) return E_POINTER;
  *types = new MediaTypeEnumerator({m_major});
  return S_OK;
}

bool GstPinBase::LinkTo(GstPinBase* in) {
  GstPad* src = Pad();
  GstPad* sink = in->Pad();
  if (!src || !sink) return false;
  return GST_PAD_LINK_SUCCESSFUL(gst_pad_link(src, sink));
}

void GstPinBase::Unlink() {
  if (m_owner) m_owner->OnOutputUnlinked(this);
  GstPad* src = Pad();
  if (!src || !m_peer || !m_peer->Pad()) return;
  gst_pad_unlink(src, m_peer->Pad());
}

void GstPinBase::Join(GstPinBase* out, GstPinBase* in) {
  out->m_peer = in;
  in->m_peer = out;
  if (in->m_owner) in->m_owner->OnInputConnected(in);
}

GstStaticPin::GstStaticPin(GstFilterBase* owner, PIN_DIRECTION dir, const GUID& major, GstPad* pad)
    : GstPinBase(owner, dir, major), m_pad(PadRef::Share(pad)) {}

CapsPtr GstStaticPin::Caps() const { return CapsPtr(gst_pad_query_caps(m_pad.get(), nullptr)); }

GstFilterBase::GstFilterBase(ElementRef element) : m_element(std::move(element)) {}

GstFilterBase::~GstFilterBase() {
  for (auto& pin : m_pins) {
    if (pin->peer()) pin->Disconnect();
    pin->ForgetOwner();
  }
}

HRESULT GstFilterBase::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IBaseFilter) return AnswerInterface<IBaseFilter>(this, ppv);
  return QueryExtra(riid, ppv);
}

HRESULT GstFilterBase::EnumPins(IEnumPins** pins) {
  if (!pins) return E_POINTER;
  std::vector<IPin*> list;
  for (auto& p : m_pins) list.push_back(p.get());
  *pins = new PinEnumerator(std::move(list));
  return S_OK;
}

bool GstFilterBase::IsRenderer() const {
  bool inputs = false;
  for (auto& p : m_pins) {
    if (p->direction() == PINDIR_OUTPUT) return false;
    inputs = true;
  }
  return inputs;
}

void GstFilterBase::AddStaticPin(PIN_DIRECTION dir, const GUID& major, const char* padName) {
  PadRef pad = PadRef::Adopt(gst_element_get_static_pad(m_element.get(), padName));
  if (pad) AddPin(ComPtr<GstPinBase>::Adopt(new GstStaticPin(this, dir, major, pad.get())));
}

GUID MajorTypeOfCaps(const GstCaps* caps) {
  if (!caps || gst_caps_get_size(caps) == 0) return GUID_NULL;
  const char* name = gst_structure_get_name(gst_caps_get_structure(caps, 0));
  if (g_str_has_prefix(name, "video/") || g_str_has_prefix(name, "image/")) return MEDIATYPE_Video;
  if (g_str_has_prefix(name, "audio/")) return MEDIATYPE_Audio;
  return MEDIATYPE_Text;
}

bool CapsCompatible(const GstCaps* offered, const GstCaps* accepted) {
  if (!offered || !accepted) return false;
  return gst_caps_can_intersect(offered, accepted);
}

ElementRef MakeElement(const char* factory, const char* name) {
  return ElementRef::SinkFloating(gst_element_factory_make(factory, name));
}

ElementRef MakeChainBin(const char* name, std::initializer_list<GstElement*> elements) {
  bool complete = true;
  for (GstElement* e : elements) complete = complete && e;
  if (!complete) {
    for (GstElement* e : elements) ElementRef::SinkFloating(e);
    return {};
  }
  ElementRef bin = ElementRef::SinkFloating(gst_bin_new(name));
  GstElement* prev = nullptr;
  for (GstElement* e : elements) {
    gst_bin_add(GST_BIN(bin.get()), e);
    if (prev && !gst_element_link(prev, e)) return {};
    prev = e;
  }
  GstElement* first = *elements.begin();
  PadRef sink = PadRef::Adopt(gst_element_get_static_pad(first, "sink"));
  PadRef src = PadRef::Adopt(gst_element_get_static_pad(prev, "src"));
  if (sink) gst_element_add_pad(bin.get(), gst_ghost_pad_new("sink", sink.get()));
  if (src) gst_element_add_pad(bin.get(), gst_ghost_pad_new("src", src.get()));
  return bin;
}

}  // namespace platform::detail

#pragma once
// Filters over GStreamer: a filter owns one element (often a bin) and a fixed list of pins;
// a pin stands for one pad of that element. Pins of the splitter are special: their pads
// appear only while the graph runs, so they link through a queue when the pad is added.
#include <string>
#include <vector>

#include "platform/media/MediaInterfaces.h"
#include "platform/media/detail/GstRef.h"

namespace platform::detail {

class GstFilterBase;
class GstGraph;

class GstPinBase : public IPin, public RefCounted {
public:
  GstPinBase(GstFilterBase* owner, PIN_DIRECTION dir, const GUID& major);
  RODEMIR_IUNKNOWN_IMPL
  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  HRESULT ConnectedTo(IPin** pin) override;
  HRESULT Disconnect() override;
  HRESULT QueryDirection(PIN_DIRECTION* dir) override;
  HRESULT EnumMediaTypes(IEnumMediaTypes** types) override;

  PIN_DIRECTION direction() const { return m_dir; }
  GstFilterBase* owner() const { return m_owner; }
  GstPinBase* peer() const { return m_peer; }
  void ForgetOwner() { m_owner = nullptr; }

  // Caps this pin offers (output) or accepts (input).
  virtual CapsPtr Caps() const = 0;
  // The pad a peer links to, for pins that have one now.
  virtual GstPad* Pad() const { return nullptr; }
  // Output side: makes the element link to `in`. Both pins are unconnected.
  virtual bool LinkTo(GstPinBase* in);
  // Output side: undoes LinkTo.
  virtual void Unlink();

  // Records the connection on both ends once the element link exists.
  static void Join(GstPinBase* out, GstPinBase* in);

private:
  GstFilterBase* m_owner;
  PIN_DIRECTION m_dir;
  GUID m_major;
  GstPinBase* m_peer = nullptr;  // not owned; cleared on both ends by Disconnect
};

// A pin for an always-present pad of the filter's element.
class GstStaticPin : public GstPinBase {
public:
  GstStaticPin(GstFilterBase* owner, PIN_DIRECTION dir, const GUID& major, GstPad* pad);
  CapsPtr Caps() const override;
  GstPad* Pad() const override { return m_pad.get(); }

private:
  PadRef m_pad;
};

class GstFilterBase : public IBaseFilter, public RefCounted {
public:
  explicit GstFilterBase(ElementRef element);
  ~GstFilterBase() override;
  RODEMIR_IUNKNOWN_IMPL
  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  HRESULT Stop() override { return S_OK; }
  HRESULT EnumPins(IEnumPins** pins) override;

  GstElement* element() const { return m_element.get(); }
  GstGraph* graph() const { return m_graph; }
  const std::vector<ComPtr<GstPinBase>>& pins() const { return m_pins; }

  // The graph calls these as it adds, prepares and removes the filter.
  virtual void OnAddedToGraph(GstGraph* graph) { m_graph = graph; }
  virtual void OnRemovedFromGraph() { m_graph = nullptr; }
  // A filter with inputs and no outputs ends a branch.
  bool IsRenderer() const;
  // A filter that no branch needs is taken out of the running graph (it stays in the model).
  virtual bool KeepWhenUnused() const { return false; }
  // An input pin of this filter was just connected.
  virtual void OnInputConnected(GstPinBase* /*in*/) {}
  // An output pin is about to be unlinked.
  virtual void OnOutputUnlinked(GstPinBase* /*out*/) {}

protected:
  // Interfaces beyond IBaseFilter.
  virtual HRESULT QueryExtra(REFIID, void** ppv) {
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  void AddStaticPin(PIN_DIRECTION dir, const GUID& major, const char* padName);
  void AddPin(ComPtr<GstPinBase> pin) { m_pins.push_back(std::move(pin)); }

private:
  ElementRef m_element;
  std::vector<ComPtr<GstPinBase>> m_pins;
  GstGraph* m_graph = nullptr;
};

// Answers the major media type of caps: video, audio or text.
GUID MajorTypeOfCaps(const GstCaps* caps);
// Whether one of an output's caps can go into an input.
bool CapsCompatible(const GstCaps* offered, const GstCaps* accepted);

template <typename I>
ComPtr<I> QueryAs(IUnknown* u, REFIID iid) {
  ComPtr<I> out;
  if (u) u->QueryInterface(iid, out.ReceiveVoid());
  return out;
}

}  // namespace platform::detail

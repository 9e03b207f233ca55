#pragma once
// Scripted graph and filters, registered in the class table in place of the built-in ones,
// so the graph object's and the facade's logic runs without GStreamer. Every call lands in
// one log, in order.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/media/Enumerators.h"
#include "platform/media/MediaInterfaces.h"

namespace fakegraph {

struct World {
  std::vector<std::string> log;
  std::vector<GUID> splitterPins;                          // output pins of the splitter, in order
  std::vector<std::string> missingClasses;                 // class names whose creation fails
  std::function<bool(const std::string& kind)> isMissing;  // asked as well, when set
  std::function<HRESULT(const std::string& from, const std::string& to)> connect;
  HRESULT loadResult = S_OK;
  HRESULT durationResult = S_OK;
  LONGLONG position = 0;
  LONGLONG duration = 50000000;
  int durationCalls = 0;
  double rate = 1.0;
  std::vector<BYTE> image;  // what GetCurrentImage hands out; empty fails
  int freedImages = 0;

  void Log(const std::string& s) { log.push_back(s); }
  bool Logged(const std::string& s) const;
  int Count(const std::string& prefix) const;
};

World& TheWorld();
// Registers the fakes for every class id the graph object uses, with a fresh world.
void Install();
void Uninstall();

class FakeFilter;

class FakePin : public IPin, public platform::RefCounted {
public:
  FakePin(FakeFilter* owner, PIN_DIRECTION dir, GUID major, int index);
  RODEMIR_IUNKNOWN_IMPL
  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  HRESULT ConnectedTo(IPin** pin) override;
  HRESULT Disconnect() override;
  HRESULT QueryDirection(PIN_DIRECTION* dir) override;
  HRESULT EnumMediaTypes(IEnumMediaTypes** types) override;
  std::string Name() const;

  FakeFilter* m_owner;
  PIN_DIRECTION m_dir;
  GUID m_major;
  int m_index;
  FakePin* m_peer = nullptr;
  HRESULT m_directionResult = S_OK;
};

class FakeFilter : public IBaseFilter,
                   public IFileSourceFilter,
                   public IVMRFilterConfig,
                   public IVMRWindowlessControl,
                   public IDecoderParameters,
                   public platform::RefCounted {
public:
  FakeFilter(std::string kind, std::vector<std::pair<PIN_DIRECTION, GUID>> pins);
  ~FakeFilter() override;
  RODEMIR_IUNKNOWN_IMPL
  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  HRESULT Stop() override { return S_OK; }
  HRESULT EnumPins(IEnumPins** pins) override;
  HRESULT Load(LPCOLESTR, const AM_MEDIA_TYPE*) override;
  HRESULT SetRenderingMode(DWORD) override { return S_OK; }
  HRESULT SetRenderingPrefs(DWORD) override { return S_OK; }
  HRESULT SetVideoPosition(const RECT*, const RECT* dest) override;
  HRESULT SetVideoClippingWindow(HWND) override { return S_OK; }
  HRESULT SetAspectRatioMode(DWORD) override { return S_OK; }
  HRESULT RepaintVideo(HWND, HDC) override;
  HRESULT GetCurrentImage(BYTE** dib) override;
  // Decoders log "put <name> <id> <value>".
  HRESULT GetParamReserved(int, int*) override { return E_NOTIMPL; }
  HRESULT SetParamReserved(int, int) override { return E_NOTIMPL; }
  HRESULT put(int id, int value) override;

  std::string m_kind;
  std::string m_name;            // given by AddFilter
  std::vector<FakePin*> m_pins;  // owned references
};

class FakeGraph : public IGraphBuilder,
                  public IMediaControl,
                  public IMediaSeeking,
                  public IMediaEventEx,
                  public IBasicAudio,
                  public platform::RefCounted {
public:
  RODEMIR_IUNKNOWN_IMPL
  ~FakeGraph() override;
  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  HRESULT AddFilter(IBaseFilter* filter, LPCWSTR name) override;
  HRESULT RemoveFilter(IBaseFilter* filter) override;
  HRESULT EnumFilters(IEnumFilters** filters) override;
  HRESULT Connect(IPin* out, IPin* in) override;
  HRESULT Run() override {
    TheWorld().Log("Run");
    return S_OK;
  }
  HRESULT Pause() override {
    TheWorld().Log("Pause");
    return S_OK;
  }
  HRESULT Stop() override {
    TheWorld().Log("Stop");
    return S_OK;
  }
  HRESULT StopWhenReady() override {
    TheWorld().Log("StopWhenReady");
    return S_OK;
  }
  HRESULT SetPositions(LONGLONG* current, DWORD flags, LONGLONG*, DWORD stopFlags) override;
  HRESULT GetCurrentPosition(LONGLONG* position) override;
  HRESULT GetDuration(LONGLONG* duration) override;
  HRESULT SetRate(double rate) override;
  HRESULT GetRate(double* rate) override {
    *rate = TheWorld().rate;
    return S_OK;
  }
  HRESULT SetNotifyWindow(OAHWND, LONG, LONG_PTR) override {
    TheWorld().Log("SetNotifyWindow");
    return S_OK;
  }
  HRESULT put_Volume(LONG volume) override;
  HRESULT get_Volume(LONG*) override { return S_OK; }
  HRESULT put_Balance(LONG balance) override;

  std::vector<FakeFilter*> m_filters;  // owned references
};

}  // namespace fakegraph

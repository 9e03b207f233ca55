#include "media/DShowGraph.h"

#include <memory>

#include "platform/win/Paint.h"
#include "platform/win/Window.h"

using platform::ComPtr;

namespace {

constexpr int kMaxConnectAttempts = 3;

struct MediaTypeDelete {
  void operator()(AM_MEDIA_TYPE* pmt) const { DeleteMediaType(pmt); }
};
using MediaTypeOwner = std::unique_ptr<AM_MEDIA_TYPE, MediaTypeDelete>;

// Whether the pin goes in direction `want` and has no peer yet; a failed direction query is
// passed on.
HRESULT IsFreePin(IPin* pPin, PIN_DIRECTION want, bool* pbFree) {
  *pbFree = false;
  PIN_DIRECTION dir;
  HRESULT hr = pPin->QueryDirection(&dir);
  if (FAILED(hr)) return hr;
  if (dir != want) return S_OK;
  ComPtr<IPin> peer;
  *pbFree = pPin->ConnectedTo(peer.Receive()) != S_OK;
  return S_OK;
}

// Offers a free output pin to the free input pins of pTo in their order. The attempts are
// counted over the whole ConnectFilters. S_OK once connected, S_FALSE when no input took it,
// else the failure that ends the search.
HRESULT ConnectToFreeInput(IGraphBuilder* pGraph, IPin* pOut, IBaseFilter* pTo, int* pnAttempts) {
  ComPtr<IEnumPins> ins;
  HRESULT hr = pTo->EnumPins(ins.Receive());
  if (FAILED(hr)) return hr;
  ComPtr<IPin> in;
  while (ins->Next(1, in.Receive(), nullptr) == S_OK) {
    bool free = false;
    hr = IsFreePin(in.get(), PINDIR_INPUT, &free);
    if (FAILED(hr)) return hr;
    if (!free) continue;
    if ((*pnAttempts)++ == kMaxConnectAttempts) return E_FAIL;
    if (pGraph->Connect(pOut, in.get()) == S_OK) return S_OK;
  }
  return S_FALSE;
}

int CountVideoTypes(IEnumMediaTypes* pTypes) {
  int count = 0;
  AM_MEDIA_TYPE* pmt = nullptr;
  while (pTypes->Next(1, &pmt, nullptr) == S_OK) {
    MediaTypeOwner type(pmt);
    if (type->majortype == MEDIATYPE_Video) ++count;
  }
  return count;
}

}  // namespace

CDShowGraph::CDShowGraph(int nMode, HWND hWndVideo1, HWND hWndVideo2)
    : m_nMode(nMode), m_hWndVideo1(hWndVideo1), m_hWndVideo2(hWndVideo2), m_hrCoInit(CoInitialize(nullptr)) {}

CDShowGraph::~CDShowGraph() {
  m_hWndVideo1 = nullptr;
  m_hWndVideo2 = nullptr;
  TearDown();
  if (SUCCEEDED(m_hrCoInit)) CoUninitialize();
}

// A graph still held is torn down first, so that no filter reference is lost.
int CDShowGraph::ResetState(BYTE bOptions) {
  if (m_pGraphBuilder || m_pSourceFilter) TearDown();
  m_bOptions = bOptions;
  m_bInitialised = 1;
  PlayState = PLAY_STATE_NO_GRAPH;
  return 0;
}

HRESULT CDShowGraph::OpenFile(LPCWSTR pszFileName) {
  if (m_bPrepared) TearDown();
  if (m_pGraphBuilder) {
    // What a failed build left behind goes too, or the new graph would overwrite it.
    TearDown();
    PlayState = PLAY_STATE_NO_GRAPH;
  }
  if (!pszFileName) return S_FALSE;
  if (m_pSourceFilter) {
    m_pSourceFilter->Stop();
    m_pSourceFilter.Reset();
  }
  m_szFileName = pszFileName;
  HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                m_pGraphBuilder.ReceiveVoid());
  if (FAILED(hr)) return hr;
  hr = AddFilterByCLSID(m_pGraphBuilder.get(), CLSID_AsyncReader, L"File Source", m_pSourceFilter.Receive());
  if (FAILED(hr)) return hr;
  if (!m_pSourceFilter) return -1;
  ComPtr<IFileSourceFilter> load;
  hr = RequiredInterface(m_pSourceFilter.get(), IID_IFileSourceFilter, &load);
  if (FAILED(hr)) return hr;
  hr = load->Load(m_szFileName, nullptr);
  if (FAILED(hr)) return hr;
  hr = AddFilterByCLSID(m_pGraphBuilder.get(), CLSID_AviSplitter, L"Splitter", m_pSplitter.Receive());
  if (FAILED(hr)) return hr;
  hr = ConnectFilters(m_pGraphBuilder.get(), m_pSourceFilter.get(), m_pSplitter.get());
  if (FAILED(hr)) return hr;
  m_nVideoStreams = CountVideoStreams(m_pSplitter.get());
  if (m_nVideoStreams == 1) return BuildSingleVideoGraph();
  if (m_nVideoStreams == 2) return BuildDualVideoGraph();
  return E_FAIL;
}

HRESULT CDShowGraph::AddFilterByCLSID(IGraphBuilder* pGraph, REFCLSID clsid, LPCWSTR pszName, IBaseFilter** ppFilter) {
  if (!pGraph || !ppFilter) return E_POINTER;
  *ppFilter = nullptr;
  ComPtr<IBaseFilter> filter;
  HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter, filter.ReceiveVoid());
  if (FAILED(hr)) return hr;
  if (!filter) return -1;
  hr = pGraph->AddFilter(filter.get(), pszName);
  if (FAILED(hr)) return hr;
  *ppFilter = filter.Detach();
  return hr;
}

// Each free output pin of pFrom in turn is offered to the free input pins of pTo.
HRESULT CDShowGraph::ConnectFilters(IGraphBuilder* pGraph, IBaseFilter* pFrom, IBaseFilter* pTo) {
  if (!pGraph) return -1;
  if (!pFrom || !pTo) return E_POINTER;
  ComPtr<IEnumPins> outs;
  HRESULT hr = pFrom->EnumPins(outs.Receive());
  if (FAILED(hr)) return hr;
  int attempts = 0;
  ComPtr<IPin> out;
  while (outs->Next(1, out.Receive(), nullptr) == S_OK) {
    bool free = false;
    hr = IsFreePin(out.get(), PINDIR_OUTPUT, &free);
    if (FAILED(hr)) return hr;
    if (!free) continue;
    hr = ConnectToFreeInput(pGraph, out.get(), pTo, &attempts);
    if (hr != S_FALSE) return hr;
  }
  return E_FAIL;
}

// The video media types of the output pins; a failed query ends the count.
int CDShowGraph::CountVideoStreams(IBaseFilter* pFilter) {
  if (!pFilter) return 0;
  ComPtr<IEnumPins> pins;
  if (FAILED(pFilter->EnumPins(pins.Receive()))) return 0;
  int count = 0;
  ComPtr<IPin> pin;
  while (pins->Next(1, pin.Receive(), nullptr) == S_OK) {
    PIN_DIRECTION dir;
    if (FAILED(pin->QueryDirection(&dir))) break;
    if (dir != PINDIR_OUTPUT) continue;
    ComPtr<IEnumMediaTypes> types;
    if (FAILED(pin->EnumMediaTypes(types.Receive()))) break;
    count += CountVideoTypes(types.get());
  }
  return count;
}

HRESULT CDShowGraph::PlaceVideo(IBaseFilter* pRenderer, HWND hWnd) {
  ComPtr<IVMRWindowlessControl> control;
  HRESULT hr = RequiredInterface(pRenderer, IID_IVMRWindowlessControl, &control);
  if (FAILED(hr)) return hr;
  RECT rc{};
  ::GetClientRect(hWnd, &rc);
  control->SetVideoPosition(nullptr, &rc);
  HDC hdc = ::GetDC(hWnd);
  hr = control->RepaintVideo(hWnd, hdc);
  if (hdc) ::ReleaseDC(hWnd, hdc);
  return hr;
}

// A renderer that cannot be set up stops the build with a failure.
HRESULT CDShowGraph::SetUpRenderer(IBaseFilter* pRenderer, HWND hWnd) {
  ComPtr<IVMRFilterConfig> config;
  HRESULT hr = RequiredInterface(pRenderer, IID_IVMRFilterConfig, &config);
  if (FAILED(hr)) return hr;
  config->SetRenderingMode(VMRMode_Windowless);
  ComPtr<IVMRWindowlessControl> control;
  hr = RequiredInterface(pRenderer, IID_IVMRWindowlessControl, &control);
  if (FAILED(hr)) return hr;
  RECT rc{};
  ::GetClientRect(hWnd, &rc);
  control->SetVideoPosition(nullptr, &rc);
  control->SetVideoClippingWindow(hWnd);
  control->SetAspectRatioMode(VMR_ARMODE_NONE);
  config->SetRenderingPrefs(RenderPrefs_ForceOffscreen);
  return S_OK;
}

// The sound renderer is optional: without it the recording plays silently.
void CDShowGraph::AddAudioRenderer() {
  AddFilterByCLSID(m_pGraphBuilder.get(), CLSID_DSoundRender, L"DirectSound Audio Renderer",
                   m_pAudioRenderer.Receive());
}

HRESULT CDShowGraph::AddFilters(std::initializer_list<FilterStep> steps) {
  for (const FilterStep& s : steps) {
    HRESULT hr = AddFilterByCLSID(m_pGraphBuilder.get(), s.clsid, s.name, s.out->Receive());
    if (FAILED(hr)) return hr;
  }
  return S_OK;
}

// The decoded picture of one camera on to its renderer; the results are not examined.
void CDShowGraph::ConnectVideoBranch(IBaseFilter* pDecoder, IBaseFilter* pConverter, IBaseFilter* pRenderer) {
  ConnectFilters(m_pGraphBuilder.get(), pDecoder, pConverter);
  ConnectFilters(m_pGraphBuilder.get(), pConverter, pRenderer);
}

// A graph that fails to get ready would open and play nothing: the failure goes up, and the
// facade closes the graph.
HRESULT CDShowGraph::FinishBuild() {
  HRESULT hr = Prepare();
  if (FAILED(hr)) return hr;
  GetDuration(&m_llDuration);
  m_bPrepared = 1;
  return 0;
}

HRESULT CDShowGraph::BuildSingleVideoGraph() {
  AddAudioRenderer();
  HRESULT hr = AddFilters({{CLSID_VideoDecoder, L"FFDShow Decoder1", &m_pDecoder1},
                           {CLSID_Colour, L"Color Space Convertor 1", &m_pConverter1},
                           {CLSID_VideoMixingRenderer, L"Mixing Renderer9", &m_pRenderer1}});
  if (FAILED(hr)) return hr;
  hr = SetUpRenderer(m_pRenderer1.get(), m_hWndVideo1);
  if (FAILED(hr)) return hr;
  if (m_pAudioRenderer) ConnectFilters(m_pGraphBuilder.get(), m_pSplitter.get(), m_pAudioRenderer.get());
  ConnectFilters(m_pGraphBuilder.get(), m_pSplitter.get(), m_pDecoder1.get());
  ConnectVideoBranch(m_pDecoder1.get(), m_pConverter1.get(), m_pRenderer1.get());
  return FinishBuild();
}

HRESULT CDShowGraph::BuildDualVideoGraph() {
  if (m_nMode != 1 && m_nMode != 2) return 0;
  AddAudioRenderer();
  HRESULT hr = AddFilters({{CLSID_VideoDecoder, L"FFDShow Decoder1", &m_pDecoder1},
                           {CLSID_VideoDecoder, L"FFDShow Decoder2", &m_pDecoder2},
                           {CLSID_Colour, L"Color Space Convertor 1", &m_pConverter1},
                           {CLSID_Colour, L"Color Space Convertor 2", &m_pConverter2},
                           {CLSID_VideoMixingRenderer, L"Mixing Renderer9-1", &m_pRenderer1},
                           {CLSID_VideoMixingRenderer, L"Mixing Renderer9-2", &m_pRenderer2}});
  if (FAILED(hr)) return hr;
  hr = SetUpRenderer(m_pRenderer1.get(), m_hWndVideo1);
  if (FAILED(hr)) return hr;
  hr = SetUpRenderer(m_pRenderer2.get(), m_hWndVideo2);
  if (FAILED(hr)) return hr;
  if (m_pAudioRenderer) ConnectFilters(m_pGraphBuilder.get(), m_pSplitter.get(), m_pAudioRenderer.get());
  hr = ConnectFilters(m_pGraphBuilder.get(), m_pSplitter.get(), m_pDecoder1.get());
  if (hr != S_OK) return FAILED(hr) ? hr : E_FAIL;
  ConnectVideoBranch(m_pDecoder1.get(), m_pConverter1.get(), m_pRenderer1.get());
  ConnectFilters(m_pGraphBuilder.get(), m_pSplitter.get(), m_pDecoder2.get());
  ConnectVideoBranch(m_pDecoder2.get(), m_pConverter2.get(), m_pRenderer2.get());
  return FinishBuild();
}

HRESULT CDShowGraph::Prepare() {
  ComPtr<IMediaControl> control;
  HRESULT hr = GraphInterface(IID_IMediaControl, &control);
  if (FAILED(hr)) return hr;
  hr = control->StopWhenReady();
  if (FAILED(hr)) return hr;
  PlayState = PLAY_STATE_STOPPED;
  m_bPrepared = 1;
  return hr;
}

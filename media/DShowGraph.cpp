#include "media/DShowGraph.h"

#include "platform/win/Paint.h"
#include "platform/win/Window.h"

namespace {

constexpr int kMaxConnectAttempts = 3;

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
    SafeRelease(m_pSourceFilter);
  }
  m_szFileName = pszFileName;
  HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                reinterpret_cast<void**>(&m_pGraphBuilder));
  if (FAILED(hr)) return hr;
  hr = AddFilterByCLSID(m_pGraphBuilder, CLSID_AsyncReader, L"File Source", &m_pSourceFilter);
  if (FAILED(hr)) return hr;
  if (!m_pSourceFilter) return -1;
  IFileSourceFilter* pLoad = nullptr;
  hr = m_pSourceFilter->QueryInterface(IID_IFileSourceFilter, reinterpret_cast<void**>(&pLoad));
  if (FAILED(hr) || !pLoad) return FAILED(hr) ? hr : E_NOINTERFACE;
  hr = pLoad->Load(m_szFileName, nullptr);
  pLoad->Release();
  if (FAILED(hr)) return hr;
  hr = AddFilterByCLSID(m_pGraphBuilder, CLSID_AviSplitter, L"Splitter", &m_pSplitter);
  if (FAILED(hr)) return hr;
  hr = ConnectFilters(m_pGraphBuilder, m_pSourceFilter, m_pSplitter);
  if (FAILED(hr)) return hr;
  m_nVideoStreams = CountVideoStreams(m_pSplitter);
  if (m_nVideoStreams == 1) return BuildSingleVideoGraph();
  if (m_nVideoStreams == 2) return BuildDualVideoGraph();
  return E_FAIL;
}

HRESULT CDShowGraph::AddFilterByCLSID(IGraphBuilder* pGraph, REFCLSID clsid, LPCWSTR pszName, IBaseFilter** ppFilter) {
  if (!pGraph || !ppFilter) return E_POINTER;
  *ppFilter = nullptr;
  IBaseFilter* pFilter = nullptr;
  HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter, reinterpret_cast<void**>(&pFilter));
  if (FAILED(hr)) return hr;
  if (!pFilter) return -1;
  hr = pGraph->AddFilter(pFilter, pszName);
  if (FAILED(hr)) {
    pFilter->Release();
    return hr;
  }
  *ppFilter = pFilter;
  return hr;
}

HRESULT CDShowGraph::ConnectFilters(IGraphBuilder* pGraph, IBaseFilter* pFrom, IBaseFilter* pTo) {
  if (!pGraph) return -1;
  if (!pFrom || !pTo) return E_POINTER;
  IEnumPins* pOuts = nullptr;
  HRESULT hr = pFrom->EnumPins(&pOuts);
  if (FAILED(hr)) return hr;
  int attempts = 0;
  HRESULT result = E_FAIL;
  IPin* pOut = nullptr;
  bool done = false;
  while (!done && pOuts->Next(1, &pOut, nullptr) == S_OK) {
    PIN_DIRECTION dir;
    IPin* pPeer = nullptr;
    hr = pOut->QueryDirection(&dir);
    if (FAILED(hr)) {
      result = hr;
      done = true;
    } else if (dir == PINDIR_OUTPUT && pOut->ConnectedTo(&pPeer) != S_OK) {
      IEnumPins* pIns = nullptr;
      hr = pTo->EnumPins(&pIns);
      if (FAILED(hr)) {
        result = hr;
        done = true;
      }
      IPin* pIn = nullptr;
      while (!done && pIns->Next(1, &pIn, nullptr) == S_OK) {
        IPin* pInPeer = nullptr;
        hr = pIn->QueryDirection(&dir);
        if (FAILED(hr)) {
          result = hr;
          done = true;
        } else if (dir == PINDIR_INPUT && pIn->ConnectedTo(&pInPeer) != S_OK) {
          if (attempts++ == kMaxConnectAttempts) {
            result = E_FAIL;
            done = true;
          } else if (pGraph->Connect(pOut, pIn) == S_OK) {
            result = S_OK;
            done = true;
          }
        }
        SafeRelease(pInPeer);
        SafeRelease(pIn);
      }
      SafeRelease(pIns);
    }
    SafeRelease(pPeer);
    SafeRelease(pOut);
  }
  pOuts->Release();
  return result;
}

int CDShowGraph::CountVideoStreams(IBaseFilter* pFilter) {
  if (!pFilter) return 0;
  IEnumPins* pPins = nullptr;
  if (FAILED(pFilter->EnumPins(&pPins))) return 0;
  int count = 0;
  bool stop = false;
  IPin* pPin = nullptr;
  while (!stop && pPins->Next(1, &pPin, nullptr) == S_OK) {
    PIN_DIRECTION dir;
    IEnumMediaTypes* pTypes = nullptr;
    if (FAILED(pPin->QueryDirection(&dir))) {
      stop = true;
    } else if (dir == PINDIR_OUTPUT) {
      if (FAILED(pPin->EnumMediaTypes(&pTypes))) {
        stop = true;
      } else {
        AM_MEDIA_TYPE* pmt = nullptr;
        while (pTypes->Next(1, &pmt, nullptr) == S_OK) {
          if (pmt->majortype == MEDIATYPE_Video) ++count;
          DeleteMediaType(pmt);
        }
        pTypes->Release();
      }
    }
    SafeRelease(pPin);
  }
  pPins->Release();
  return count;
}

HRESULT CDShowGraph::PlaceVideo(IBaseFilter* pRenderer, HWND hWnd) {
  IVMRWindowlessControl* pControl = nullptr;
  HRESULT hr = pRenderer->QueryInterface(IID_IVMRWindowlessControl, reinterpret_cast<void**>(&pControl));
  if (FAILED(hr) || !pControl) return FAILED(hr) ? hr : E_NOINTERFACE;
  RECT rc{};
  ::GetClientRect(hWnd, &rc);
  pControl->SetVideoPosition(nullptr, &rc);
  HDC hdc = ::GetDC(hWnd);
  hr = pControl->RepaintVideo(hWnd, hdc);
  if (hdc) ::ReleaseDC(hWnd, hdc);
  pControl->Release();
  return hr;
}

// A renderer that cannot be set up stops the build with a failure.
HRESULT CDShowGraph::SetUpRenderer(IBaseFilter* pRenderer, HWND hWnd) {
  IVMRFilterConfig* pConfig = nullptr;
  HRESULT hr = pRenderer->QueryInterface(IID_IVMRFilterConfig, reinterpret_cast<void**>(&pConfig));
  if (FAILED(hr)) return hr;
  if (!pConfig) return E_NOINTERFACE;
  pConfig->SetRenderingMode(VMRMode_Windowless);
  IVMRWindowlessControl* pControl = nullptr;
  hr = pRenderer->QueryInterface(IID_IVMRWindowlessControl, reinterpret_cast<void**>(&pControl));
  if (FAILED(hr) || !pControl) {
    pConfig->Release();
    return FAILED(hr) ? hr : E_NOINTERFACE;
  }
  RECT rc{};
  ::GetClientRect(hWnd, &rc);
  pControl->SetVideoPosition(nullptr, &rc);
  pControl->SetVideoClippingWindow(hWnd);
  pControl->SetAspectRatioMode(VMR_ARMODE_NONE);
  pConfig->SetRenderingPrefs(RenderPrefs_ForceOffscreen);
  pControl->Release();
  pConfig->Release();
  return S_OK;
}

// The sound renderer is optional: without it the recording plays silently.
void CDShowGraph::AddAudioRenderer() {
  if (FAILED(AddFilterByCLSID(m_pGraphBuilder, CLSID_DSoundRender, L"DirectSound Audio Renderer", &m_pAudioRenderer)))
    m_pAudioRenderer = nullptr;
}

HRESULT CDShowGraph::AddFilters(std::initializer_list<FilterStep> steps) {
  for (const FilterStep& s : steps) {
    HRESULT hr = AddFilterByCLSID(m_pGraphBuilder, s.clsid, s.name, s.out);
    if (FAILED(hr)) return hr;
  }
  return S_OK;
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
  hr = SetUpRenderer(m_pRenderer1, m_hWndVideo1);
  if (FAILED(hr)) return hr;
  if (m_pAudioRenderer) ConnectFilters(m_pGraphBuilder, m_pSplitter, m_pAudioRenderer);
  ConnectFilters(m_pGraphBuilder, m_pSplitter, m_pDecoder1);
  ConnectFilters(m_pGraphBuilder, m_pDecoder1, m_pConverter1);
  ConnectFilters(m_pGraphBuilder, m_pConverter1, m_pRenderer1);
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
  hr = SetUpRenderer(m_pRenderer1, m_hWndVideo1);
  if (FAILED(hr)) return hr;
  hr = SetUpRenderer(m_pRenderer2, m_hWndVideo2);
  if (FAILED(hr)) return hr;
  if (m_pAudioRenderer) ConnectFilters(m_pGraphBuilder, m_pSplitter, m_pAudioRenderer);
  hr = ConnectFilters(m_pGraphBuilder, m_pSplitter, m_pDecoder1);
  if (hr != S_OK) return FAILED(hr) ? hr : E_FAIL;
  ConnectFilters(m_pGraphBuilder, m_pDecoder1, m_pConverter1);
  ConnectFilters(m_pGraphBuilder, m_pConverter1, m_pRenderer1);
  ConnectFilters(m_pGraphBuilder, m_pSplitter, m_pDecoder2);
  ConnectFilters(m_pGraphBuilder, m_pDecoder2, m_pConverter2);
  ConnectFilters(m_pGraphBuilder, m_pConverter2, m_pRenderer2);
  return FinishBuild();
}

HRESULT CDShowGraph::Prepare() {
  IMediaControl* pControl = nullptr;
  HRESULT hr = GraphInterface(IID_IMediaControl, &pControl);
  if (FAILED(hr)) return hr;
  hr = pControl->StopWhenReady();
  pControl->Release();
  if (FAILED(hr)) return hr;
  PlayState = PLAY_STATE_STOPPED;
  m_bPrepared = 1;
  return hr;
}

#include <algorithm>

#include "media/DShowGraph.h"

namespace {

constexpr float kMinRate = 0.5f;
constexpr float kMaxRate = 2.0f;
constexpr long kSilence = -10000;

}  // namespace

HRESULT CDShowGraph::Run() {
  if (!m_bInitialised) return -1;
  if (PlayState != PLAY_STATE_PAUSED && PlayState != PLAY_STATE_STOPPED) return VFW_E_WRONG_STATE;
  LONGLONG position = 0, duration = 0;
  if (GetCurrentPosition(&position) == S_OK && GetDuration(&duration) == S_OK && position == duration)
    SetPosition(0);
  IMediaSeeking* pSeeking = nullptr;
  HRESULT hr = GraphInterface(IID_IMediaSeeking, &pSeeking);
  if (FAILED(hr)) return hr;
  if (m_fRate == 1.0f) {
    pSeeking->SetRate(1.0);
  } else {
    m_fRate = std::clamp(m_fRate, kMinRate, kMaxRate);
    pSeeking->SetRate(m_fRate);
  }
  pSeeking->Release();
  IMediaControl* pControl = nullptr;
  hr = GraphInterface(IID_IMediaControl, &pControl);
  if (FAILED(hr)) return hr;
  pControl->Run();
  pControl->Release();
  PlayState = PLAY_STATE_RUNNING;
  IBasicAudio* pAudio = nullptr;
  hr = GraphInterface(IID_IBasicAudio, &pAudio);
  if (pAudio) {
    pAudio->put_Balance(0);
    pAudio->Release();
  }
  return hr;
}

HRESULT CDShowGraph::Pause() {
  if (!m_bInitialised) return -1;
  if (!m_pGraphBuilder) return E_FAIL;
  IMediaControl* pControl = nullptr;
  HRESULT hr = GraphInterface(IID_IMediaControl, &pControl);
  if (FAILED(hr)) return hr;
  pControl->Pause();
  pControl->Release();
  PlayState = PLAY_STATE_PAUSED;
  return hr;
}

HRESULT CDShowGraph::Stop() {
  if (!m_bInitialised) return -1;
  if (!IsRunningOrPaused(PlayState)) return VFW_E_WRONG_STATE;
  IMediaControl* pControl = nullptr;
  HRESULT hr = GraphInterface(IID_IMediaControl, &pControl);
  if (FAILED(hr)) return hr;
  pControl->Stop();
  pControl->Release();
  PlayState = PLAY_STATE_STOPPED;
  return hr;
}

HRESULT CDShowGraph::SetPosition(LONGLONG llPosition) {
  IMediaSeeking* pSeeking = nullptr;
  HRESULT hr = GraphInterface(IID_IMediaSeeking, &pSeeking);
  if (FAILED(hr)) return hr;
  // A seek the graph refused is reported, so a step or a slider move is not taken as done.
  hr = pSeeking->SetPositions(&llPosition, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
  pSeeking->Release();
  return hr;
}

HRESULT CDShowGraph::GetCurrentPosition(LONGLONG* pllPosition) {
  if (!pllPosition) return E_POINTER;
  *pllPosition = 0;
  if (!m_pGraphBuilder) return 0;
  IMediaSeeking* pSeeking = nullptr;
  HRESULT hr = GraphInterface(IID_IMediaSeeking, &pSeeking);
  if (FAILED(hr)) return hr;
  hr = pSeeking->GetCurrentPosition(pllPosition);
  pSeeking->Release();
  return hr;
}

HRESULT CDShowGraph::GetDuration(LONGLONG* pllDuration) {
  if (!pllDuration) return E_POINTER;
  if (!m_pGraphBuilder) {
    *pllDuration = 0;
    return 0;
  }
  if (m_llDuration != 0) {
    *pllDuration = m_llDuration;
    return 0;
  }
  IMediaSeeking* pSeeking = nullptr;
  HRESULT hr = GraphInterface(IID_IMediaSeeking, &pSeeking);
  if (FAILED(hr)) return hr;
  LONGLONG duration = 0;
  hr = pSeeking->GetDuration(&duration);
  pSeeking->Release();
  if (FAILED(hr)) return hr;
  m_llDuration = duration;
  *pllDuration = duration;
  return 0;
}

HRESULT CDShowGraph::SetVolume(long lVolume) {
  if (!m_pGraphBuilder) return 0;
  IBasicAudio* pAudio = nullptr;
  HRESULT hr = GraphInterface(IID_IBasicAudio, &pAudio);
  if (FAILED(hr)) return hr;
  pAudio->put_Volume(lVolume == 0 ? kSilence : lVolume);
  pAudio->Release();
  return hr;
}

HRESULT CDShowGraph::RepaintVideo(HDC hdc) {
  if (!m_pRenderer1) return 0;
  IVMRWindowlessControl* pControl = nullptr;
  HRESULT hr = m_pRenderer1->QueryInterface(IID_IVMRWindowlessControl, reinterpret_cast<void**>(&pControl));
  if (FAILED(hr) || !pControl) return FAILED(hr) ? hr : E_NOINTERFACE;
  hr = pControl->RepaintVideo(m_hWndVideo1, hdc);
  pControl->Release();
  return hr;
}

HRESULT CDShowGraph::UpdateVideoWindows() {
  HRESULT hr = 0;
  if (m_pRenderer1 && (m_nMode == 1 || m_nMode == 2)) hr = PlaceVideo(m_pRenderer1, m_hWndVideo1);
  if (m_pRenderer2 && m_nMode == 2) hr = PlaceVideo(m_pRenderer2, m_hWndVideo2);
  return hr;
}

HRESULT CDShowGraph::GetCurrentImage(int nIndex, BYTE** ppDib) {
  if (!ppDib) return E_POINTER;
  *ppDib = nullptr;
  IBaseFilter* pRenderer = nullptr;
  if (nIndex == 0) pRenderer = m_pRenderer1;
  else if (nIndex == 1 && m_nMode == 2) pRenderer = m_pRenderer2;
  if (!pRenderer) return E_FAIL;
  IVMRWindowlessControl* pControl = nullptr;
  HRESULT hr = pRenderer->QueryInterface(IID_IVMRWindowlessControl, reinterpret_cast<void**>(&pControl));
  if (FAILED(hr) || !pControl) return FAILED(hr) ? hr : E_NOINTERFACE;
  hr = pControl->GetCurrentImage(ppDib);
  pControl->Release();
  return hr;
}

int CDShowGraph::SetBrightness(int) { return 1; }

// The graph is brought to a full stop by the first removal, so nothing streams while
// filters go. Everything a reused object would report is cleared as well.
int CDShowGraph::TearDown() {
  PlayState = PLAY_STATE_NO_GRAPH;
  if (m_pGraphBuilder) {
    IMediaEventEx* pEvents = nullptr;
    if (SUCCEEDED(GraphInterface(IID_IMediaEventEx, &pEvents)) && pEvents) {
      pEvents->SetNotifyWindow(0, 0, 0);
      pEvents->Release();
    }
    PlayState = PLAY_STATE_STOPPED;
  }
  ReleaseFilters();
  if (m_pGraphBuilder) {
    RemoveUnconnectedFilters(m_pGraphBuilder);
    SafeRelease(m_pGraphBuilder);
  }
  m_llDuration = 0;
  m_bPrepared = 0;
  m_nVideoStreams = 0;
  return 0;
}

void CDShowGraph::ReleaseFilters() {
  IBaseFilter** order[] = {&m_pAudioRenderer, &m_pRenderer1, &m_pRenderer2, &m_pDecoder1, &m_pDecoder2,
                           &m_pConverter1, &m_pConverter2, &m_pSplitter, &m_pSourceFilter};
  for (IBaseFilter** pp : order) {
    if (!*pp) continue;
    if (m_pGraphBuilder) m_pGraphBuilder->RemoveFilter(*pp);
    SafeRelease(*pp);
  }
}

HRESULT CDShowGraph::FindPinByConnection(IBaseFilter* pFilter, bool bConnected, IPin** ppPin) {
  if (!pFilter || !ppPin) return E_POINTER;
  *ppPin = nullptr;
  IEnumPins* pPins = nullptr;
  HRESULT hr = pFilter->EnumPins(&pPins);
  if (FAILED(hr)) return hr;
  HRESULT result = VFW_E_NOT_FOUND;
  IPin* pPin = nullptr;
  while (result == VFW_E_NOT_FOUND && pPins->Next(1, &pPin, nullptr) == S_OK) {
    IPin* pPeer = nullptr;
    hr = pPin->ConnectedTo(&pPeer);
    SafeRelease(pPeer);
    if (FAILED(hr) && hr != VFW_E_NOT_CONNECTED) {
      result = hr;
    } else if ((hr == S_OK) == bConnected) {
      *ppPin = pPin;
      pPin = nullptr;
      result = S_OK;
    }
    SafeRelease(pPin);
  }
  pPins->Release();
  return result;
}

HRESULT CDShowGraph::RemoveUnconnectedFilters(IGraphBuilder* pGraph) {
  if (!pGraph) return E_POINTER;
  IEnumFilters* pFilters = nullptr;
  HRESULT hr = pGraph->EnumFilters(&pFilters);
  if (FAILED(hr)) return hr;
  IBaseFilter* pFilter = nullptr;
  HRESULT result = S_OK;
  while (result == S_OK && pFilters->Next(1, &pFilter, nullptr) == S_OK) {
    IPin* pPin = nullptr;
    hr = FindPinByConnection(pFilter, true, &pPin);
    SafeRelease(pPin);
    if (hr == VFW_E_NOT_FOUND) {
      IEnumPins* pPins = nullptr;
      if (SUCCEEDED(pFilter->EnumPins(&pPins))) {
        IPin* p = nullptr;
        while (pPins->Next(1, &p, nullptr) == S_OK) {
          IPin* pPeer = nullptr;
          if (p->ConnectedTo(&pPeer) == S_OK) pPeer->Disconnect();
          SafeRelease(pPeer);
          p->Disconnect();
          SafeRelease(p);
        }
        pPins->Release();
      }
      hr = pGraph->RemoveFilter(pFilter);
    }
    if (FAILED(hr)) result = hr;
    SafeRelease(pFilter);
  }
  pFilters->Release();
  return result;
}

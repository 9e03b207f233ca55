#include <algorithm>

#include "media/DShowGraph.h"

using platform::ComPtr;

namespace {

constexpr float kMinRate = 0.5f;
constexpr float kMaxRate = 2.0f;
constexpr long kSilence = -10000;

}  // namespace

HRESULT CDShowGraph::Run() {
  if (!m_bInitialised) return -1;
  if (PlayState != PLAY_STATE_PAUSED && PlayState != PLAY_STATE_STOPPED) return VFW_E_WRONG_STATE;
  LONGLONG position = 0, duration = 0;
  if (GetCurrentPosition(&position) == S_OK && GetDuration(&duration) == S_OK && position == duration) SetPosition(0);
  ComPtr<IMediaSeeking> seeking;
  HRESULT hr = GraphInterface(IID_IMediaSeeking, &seeking);
  if (FAILED(hr)) return hr;
  if (m_fRate == 1.0f) {
    seeking->SetRate(1.0);
  } else {
    m_fRate = std::clamp(m_fRate, kMinRate, kMaxRate);
    seeking->SetRate(m_fRate);
  }
  hr = ChangeState(&IMediaControl::Run, PLAY_STATE_RUNNING);
  if (FAILED(hr)) return hr;
  ComPtr<IBasicAudio> audio;
  hr = GraphInterface(IID_IBasicAudio, &audio);
  if (audio) audio->put_Balance(0);
  return hr;
}

HRESULT CDShowGraph::Pause() {
  if (!m_bInitialised) return -1;
  if (!m_pGraphBuilder) return E_FAIL;
  return ChangeState(&IMediaControl::Pause, PLAY_STATE_PAUSED);
}

HRESULT CDShowGraph::Stop() {
  if (!m_bInitialised) return -1;
  if (!IsRunningOrPaused(PlayState)) return VFW_E_WRONG_STATE;
  return ChangeState(&IMediaControl::Stop, PLAY_STATE_STOPPED);
}

// The call's own result is not examined; the state changes once the graph's control is had,
// and the result is that of having it.
HRESULT CDShowGraph::ChangeState(HRESULT (IMediaControl::*pCall)(), int nPlayState) {
  ComPtr<IMediaControl> control;
  HRESULT hr = GraphInterface(IID_IMediaControl, &control);
  if (FAILED(hr)) return hr;
  (control.get()->*pCall)();
  PlayState = nPlayState;
  return hr;
}

HRESULT CDShowGraph::SetPosition(LONGLONG llPosition) {
  ComPtr<IMediaSeeking> seeking;
  HRESULT hr = GraphInterface(IID_IMediaSeeking, &seeking);
  if (FAILED(hr)) return hr;
  // A seek the graph refused is reported, so a step or a slider move is not taken as done.
  return seeking->SetPositions(&llPosition, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
}

HRESULT CDShowGraph::GetCurrentPosition(LONGLONG* pllPosition) {
  if (!pllPosition) return E_POINTER;
  *pllPosition = 0;
  if (!m_pGraphBuilder) return 0;
  ComPtr<IMediaSeeking> seeking;
  HRESULT hr = GraphInterface(IID_IMediaSeeking, &seeking);
  if (FAILED(hr)) return hr;
  return seeking->GetCurrentPosition(pllPosition);
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
  ComPtr<IMediaSeeking> seeking;
  HRESULT hr = GraphInterface(IID_IMediaSeeking, &seeking);
  if (FAILED(hr)) return hr;
  LONGLONG duration = 0;
  hr = seeking->GetDuration(&duration);
  if (FAILED(hr)) return hr;
  m_llDuration = duration;
  *pllDuration = duration;
  return 0;
}

HRESULT CDShowGraph::SetVolume(long lVolume) {
  if (!m_pGraphBuilder) return 0;
  ComPtr<IBasicAudio> audio;
  HRESULT hr = GraphInterface(IID_IBasicAudio, &audio);
  if (FAILED(hr)) return hr;
  audio->put_Volume(lVolume == 0 ? kSilence : lVolume);
  return hr;
}

HRESULT CDShowGraph::RepaintVideo(HDC hdc) {
  if (!m_pRenderer1) return 0;
  ComPtr<IVMRWindowlessControl> control;
  HRESULT hr = RequiredInterface(m_pRenderer1.get(), IID_IVMRWindowlessControl, &control);
  if (FAILED(hr)) return hr;
  return control->RepaintVideo(m_hWndVideo1, hdc);
}

HRESULT CDShowGraph::UpdateVideoWindows() {
  HRESULT hr = 0;
  if (m_pRenderer1 && (m_nMode == 1 || m_nMode == 2)) hr = PlaceVideo(m_pRenderer1.get(), m_hWndVideo1);
  if (m_pRenderer2 && m_nMode == 2) hr = PlaceVideo(m_pRenderer2.get(), m_hWndVideo2);
  return hr;
}

HRESULT CDShowGraph::GetCurrentImage(int nIndex, BYTE** ppDib) {
  if (!ppDib) return E_POINTER;
  *ppDib = nullptr;
  IBaseFilter* pRenderer = nullptr;
  if (nIndex == 0) pRenderer = m_pRenderer1.get();
  else if (nIndex == 1 && m_nMode == 2) pRenderer = m_pRenderer2.get();
  if (!pRenderer) return E_FAIL;
  ComPtr<IVMRWindowlessControl> control;
  HRESULT hr = RequiredInterface(pRenderer, IID_IVMRWindowlessControl, &control);
  if (FAILED(hr)) return hr;
  return control->GetCurrentImage(ppDib);
}

int CDShowGraph::SetBrightness(int) { return 1; }

// The graph is brought to a full stop by the first removal, so nothing streams while
// filters go. Everything a reused object would report is cleared as well.
int CDShowGraph::TearDown() {
  PlayState = PLAY_STATE_NO_GRAPH;
  if (m_pGraphBuilder) {
    ComPtr<IMediaEventEx> events;
    if (SUCCEEDED(GraphInterface(IID_IMediaEventEx, &events)) && events) events->SetNotifyWindow(0, 0, 0);
    PlayState = PLAY_STATE_STOPPED;
  }
  ReleaseFilters();
  if (m_pGraphBuilder) {
    RemoveUnconnectedFilters(m_pGraphBuilder.get());
    m_pGraphBuilder.Reset();
  }
  m_llDuration = 0;
  m_bPrepared = 0;
  m_nVideoStreams = 0;
  return 0;
}

void CDShowGraph::ReleaseFilters() {
  ComPtr<IBaseFilter>* order[] = {&m_pAudioRenderer, &m_pRenderer1,  &m_pRenderer2, &m_pDecoder1,    &m_pDecoder2,
                                  &m_pConverter1,    &m_pConverter2, &m_pSplitter,  &m_pSourceFilter};
  for (ComPtr<IBaseFilter>* filter : order) {
    if (!*filter) continue;
    if (m_pGraphBuilder) m_pGraphBuilder->RemoveFilter(filter->get());
    filter->Reset();
  }
}

HRESULT CDShowGraph::FindPinByConnection(IBaseFilter* pFilter, bool bConnected, IPin** ppPin) {
  if (!pFilter || !ppPin) return E_POINTER;
  *ppPin = nullptr;
  ComPtr<IEnumPins> pins;
  HRESULT hr = pFilter->EnumPins(pins.Receive());
  if (FAILED(hr)) return hr;
  ComPtr<IPin> pin;
  while (pins->Next(1, pin.Receive(), nullptr) == S_OK) {
    ComPtr<IPin> peer;
    hr = pin->ConnectedTo(peer.Receive());
    if (FAILED(hr) && hr != VFW_E_NOT_CONNECTED) return hr;
    if ((hr == S_OK) == bConnected) {
      *ppPin = pin.Detach();
      return S_OK;
    }
  }
  return VFW_E_NOT_FOUND;
}

// Every pin of the filter loses its connection, on both sides.
void CDShowGraph::DisconnectPins(IBaseFilter* pFilter) {
  ComPtr<IEnumPins> pins;
  if (FAILED(pFilter->EnumPins(pins.Receive()))) return;
  ComPtr<IPin> pin;
  while (pins->Next(1, pin.Receive(), nullptr) == S_OK) {
    ComPtr<IPin> peer;
    if (pin->ConnectedTo(peer.Receive()) == S_OK) peer->Disconnect();
    pin->Disconnect();
  }
}

HRESULT CDShowGraph::RemoveUnconnectedFilters(IGraphBuilder* pGraph) {
  if (!pGraph) return E_POINTER;
  ComPtr<IEnumFilters> filters;
  HRESULT hr = pGraph->EnumFilters(filters.Receive());
  if (FAILED(hr)) return hr;
  ComPtr<IBaseFilter> filter;
  while (filters->Next(1, filter.Receive(), nullptr) == S_OK) {
    ComPtr<IPin> pin;
    hr = FindPinByConnection(filter.get(), true, pin.Receive());
    if (hr == VFW_E_NOT_FOUND) {
      DisconnectPins(filter.get());
      hr = pGraph->RemoveFilter(filter.get());
    }
    if (FAILED(hr)) return hr;
  }
  return S_OK;
}

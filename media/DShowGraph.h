#pragma once
// CDShowGraph: one filter graph for one opened recording, with one or two video panes and
// the sound. Positions and durations are in 100-ns units. UI thread only.
#include <initializer_list>

#include "platform/base/ComPtr.h"
#include "platform/base/String.h"
#include "platform/media/MediaInterfaces.h"

// PlayState, the graph's transport state.
constexpr int PLAY_STATE_RUNNING = 0;
constexpr int PLAY_STATE_PAUSED = 1;
constexpr int PLAY_STATE_STOPPED = 2;
constexpr int PLAY_STATE_NO_GRAPH = 3;

// The states in which a recording stands open at a position: it can step, seek and capture.
inline bool IsRunningOrPaused(int nPlayState) {
  return nPlayState == PLAY_STATE_RUNNING || nPlayState == PLAY_STATE_PAUSED;
}

class CDShowGraph {
public:
  CDShowGraph(int nMode, HWND hWndVideo1, HWND hWndVideo2);
  ~CDShowGraph();
  CDShowGraph(const CDShowGraph&) = delete;
  CDShowGraph& operator=(const CDShowGraph&) = delete;

  int ResetState(BYTE bOptions);
  HRESULT OpenFile(LPCWSTR pszFileName);
  HRESULT Run();
  HRESULT Pause();
  HRESULT Stop();
  HRESULT SetPosition(LONGLONG llPosition);
  HRESULT GetCurrentPosition(LONGLONG* pllPosition);
  HRESULT GetDuration(LONGLONG* pllDuration);
  HRESULT SetVolume(long lVolume);  // hundredths of a decibel; 0 means silence
  HRESULT RepaintVideo(HDC hdc);
  HRESULT UpdateVideoWindows();
  // index 0 front, 1 rear; *ppDib is freed by the caller with CoTaskMemFree.
  HRESULT GetCurrentImage(int nIndex, BYTE** ppDib);
  int SetBrightness(int nValue);
  int TearDown();

  // Graph helpers, also used on their own.
  static HRESULT ConnectFilters(IGraphBuilder* pGraph, IBaseFilter* pFrom, IBaseFilter* pTo);
  static HRESULT AddFilterByCLSID(IGraphBuilder* pGraph, REFCLSID clsid, LPCWSTR pszName, IBaseFilter** ppFilter);
  static int CountVideoStreams(IBaseFilter* pFilter);
  static HRESULT FindPinByConnection(IBaseFilter* pFilter, bool bConnected, IPin** ppPin);
  static HRESULT RemoveUnconnectedFilters(IGraphBuilder* pGraph);

  // Each filter member holds a reference of its own; the filter graph holds its own.
  platform::ComPtr<IGraphBuilder> m_pGraphBuilder;
  platform::ComPtr<IBaseFilter> m_pSourceFilter;
  platform::ComPtr<IBaseFilter> m_pSplitter;
  platform::ComPtr<IBaseFilter> m_pDecoder1;
  platform::ComPtr<IBaseFilter> m_pDecoder2;
  platform::ComPtr<IBaseFilter> m_pConverter1;
  platform::ComPtr<IBaseFilter> m_pConverter2;
  platform::ComPtr<IBaseFilter> m_pRenderer1;
  platform::ComPtr<IBaseFilter> m_pRenderer2;
  platform::ComPtr<IBaseFilter> m_pAudioRenderer;
  int m_nMode = 0;
  HWND m_hWndVideo1 = nullptr;
  HWND m_hWndVideo2 = nullptr;
  int m_bInitialised = 0;
  int PlayState = PLAY_STATE_NO_GRAPH;
  float m_fRate = 1.0f;
  int m_bPrepared = 0;
  LONGLONG m_llDuration = 0;  // 100-ns units; 0 = not read yet
  int m_nVideoStreams = 0;
  CString m_szFileName;  // any length
  BYTE m_bOptions = 0;   // stored; the two-window builds do not use it

private:
  // Without a filter graph every interface is missing, so callers fail instead of crashing.
  template <typename I>
  HRESULT GraphInterface(REFIID iid, platform::ComPtr<I>* p) {
    p->Reset();
    if (!m_pGraphBuilder) return E_POINTER;
    return m_pGraphBuilder->QueryInterface(iid, p->ReceiveVoid());
  }
  struct FilterStep {
    REFCLSID clsid;
    LPCWSTR name;
    platform::ComPtr<IBaseFilter>* out;
  };
  // The interface `iid` of pObject; an object that answers with nothing lacks it.
  template <typename I>
  static HRESULT RequiredInterface(IUnknown* pObject, REFIID iid, platform::ComPtr<I>* p) {
    HRESULT hr = pObject->QueryInterface(iid, p->ReceiveVoid());
    if (SUCCEEDED(hr) && !*p) return E_NOINTERFACE;
    return hr;
  }
  HRESULT ChangeState(HRESULT (IMediaControl::*pCall)(), int nPlayState);
  void AddAudioRenderer();
  HRESULT AddFilters(std::initializer_list<FilterStep> steps);
  void ConnectVideoBranch(IBaseFilter* pDecoder, IBaseFilter* pConverter, IBaseFilter* pRenderer);
  HRESULT FinishBuild();
  HRESULT SetUpRenderer(IBaseFilter* pRenderer, HWND hWnd);
  HRESULT PlaceVideo(IBaseFilter* pRenderer, HWND hWnd);
  HRESULT BuildSingleVideoGraph();
  HRESULT BuildDualVideoGraph();
  HRESULT Prepare();
  void ReleaseFilters();
  static void DisconnectPins(IBaseFilter* pFilter);

  HRESULT m_hrCoInit;
};

#pragma once
// CDShowGraph: one filter graph for one opened recording, with one or two video panes and
// the sound. Positions and durations are in 100-ns units. UI thread only.
#include <initializer_list>

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

  IGraphBuilder* m_pGraphBuilder = nullptr;
  IBaseFilter* m_pSourceFilter = nullptr;
  IBaseFilter* m_pSplitter = nullptr;
  IBaseFilter* m_pDecoder1 = nullptr;
  IBaseFilter* m_pDecoder2 = nullptr;
  IBaseFilter* m_pConverter1 = nullptr;
  IBaseFilter* m_pConverter2 = nullptr;
  IBaseFilter* m_pRenderer1 = nullptr;
  IBaseFilter* m_pRenderer2 = nullptr;
  IBaseFilter* m_pAudioRenderer = nullptr;
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
  HRESULT GraphInterface(REFIID iid, I** pp) {
    *pp = nullptr;
    if (!m_pGraphBuilder) return E_POINTER;
    return m_pGraphBuilder->QueryInterface(iid, reinterpret_cast<void**>(pp));
  }
  struct FilterStep {
    REFCLSID clsid;
    LPCWSTR name;
    IBaseFilter** out;
  };
  template <typename T>
  static void SafeRelease(T*& p) {
    if (p) {
      p->Release();
      p = nullptr;
    }
  }
  void AddAudioRenderer();
  HRESULT AddFilters(std::initializer_list<FilterStep> steps);
  HRESULT FinishBuild();
  HRESULT SetUpRenderer(IBaseFilter* pRenderer, HWND hWnd);
  HRESULT PlaceVideo(IBaseFilter* pRenderer, HWND hWnd);
  HRESULT BuildSingleVideoGraph();
  HRESULT BuildDualVideoGraph();
  HRESULT Prepare();
  void ReleaseFilters();

  HRESULT m_hrCoInit;
};

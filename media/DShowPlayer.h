#pragma once
// CDShowPlayer: the player window's handle on playback. Positions and durations in ms,
// steps in seconds, the rate as a float; the current graph object (100-ns units) is
// reachable through m_pGraph. UI thread only.
#include <memory>

#include "media/DShowGraph.h"
#include "platform/gdi/Bitmap.h"

class CDShowPlayer {
public:
  CDShowPlayer();
  ~CDShowPlayer();
  CDShowPlayer(const CDShowPlayer&) = delete;
  CDShowPlayer& operator=(const CDShowPlayer&) = delete;

  void Init(HWND hWndVideo1, HWND hWndVideo2);
  int Open(LPCWSTR pszPath);
  int Close();
  int Play();
  int Seek(int nMilliseconds);
  int SetRate(float fRate);
  int StepBackward(double dSeconds);
  int StepForward(double dSeconds);
  ULONGLONG GetPosition();  // ms
  ULONGLONG GetDuration();  // ms
  int SetDefaultVolume();
  // The picture of pane nIndex (0 front, 1 rear) as a 32-bit bitmap; the bitmap must be empty.
  int CaptureImage(int nIndex, CBitmap& bitmap);
  int CheckFilters();
  bool IsBrightnessFilterRegistered();

  int m_nMode = 0;
  HWND m_hWndVideo1 = nullptr;
  HWND m_hWndVideo2 = nullptr;
  std::unique_ptr<CDShowGraph> m_pGraph;  // the open recording's graph, or an empty one after Init
  BYTE m_bBrightnessFilters = 0;
};

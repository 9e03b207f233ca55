#pragma once
// The sensor samples of one recording: G-sensor and GPS records and their container.
#include "platform/base/Array.h"
#include "platform/base/Object.h"

class CGSensorData : public CObject {
public:
  CGSensorData() = default;
  // Each axis is clamped to -120..120; the time is kept as given.
  CGSensorData(int x, int y, int z, UINT time);
  CGSensorData(const CGSensorData&) = default;
  CGSensorData& operator=(const CGSensorData&) = default;

  int m_nX = 0;
  int m_nY = 0;
  int m_nZ = 0;
  UINT m_nTime = 0;  // ms since the recording's time base
};

class CGPSData : public CObject {
public:
  CGPSData() = default;
  CGPSData(const CGPSData&) = default;
  CGPSData& operator=(const CGPSData&) = default;

  int m_nReserved1 = 0;
  int m_nReserved2 = 0;
  int m_nReserved3 = 0;
  int m_nReserved4 = 0;
  int m_nReserved5 = 0;
  int m_nReserved6 = 0;
  int m_bValid = 0;  // 1 for a sample read from a recording
  double m_dCoord1 = 0.0;
  double m_dCoord2 = 0.0;  // sent to the map page first
  double m_dSpeed = 0.0;
  double m_dReserved = 0.0;
  int m_nReserved7 = 0;
  int m_nReserved8 = 0;
  UINT m_nTime = 0;  // ms since the recording's time base
};

// Filled by the sensor loader, read by the views; the owner's critical section guards both
// arrays while a loader may run.
class CTextData : public CObject {
public:
  CTextData();

  CArray<CGSensorData, CGSensorData&> m_arrGSensor;
  CArray<CGPSData, CGPSData&> m_arrGPS;
};

#include "media/TextData.h"

namespace {
int ClampAxis(int v) { return v <= -120 ? -120 : (v >= 120 ? 120 : v); }
}  // namespace

CGSensorData::CGSensorData(int x, int y, int z, UINT time)
    : m_nX(ClampAxis(x)), m_nY(ClampAxis(y)), m_nZ(ClampAxis(z)), m_nTime(time) {}

CTextData::CTextData() {
  m_arrGSensor.SetSize(1024, 10);
  m_arrGPS.SetSize(1024, 10);
}

#pragma once
// CPen: a solid line of a width in pixels, or the null pen that draws nothing.
#include "platform/gdi/GdiObject.h"

class CPen : public CGdiObject {
public:
  CPen() = default;
  CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
  operator HPEN() const { return reinterpret_cast<HPEN>(m_hObject); }
  static CPen* FromHandle(HPEN hPen);

  // Dashed and dotted styles draw solid.
  BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
  int GetLogPen(LOGPEN* pLogPen) const;
};

HPEN CreatePen(int iStyle, int cWidth, COLORREF color);

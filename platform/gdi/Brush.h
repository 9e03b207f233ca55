#pragma once
// CBrush: a solid fill colour, or the null brush that fills nothing.
#include "platform/gdi/GdiObject.h"

class CBrush : public CGdiObject {
public:
  CBrush() = default;
  explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
  operator HBRUSH() const { return reinterpret_cast<HBRUSH>(m_hObject); }
  static CBrush* FromHandle(HBRUSH hBrush);

  BOOL CreateSolidBrush(COLORREF crColor);
  BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush);
  int GetLogBrush(LOGBRUSH* pLogBrush) const;
};

HBRUSH CreateSolidBrush(COLORREF color);

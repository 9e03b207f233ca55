#include "platform/gdi/Pen.h"

#include <algorithm>

#include "platform/gdi/detail/GdiTable.h"

using namespace platform::detail;

CPen* CPen::FromHandle(HPEN hPen) { return static_cast<CPen*>(CGdiObject::FromHandle(ToGdi(hPen))); }

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
  return Attach(ToGdi(::CreatePen(nPenStyle, nWidth, crColor)));
}

int CPen::GetLogPen(LOGPEN* pLogPen) const { return GetObject(sizeof(LOGPEN), pLogPen); }

HPEN CreatePen(int iStyle, int cWidth, COLORREF color) {
  auto d = std::make_shared<GdiData>(GdiKind::Pen);
  d->penStyle = iStyle == PS_NULL ? PS_NULL : PS_SOLID;
  d->penWidth = std::max(1, cWidth);
  d->color = color & 0xFFFFFF;
  return reinterpret_cast<HPEN>(RegisterGdiObject(std::move(d)));
}

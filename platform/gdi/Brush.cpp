#include "platform/gdi/Brush.h"

#include "platform/gdi/detail/GdiTable.h"

using namespace platform::detail;

CBrush* CBrush::FromHandle(HBRUSH hBrush) { return static_cast<CBrush*>(CGdiObject::FromHandle(ToGdi(hBrush))); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return Attach(ToGdi(::CreateSolidBrush(crColor))); }

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) {
  if (!lpLogBrush) return FALSE;
  if (lpLogBrush->lbStyle == BS_NULL) return CreateStockObject(NULL_BRUSH);
  return CreateSolidBrush(lpLogBrush->lbColor);
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const { return GetObject(sizeof(LOGBRUSH), pLogBrush); }

HBRUSH CreateSolidBrush(COLORREF color) {
  auto d = std::make_shared<GdiData>(GdiKind::Brush);
  d->color = color & 0xFFFFFF;
  return reinterpret_cast<HBRUSH>(RegisterGdiObject(std::move(d)));
}

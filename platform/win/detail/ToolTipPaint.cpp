#include "platform/win/detail/ToolTipPaint.h"

#include "platform/gdi/DC.h"
#include "platform/win/Paint.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/ToolTipCtrl.h"
#include "platform/win/detail/ControlSupport.h"

namespace platform::detail {

namespace {

constexpr int kPadX = 4;
constexpr int kPadY = 2;

UINT Format(HWND hwnd) {
  UINT format = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
  if (GetWindowLong(hwnd, GWL_STYLE) & TTS_NOPREFIX) format |= DT_NOPREFIX;
  return format;
}

}  // namespace

CSize ToolTipSize(HWND hwnd, const std::wstring& text) {
  HDC hdc = GetDC(hwnd);
  CSize extent(0, 0);
  if (CDC* dc = CDC::FromHandle(hdc)) {
    SelectWindowFont(hwnd, *dc);
    extent = dc->GetTextExtent(text.c_str(), static_cast<int>(text.size()));
  }
  if (hdc) ReleaseDC(hwnd, hdc);
  return CSize(extent.cx + 2 * kPadX + 2, extent.cy + 2 * kPadY + 2);
}

void PaintToolTip(HWND hwnd, const std::wstring& text) {
  PaintControl(hwnd, [&](CDC& dc, const CRect& client) {
    dc.FillSolidRect(&client, GetSysColor(COLOR_INFOBK));
    dc.Draw3dRect(&client, GetSysColor(COLOR_INFOTEXT), GetSysColor(COLOR_INFOTEXT));
    SelectWindowFont(hwnd, dc);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_INFOTEXT));
    CRect rect = client;
    rect.DeflateRect(1 + kPadX, 1 + kPadY);
    dc.DrawText(text.c_str(), static_cast<int>(text.size()), &rect, Format(hwnd));
  });
}

}  // namespace platform::detail

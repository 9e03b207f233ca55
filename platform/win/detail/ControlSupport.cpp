#include "platform/win/detail/ControlSupport.h"

#include "platform/win/SystemMetrics.h"

namespace platform::detail {

void FillWithParentColour(HWND hwnd, UINT message, CDC& dc, const CRect& rect) {
  dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
  dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
  HBRUSH brush = nullptr;
  auto hdc = reinterpret_cast<WPARAM>(dc.GetSafeHdc());
  if (HWND parent = GetParent(hwnd))
    brush = reinterpret_cast<HBRUSH>(SendMessage(parent, message, hdc, reinterpret_cast<LPARAM>(hwnd)));
  if (brush) FillRect(dc.GetSafeHdc(), &rect, brush);
  else dc.FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
}

void SelectWindowFont(HWND hwnd, CDC& dc) {
  auto font = reinterpret_cast<HGDIOBJ>(SendMessage(hwnd, WM_GETFONT, 0, 0));
  if (font) dc.SelectObject(font);
}

std::wstring WindowText(HWND hwnd) {
  int length = GetWindowTextLength(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowText(hwnd, text.data(), length + 1)));
  return text;
}

void NotifyParent(HWND hwnd, UINT code) {
  if (HWND parent = GetParent(hwnd))
    SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), static_cast<WORD>(code)),
                reinterpret_cast<LPARAM>(hwnd));
}

}  // namespace platform::detail

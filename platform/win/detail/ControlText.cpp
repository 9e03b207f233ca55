#include "platform/win/detail/ControlText.h"

#include <algorithm>
#include <cwchar>

#include "platform/gdi/DC.h"
#include "platform/win/Paint.h"
#include "platform/win/Window.h"

namespace platform::detail {

CSize MeasureControlText(HWND hwnd, const wchar_t* text) {
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = nullptr;
  if (auto font = reinterpret_cast<HFONT>(SendMessage(hwnd, WM_GETFONT, 0, 0)))
    old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(font));
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)), &size);
  if (old) SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  return CSize(size.cx, std::max<LONG>(size.cy, 13));
}

}  // namespace platform::detail

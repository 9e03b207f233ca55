#pragma once
// The tip's plain look: the info colours, a one-pixel frame, the text on one line.
#include <string>

#include "platform/base/Geometry.h"
#include "platform/win/Window.h"

namespace platform::detail {

CSize ToolTipSize(HWND hwnd, const std::wstring& text);
void PaintToolTip(HWND hwnd, const std::wstring& text);

}  // namespace platform::detail

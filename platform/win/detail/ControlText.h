#pragma once
// Text measures of a control in the font it was given (WM_SETFONT), for sizing its parts.
#include "platform/base/Geometry.h"

namespace platform::detail {

// The extent of `text` in the control's font; at least 13 pixels high.
CSize MeasureControlText(HWND hwnd, const wchar_t* text);

}  // namespace platform::detail

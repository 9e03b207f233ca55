#pragma once
// Text measuring and drawing with pango on cairo, straight into a DC's surface.
#include <string>

#include "platform/base/Geometry.h"
#include "platform/gdi/GdiTypes.h"

namespace platform::detail {

struct DcState;

// Logical size of one text run in pixels (no prefix processing).
SIZE MeasureText(const LOGFONTW& font, const std::wstring& text);
// DrawText: returns the text height; with DT_CALCRECT fills in *rect instead of drawing.
int DrawTextInRect(DcState& dc, const LOGFONTW& font, const std::wstring& text, RECT* rect, UINT format);
// TextOut: text whose top-left is at the logical point.
bool DrawTextAt(DcState& dc, const LOGFONTW& font, const std::wstring& text, int x, int y);

}  // namespace platform::detail

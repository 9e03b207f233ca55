#include "platform/gdi/DC.h"
#include "platform/gdi/detail/DcState.h"
#include "platform/gdi/detail/TextLayout.h"

using namespace platform::detail;

namespace {

LOGFONTW FontOf(const DcState& st) {
  if (st.s.font.data && st.s.font.data->kind == GdiKind::Font) return st.s.font.data->font;
  LOGFONTW lf;
  lf.lfHeight = 16;
  return lf;
}

std::wstring TextOf(LPCWSTR s, int n) {
  if (!s) return std::wstring();
  return n < 0 ? std::wstring(s) : std::wstring(s, static_cast<size_t>(n));
}

}  // namespace

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
  return DrawTextInRect(state(), FontOf(state()), str.str(), lpRect, nFormat);
}

int CDC::DrawText(LPCWSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
  return DrawTextInRect(state(), FontOf(state()), TextOf(lpszString, nCount), lpRect, nFormat);
}

BOOL CDC::TextOut(int x, int y, const CString& str) { return DrawTextAt(state(), FontOf(state()), str.str(), x, y); }

BOOL CDC::TextOut(int x, int y, LPCWSTR lpszString, int nCount) {
  return DrawTextAt(state(), FontOf(state()), TextOf(lpszString, nCount), x, y);
}

CSize CDC::GetTextExtent(const CString& str) const { return MeasureText(FontOf(state()), str.str()); }

CSize CDC::GetTextExtent(LPCWSTR lpszString, int nCount) const {
  return MeasureText(FontOf(state()), TextOf(lpszString, nCount));
}

#include "platform/win/Theme.h"

#include <algorithm>
#include <cwctype>
#include <memory>
#include <set>
#include <string>

#include "platform/gdi/DC.h"
#include "platform/win/detail/ButtonGlyph.h"

struct HTHEME__ {
  std::wstring className;
};

namespace {

std::set<HTHEME>& OpenThemes() {
  static std::set<HTHEME> open;
  return open;
}

bool IsKnownClass(std::wstring name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return name == L"button";
}

bool IsOpen(HTHEME theme) { return theme && OpenThemes().count(theme) != 0; }

bool IsGlyphPart(int part) { return part == BP_CHECKBOX || part == BP_RADIOBUTTON; }

platform::detail::GlyphLook LookOf(int part, int state) {
  platform::detail::GlyphLook look;
  look.radio = part == BP_RADIOBUTTON;
  int group = (state - 1) / 4;  // unchecked, checked, mixed
  int kind = (state - 1) % 4;   // normal, hot, pressed, disabled
  look.check = static_cast<UINT>(group);
  look.pushed = kind == 2;
  look.disabled = kind == 3;
  return look;
}

}  // namespace

BOOL IsAppThemed() { return TRUE; }
BOOL IsThemeActive() { return TRUE; }

HTHEME OpenThemeData(HWND, LPCWSTR pszClassList) {
  if (!pszClassList) return nullptr;
  std::wstring list = pszClassList;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = std::min(list.find(L';', start), list.size());
    std::wstring name = list.substr(start, end - start);
    if (IsKnownClass(name)) {
      HTHEME theme = new HTHEME__{name};
      OpenThemes().insert(theme);
      return theme;
    }
    start = end + 1;
  }
  return nullptr;
}

HRESULT CloseThemeData(HTHEME hTheme) {
  if (!IsOpen(hTheme)) return E_INVALIDARG;
  OpenThemes().erase(hTheme);
  delete hTheme;
  return S_OK;
}

HRESULT GetThemePartSize(HTHEME hTheme, HDC, int iPartId, int, LPCRECT, THEMESIZE, SIZE* psz) {
  if (!IsOpen(hTheme) || !psz) return E_INVALIDARG;
  if (!IsGlyphPart(iPartId)) return E_NOTIMPL;
  psz->cx = psz->cy = platform::detail::kGlyphSize;
  return S_OK;
}

HRESULT DrawThemeBackground(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCRECT pRect, LPCRECT pClipRect) {
  CDC* dc = CDC::FromHandle(hdc);
  if (!IsOpen(hTheme) || !dc || !pRect) return E_INVALIDARG;
  if (!IsGlyphPart(iPartId) || iStateId < 1 || iStateId > 12) return E_NOTIMPL;
  CDCStateRestorer restore(dc);
  if (pClipRect) dc->IntersectClipRect(pClipRect);
  const int size = platform::detail::kGlyphSize;
  CPoint topLeft(pRect->left + (pRect->right - pRect->left - size) / 2,
                 pRect->top + (pRect->bottom - pRect->top - size) / 2);
  platform::detail::DrawButtonGlyph(*dc, topLeft, LookOf(iPartId, iStateId));
  return S_OK;
}

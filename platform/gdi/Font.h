#pragma once
// CFont: a logical font. Faces are resolved through the fontconfig file shipped in the
// resource folder; a positive height is the cell height (ascent + descent) in pixels, a
// negative one the em height.
#include "platform/gdi/GdiObject.h"

class CDC;

class CFont : public CGdiObject {
public:
  operator HFONT() const { return reinterpret_cast<HFONT>(m_hObject); }
  static CFont* FromHandle(HFONT hFont);

  BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);
  BOOL CreateFontIndirectW(const LOGFONTW* lpLogFont) { return CreateFontIndirect(lpLogFont); }
  BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                  BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                  BYTE nQuality, BYTE nPitchAndFamily, LPCWSTR lpszFacename);
  BOOL CreateFontW(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                   BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                   BYTE nQuality, BYTE nPitchAndFamily, LPCWSTR lpszFacename) {
    return CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, cStrikeOut, nCharSet,
                      nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, lpszFacename);
  }
  // nPointSize in tenths of a point at 96 pixels per inch.
  BOOL CreatePointFont(int nPointSize, LPCWSTR lpszFaceName, CDC* pDC = nullptr);
  int GetLogFont(LOGFONTW* pLogFont) const;
};

HFONT CreateFontIndirectW(const LOGFONTW* lplf);
HFONT CreateFontW(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                  DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision, DWORD iClipPrecision,
                  DWORD iQuality, DWORD iPitchAndFamily, LPCWSTR pszFaceName);

#pragma once
// CDC: a device context drawing into a Surface through an origin and a clip rectangle.
// The window layer makes the window kinds (CPaintDC, CClientDC, CWindowDC) by attaching a
// window's surface; memory DCs draw into the surface of the bitmap selected into them.
//
// Logical to surface pixels: surface = logical - window origin + viewport origin + origin.
#include <memory>

#include "platform/base/Geometry.h"
#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Surface.h"

namespace platform::detail {
struct DcState;
}

class CDC : public CObject {
public:
  CDC();
  ~CDC() override;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // Draws into `surface`: logical (0, 0) is `origin` in surface pixels, and nothing outside
  // `clip` (surface pixels) is touched. The surface must outlive the attachment. Resets
  // the origins, the extra clipping and the current position; selections stay.
  void AttachSurface(platform::Surface* surface, POINT origin, const RECT& clip);
  void DetachSurface();
  platform::Surface* GetSurface() const;

  static CDC* FromHandle(HDC hDC);
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }

  // Makes this object another name for hDC's context (as for a DRAWITEMSTRUCT's DC).
  BOOL Attach(HDC hDC);
  HDC Detach();

  // Memory DCs.
  BOOL CreateCompatibleDC(CDC* pDC);
  BOOL DeleteDC();

  int SaveDC();
  // nSavedDC: a value SaveDC returned, or negative for that many steps back.
  BOOL RestoreDC(int nSavedDC);

  // Selection returns the previous object of the same kind (null on failure).
  CBitmap* SelectObject(CBitmap* pBitmap);
  CFont* SelectObject(CFont* pFont);
  CBrush* SelectObject(CBrush* pBrush);
  CPen* SelectObject(CPen* pPen);
  CGdiObject* SelectObject(CGdiObject* pObject);
  HGDIOBJ SelectObject(HGDIOBJ hObject);
  CGdiObject* SelectStockObject(int nIndex);
  CGdiObject* GetCurrentObject(UINT nObjectType) const;
  CFont* GetCurrentFont() const;
  CBitmap* GetCurrentBitmap() const;

  // Attributes.
  COLORREF SetTextColor(COLORREF crColor);
  COLORREF GetTextColor() const;
  COLORREF SetBkColor(COLORREF crColor);
  COLORREF GetBkColor() const;
  int SetBkMode(int nBkMode);
  int GetBkMode() const;
  int SetStretchBltMode(int nStretchMode);
  int GetStretchBltMode() const;

  // Coordinates and clipping.
  CPoint SetWindowOrg(int x, int y);
  CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
  CPoint GetWindowOrg() const;
  CPoint OffsetWindowOrg(int nWidth, int nHeight);
  CPoint SetViewportOrg(int x, int y);
  CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
  CPoint GetViewportOrg() const;
  CPoint OffsetViewportOrg(int nWidth, int nHeight);
  int GetClipBox(LPRECT lpRect) const;
  int IntersectClipRect(int x1, int y1, int x2, int y2);
  int IntersectClipRect(LPCRECT lpRect) {
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  BOOL PtVisible(int x, int y) const;
  BOOL IsPrinting() const { return FALSE; }

  // Blits. Source pixels outside the source surface leave the destination untouched.
  // Stretching samples the nearest source pixel in every stretch mode.
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
  BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth, int nSrcHeight,
                  DWORD dwRop);
  // Copies every source pixel whose colour differs from crTransparent (exact RGB match).
  BOOL TransparentBlt(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc, int ySrc,
                      int nSrcWidth, int nSrcHeight, UINT crTransparent);
  BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);

  // Fills and shapes.
  void FillRect(LPCRECT lpRect, CBrush* pBrush);
  void FillSolidRect(LPCRECT lpRect, COLORREF color);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
  void FrameRect(LPCRECT lpRect, CBrush* pBrush);
  void InvertRect(LPCRECT lpRect);
  void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
  BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
  void DrawFocusRect(LPCRECT lpRect);
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
  // Draws with the pen up to, not including, the end point, which becomes current.
  BOOL LineTo(int x, int y);
  BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
  CPoint GetCurrentPosition() const;
  BOOL Polyline(const POINT* lpPoints, int nCount);
  // Outline with the pen, inside with the brush; right and bottom excluded.
  BOOL Rectangle(int x1, int y1, int x2, int y2);
  BOOL Rectangle(LPCRECT lpRect) { return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
  COLORREF GetPixel(int x, int y) const;
  COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
  COLORREF SetPixel(int x, int y, COLORREF crColor);
  BOOL SetPixelV(int x, int y, COLORREF crColor) { return SetPixel(x, y, crColor) != CLR_INVALID; }

  // Text with the selected font.
  int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
  int DrawText(LPCWSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
  BOOL TextOut(int x, int y, const CString& str);
  BOOL TextOut(int x, int y, LPCWSTR lpszString, int nCount);
  CSize GetTextExtent(const CString& str) const;
  CSize GetTextExtent(LPCWSTR lpszString, int nCount) const;
  CSize GetOutputTextExtent(const CString& str) const { return GetTextExtent(str); }

  HDC m_hDC = nullptr;

private:
  platform::detail::DcState& state() const { return *m_state; }
  friend struct platform::detail::DcState;

  HDC m_ownHdc = nullptr;
  std::shared_ptr<platform::detail::DcState> m_state;
  std::shared_ptr<platform::detail::DcState> m_ownState;
};

// Restores, when it goes out of scope, everything a drawing step changes in a DC: its
// selections, colours, modes, origins and clipping.
class CDCStateRestorer {
public:
  explicit CDCStateRestorer(CDC* pDC) : m_pDC(pDC), m_nSaved(pDC ? pDC->SaveDC() : 0) {}
  ~CDCStateRestorer() {
    if (m_pDC && m_nSaved) m_pDC->RestoreDC(m_nSaved);
  }
  CDCStateRestorer(const CDCStateRestorer&) = delete;
  CDCStateRestorer& operator=(const CDCStateRestorer&) = delete;

private:
  CDC* m_pDC;
  int m_nSaved;
};

// Selects one object for the lifetime of the scope and puts the previous one back.
class CSelectObjectScope {
public:
  CSelectObjectScope(CDC* pDC, CGdiObject* pObject)
      : m_pDC(pDC), m_hOld(pDC && pObject ? pDC->SelectObject(pObject->m_hObject) : nullptr) {}
  ~CSelectObjectScope() {
    if (m_pDC && m_hOld) m_pDC->SelectObject(m_hOld);
  }
  CSelectObjectScope(const CSelectObjectScope&) = delete;
  CSelectObjectScope& operator=(const CSelectObjectScope&) = delete;

private:
  CDC* m_pDC;
  HGDIOBJ m_hOld;
};

// The handle forms, through CDC::FromHandle. An unknown DC fails.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int nSavedDC);
BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
                int hSrc, DWORD rop);
BOOL TransparentBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
                    int hSrc, UINT crTransparent);
BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop);
int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags);
BOOL DrawFocusRect(HDC hDC, const RECT* lprc);
BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL LineTo(HDC hdc, int x, int y);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);
int SetStretchBltMode(HDC hdc, int mode);
BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
int GetClipBox(HDC hdc, LPRECT lprect);
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
COLORREF GetPixel(HDC hdc, int x, int y);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
int DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format);
inline int DrawText(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  return DrawTextW(hdc, lpchText, cchText, lprc, format);
}
BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c);
BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, SIZE* psizl);
inline BOOL GetTextExtentPoint32(HDC hdc, LPCWSTR lpString, int c, SIZE* psizl) {
  return GetTextExtentPoint32W(hdc, lpString, c, psizl);
}

// The handle forms of the drawing calls: each finds the CDC behind the handle.
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/gdi/DC.h"

namespace {

// Memory DCs made by CreateCompatibleDC(HDC), owned until DeleteDC.
std::unordered_map<HDC, std::unique_ptr<CDC>>& MemoryDCs() {
  static auto* dcs = new std::unordered_map<HDC, std::unique_ptr<CDC>>;
  return *dcs;
}
std::mutex g_memoryMutex;

}  // namespace

HDC CreateCompatibleDC(HDC hdc) {
  auto dc = std::make_unique<CDC>();
  if (!dc->CreateCompatibleDC(CDC::FromHandle(hdc))) return nullptr;
  HDC h = dc->GetSafeHdc();
  std::lock_guard<std::mutex> lock(g_memoryMutex);
  MemoryDCs()[h] = std::move(dc);
  return h;
}

BOOL DeleteDC(HDC hdc) {
  std::unique_ptr<CDC> dc;
  {
    std::lock_guard<std::mutex> lock(g_memoryMutex);
    auto it = MemoryDCs().find(hdc);
    if (it == MemoryDCs().end()) return FALSE;
    dc = std::move(it->second);
    MemoryDCs().erase(it);
  }
  return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->SelectObject(h) : nullptr;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
  CDC* dc = CDC::FromHandle(hdc);
  CGdiObject* obj = dc ? dc->GetCurrentObject(type) : nullptr;
  return obj ? obj->m_hObject : nullptr;
}

int SaveDC(HDC hdc) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->SaveDC() : 0;
}

BOOL RestoreDC(HDC hdc, int nSavedDC) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->RestoreDC(nSavedDC) : FALSE;
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->BitBlt(x, y, cx, cy, CDC::FromHandle(hdcSrc), x1, y1, rop) : FALSE;
}

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
                int hSrc, DWORD rop) {
  CDC* dc = CDC::FromHandle(hdcDest);
  return dc ? dc->StretchBlt(xDest, yDest, wDest, hDest, CDC::FromHandle(hdcSrc), xSrc, ySrc, wSrc, hSrc, rop) : FALSE;
}

BOOL TransparentBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                    int wSrc, int hSrc, UINT crTransparent) {
  CDC* dc = CDC::FromHandle(hdcDest);
  return dc ? dc->TransparentBlt(xDest, yDest, wDest, hDest, CDC::FromHandle(hdcSrc), xSrc, ySrc, wSrc, hSrc,
                                 crTransparent)
            : FALSE;
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->PatBlt(x, y, w, h, rop) : FALSE;
}

int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  CDC* dc = CDC::FromHandle(hDC);
  CBrush* brush = CBrush::FromHandle(hbr);
  if (!dc || !brush || !lprc) return 0;
  dc->FillRect(lprc, brush);
  return 1;
}

BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->DrawEdge(qrc, edge, grfFlags) : FALSE;
}

BOOL DrawFocusRect(HDC hDC, const RECT* lprc) {
  CDC* dc = CDC::FromHandle(hDC);
  if (!dc || !lprc) return FALSE;
  dc->DrawFocusRect(lprc);
  return TRUE;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
  CDC* dc = CDC::FromHandle(hdc);
  if (!dc) return FALSE;
  CPoint old = dc->MoveTo(x, y);
  if (lppt) *lppt = old;
  return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->LineTo(x, y) : FALSE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->Rectangle(left, top, right, bottom) : FALSE;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->SetTextColor(color) : CLR_INVALID;
}

COLORREF GetTextColor(HDC hdc) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->GetTextColor() : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->SetBkColor(color) : CLR_INVALID;
}

COLORREF GetBkColor(HDC hdc) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->GetBkColor() : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->SetBkMode(mode) : 0;
}

int GetBkMode(HDC hdc) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->GetBkMode() : 0;
}

int SetStretchBltMode(HDC hdc, int mode) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->SetStretchBltMode(mode) : 0;
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  CDC* dc = CDC::FromHandle(hdc);
  if (!dc) return FALSE;
  CPoint old = dc->SetWindowOrg(x, y);
  if (lppt) *lppt = old;
  return TRUE;
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  CDC* dc = CDC::FromHandle(hdc);
  if (!dc) return FALSE;
  CPoint old = dc->SetViewportOrg(x, y);
  if (lppt) *lppt = old;
  return TRUE;
}

int GetClipBox(HDC hdc, LPRECT lprect) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->GetClipBox(lprect) : ERROR;
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->IntersectClipRect(left, top, right, bottom) : ERROR;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->GetPixel(x, y) : CLR_INVALID;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->SetPixel(x, y, color) : CLR_INVALID;
}

int DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->DrawText(lpchText, cchText, lprc, format) : 0;
}

BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? dc->TextOut(x, y, lpString, c) : FALSE;
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, SIZE* psizl) {
  CDC* dc = CDC::FromHandle(hdc);
  if (!dc || !psizl) return FALSE;
  *psizl = dc->GetTextExtent(lpString, c);
  return TRUE;
}

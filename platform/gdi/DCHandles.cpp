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

// Runs f on the CDC behind hdc, or gives `failure` for an unknown handle.
template <typename R, typename F>
R OnDC(HDC hdc, R failure, F&& f) {
  CDC* dc = CDC::FromHandle(hdc);
  return dc ? static_cast<R>(f(*dc)) : failure;
}

// The "Ex" forms hand back the previous point when asked.
BOOL ReportOld(CPoint old, LPPOINT lppt) {
  if (lppt) *lppt = old;
  return TRUE;
}

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
  return OnDC(hdc, HGDIOBJ{}, [&](CDC& dc) { return dc.SelectObject(h); });
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
  CDC* dc = CDC::FromHandle(hdc);
  CGdiObject* obj = dc ? dc->GetCurrentObject(type) : nullptr;
  return obj ? obj->m_hObject : nullptr;
}

int SaveDC(HDC hdc) {
  return OnDC(hdc, 0, [&](CDC& dc) { return dc.SaveDC(); });
}

BOOL RestoreDC(HDC hdc, int nSavedDC) {
  return OnDC(hdc, FALSE, [&](CDC& dc) { return dc.RestoreDC(nSavedDC); });
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  CDC* src = CDC::FromHandle(hdcSrc);
  return OnDC(hdc, FALSE, [&](CDC& dc) { return dc.BitBlt(x, y, cx, cy, src, x1, y1, rop); });
}

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
                int hSrc, DWORD rop) {
  CDC* src = CDC::FromHandle(hdcSrc);
  return OnDC(hdcDest, FALSE,
              [&](CDC& dc) { return dc.StretchBlt(xDest, yDest, wDest, hDest, src, xSrc, ySrc, wSrc, hSrc, rop); });
}

BOOL TransparentBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
                    int hSrc, UINT crTransparent) {
  CDC* src = CDC::FromHandle(hdcSrc);
  return OnDC(hdcDest, FALSE, [&](CDC& dc) {
    return dc.TransparentBlt(xDest, yDest, wDest, hDest, src, xSrc, ySrc, wSrc, hSrc, crTransparent);
  });
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  return OnDC(hdc, FALSE, [&](CDC& dc) { return dc.PatBlt(x, y, w, h, rop); });
}

int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  CDC* dc = CDC::FromHandle(hDC);
  CBrush* brush = CBrush::FromHandle(hbr);
  if (!dc || !brush || !lprc) return 0;
  dc->FillRect(lprc, brush);
  return 1;
}

BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
  return OnDC(hdc, FALSE, [&](CDC& dc) { return dc.DrawEdge(qrc, edge, grfFlags); });
}

BOOL DrawFocusRect(HDC hDC, const RECT* lprc) {
  CDC* dc = CDC::FromHandle(hDC);
  if (!dc || !lprc) return FALSE;
  dc->DrawFocusRect(lprc);
  return TRUE;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
  return OnDC(hdc, FALSE, [&](CDC& dc) { return ReportOld(dc.MoveTo(x, y), lppt); });
}

BOOL LineTo(HDC hdc, int x, int y) {
  return OnDC(hdc, FALSE, [&](CDC& dc) { return dc.LineTo(x, y); });
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  return OnDC(hdc, FALSE, [&](CDC& dc) { return dc.Rectangle(left, top, right, bottom); });
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
  return OnDC(hdc, CLR_INVALID, [&](CDC& dc) { return dc.SetTextColor(color); });
}

COLORREF GetTextColor(HDC hdc) {
  return OnDC(hdc, CLR_INVALID, [&](CDC& dc) { return dc.GetTextColor(); });
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
  return OnDC(hdc, CLR_INVALID, [&](CDC& dc) { return dc.SetBkColor(color); });
}

COLORREF GetBkColor(HDC hdc) {
  return OnDC(hdc, CLR_INVALID, [&](CDC& dc) { return dc.GetBkColor(); });
}

int SetBkMode(HDC hdc, int mode) {
  return OnDC(hdc, 0, [&](CDC& dc) { return dc.SetBkMode(mode); });
}

int GetBkMode(HDC hdc) {
  return OnDC(hdc, 0, [&](CDC& dc) { return dc.GetBkMode(); });
}

int SetStretchBltMode(HDC hdc, int mode) {
  return OnDC(hdc, 0, [&](CDC& dc) { return dc.SetStretchBltMode(mode); });
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  return OnDC(hdc, FALSE, [&](CDC& dc) { return ReportOld(dc.SetWindowOrg(x, y), lppt); });
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  return OnDC(hdc, FALSE, [&](CDC& dc) { return ReportOld(dc.SetViewportOrg(x, y), lppt); });
}

int GetClipBox(HDC hdc, LPRECT lprect) {
  return OnDC(hdc, ERROR, [&](CDC& dc) { return dc.GetClipBox(lprect); });
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  return OnDC(hdc, ERROR, [&](CDC& dc) { return dc.IntersectClipRect(left, top, right, bottom); });
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  return OnDC(hdc, CLR_INVALID, [&](CDC& dc) { return dc.GetPixel(x, y); });
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  return OnDC(hdc, CLR_INVALID, [&](CDC& dc) { return dc.SetPixel(x, y, color); });
}

int DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  return OnDC(hdc, 0, [&](CDC& dc) { return dc.DrawText(lpchText, cchText, lprc, format); });
}

BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c) {
  return OnDC(hdc, FALSE, [&](CDC& dc) { return dc.TextOut(x, y, lpString, c); });
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, SIZE* psizl) {
  CDC* dc = CDC::FromHandle(hdc);
  if (!dc || !psizl) return FALSE;
  *psizl = dc->GetTextExtent(lpString, c);
  return TRUE;
}

#include "platform/gdi/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/DC.h"
#include "platform/gdi/detail/GdiTable.h"
#include "platform/gdi/detail/ResourceBitmaps.h"

using namespace platform::detail;

namespace {

std::shared_ptr<platform::Surface> SurfaceOf(HGDIOBJ h) {
  GdiDataPtr d = LookupGdiObject(h, GdiKind::Bitmap);
  return d ? d->surface : nullptr;
}

HBITMAP RegisterSurface(std::shared_ptr<platform::Surface> surface) {
  auto d = std::make_shared<GdiData>(GdiKind::Bitmap);
  d->surface = std::move(surface);
  return reinterpret_cast<HBITMAP>(RegisterGdiObject(std::move(d)));
}

}  // namespace

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) { return static_cast<CBitmap*>(CGdiObject::FromHandle(ToGdi(hBitmap))); }

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
  HBITMAP h = ::LoadBitmapW(nullptr, MAKEINTRESOURCEW(nIDResource));
  return h ? Attach(ToGdi(h)) : FALSE;
}

BOOL CBitmap::LoadBitmap(LPCWSTR lpszResourceName) {
  HBITMAP h = ::LoadBitmapW(nullptr, lpszResourceName);
  return h ? Attach(ToGdi(h)) : FALSE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  HBITMAP h = ::CreateCompatibleBitmap(pDC ? pDC->GetSafeHdc() : nullptr, nWidth, nHeight);
  return h ? Attach(ToGdi(h)) : FALSE;
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits) {
  HBITMAP h = ::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits);
  return h ? Attach(ToGdi(h)) : FALSE;
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const { return GetObject(sizeof(BITMAP), pBitMap); }

CSize CBitmap::GetBitmapDimension() const {
  auto s = SurfaceOf(m_hObject);
  return s ? CSize(s->width(), s->height()) : CSize();
}

DWORD CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const {
  auto s = SurfaceOf(m_hObject);
  if (!s || !lpBits) return 0;
  DWORD n = std::min<DWORD>(dwCount, static_cast<DWORD>(s->stride()) * static_cast<DWORD>(s->height()));
  std::memcpy(lpBits, s->pixels(), n);
  return n;
}

DWORD CBitmap::SetBitmapBits(DWORD dwCount, const void* lpBits) {
  auto s = SurfaceOf(m_hObject);
  if (!s || !lpBits) return 0;
  DWORD n = std::min<DWORD>(dwCount, static_cast<DWORD>(s->stride()) * static_cast<DWORD>(s->height()));
  std::memcpy(s->pixels(), lpBits, n);
  return n;
}

HBITMAP CreateCompatibleBitmap(HDC, int cx, int cy) {
  if (cx <= 0 || cy <= 0) return nullptr;
  return RegisterSurface(std::make_shared<platform::Surface>(cx, cy));
}

HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
  if (nWidth <= 0 || nHeight <= 0 || nPlanes != 1 || nBitCount != 32) return nullptr;
  auto s = std::make_shared<platform::Surface>(nWidth, nHeight);
  if (lpBits) {
    const auto* src = static_cast<const uint32_t*>(lpBits);
    size_t n = static_cast<size_t>(nWidth) * static_cast<size_t>(nHeight);
    for (size_t i = 0; i < n; ++i) s->pixels()[i] = src[i] & 0xFFFFFF;
  }
  return RegisterSurface(std::move(s));
}

HBITMAP LoadBitmapW(HINSTANCE, LPCWSTR lpBitmapName) {
  auto number = reinterpret_cast<ULONG_PTR>(lpBitmapName);
  if (number >> 16) return nullptr;  // bitmaps are named by number only
  auto pixels = LoadResourceBitmap(static_cast<UINT>(number));
  if (!pixels) return nullptr;
  return RegisterSurface(std::make_shared<platform::Surface>(*pixels));
}

#pragma once
// CBitmap: a 32-bit device-dependent bitmap. Rows are top-down, pixels B, G, R, x.
// LoadBitmap reads the skin resource with the numeric id from the build's resource folder.
#include "platform/base/System.h"
#include "platform/gdi/GdiObject.h"

class CDC;

class CBitmap : public CGdiObject {
public:
  operator HBITMAP() const { return reinterpret_cast<HBITMAP>(m_hObject); }
  static CBitmap* FromHandle(HBITMAP hBitmap);

  BOOL LoadBitmap(UINT nIDResource);
  BOOL LoadBitmap(LPCWSTR lpszResourceName);
  BOOL LoadBitmapW(UINT nIDResource) { return LoadBitmap(nIDResource); }
  // Zero-filled (black) pixels.
  BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
  // Only 32 bits per pixel; lpBits (may be null) holds nHeight top-down rows of nWidth * 4 bytes.
  BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
  int GetBitmap(BITMAP* pBitMap) const;
  CSize GetBitmapDimension() const;
  DWORD GetBitmapBits(DWORD dwCount, LPVOID lpBits) const;
  DWORD SetBitmapBits(DWORD dwCount, const void* lpBits);
};

// Integer resource names, as the class library passes them.
#ifndef MAKEINTRESOURCEW
#define MAKEINTRESOURCEW(i) (reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))
#endif
#ifndef MAKEINTRESOURCE
#define MAKEINTRESOURCE MAKEINTRESOURCEW
#endif

// hInstance is ignored: every bitmap lives in the one resource folder. Null when the id
// has no bitmap.
HBITMAP LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName);
inline HBITMAP LoadBitmap(HINSTANCE hInstance, LPCWSTR lpBitmapName) { return LoadBitmapW(hInstance, lpBitmapName); }
HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits);
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);

namespace platform {
// The folder bitmaps are loaded from: RODEMIR_RES_DIR/bitmaps unless overridden (tests).
CString BitmapResourceFolder();
void SetBitmapResourceFolder(const CString& folder);
}  // namespace platform

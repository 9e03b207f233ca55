#pragma once
// CImage: a 32-bit image over a bitmap handle, saved as a JPEG file.
#include "platform/base/Result.h"
#include "platform/base/String.h"
#include "platform/gdi/GdiTypes.h"

namespace Gdiplus {
// Image file formats for CImage::Save.
struct ImageFormatId {
  int value;
  bool operator==(ImageFormatId other) const { return value == other.value; }
};
inline constexpr ImageFormatId ImageFormatUndefined{0};
inline constexpr ImageFormatId ImageFormatJPEG{1};
}  // namespace Gdiplus

class CImage {
public:
  CImage() = default;
  ~CImage();
  CImage(const CImage&) = delete;
  CImage& operator=(const CImage&) = delete;

  // Only 32 bits per pixel; black pixels.
  BOOL Create(int nWidth, int nHeight, int nBPP, DWORD dwFlags = 0);
  // Takes a bitmap handle; the image deletes it on Destroy unless detached first.
  void Attach(HBITMAP hBitmap);
  HBITMAP Detach();
  void Destroy();
  bool IsNull() const { return m_hBitmap == nullptr; }
  operator HBITMAP() const { return m_hBitmap; }
  int GetWidth() const;
  int GetHeight() const;
  int GetBPP() const { return IsNull() ? 0 : 32; }
  // The pixels: top row first, GetPitch() bytes apart, bytes B, G, R, x.
  void* GetBits();
  int GetPitch() const;
  COLORREF GetPixel(int x, int y) const;
  void SetPixel(int x, int y, COLORREF color);

  // Writes a JPEG file (quality 90). With ImageFormatUndefined the name must end in
  // ".jpg" or ".jpeg". The file appears under its name only when complete. Fails with
  // the path error when the folder is missing, E_ACCESSDENIED when it cannot be written.
  HRESULT Save(LPCWSTR pszFileName, Gdiplus::ImageFormatId guidFileType = Gdiplus::ImageFormatUndefined) const;

private:
  HBITMAP m_hBitmap = nullptr;
};

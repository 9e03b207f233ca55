#pragma once
// CDC: a device context drawing into a Surface through an origin and a clip rectangle.
// The window layer makes the window kinds (CPaintDC, CClientDC, CWindowDC) by attaching a
// window's surface; memory DCs own a bitmap's surface.
#include "platform/base/Geometry.h"
#include "platform/base/Object.h"
#include "platform/gdi/Surface.h"

class CDC : public CObject {
public:
  CDC();
  ~CDC() override;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // Draws into `surface`: logical (0, 0) is `origin` in surface pixels, and nothing outside
  // `clip` (surface pixels) is touched. The surface must outlive the attachment.
  void AttachSurface(platform::Surface* surface, POINT origin, const RECT& clip);
  void DetachSurface();
  platform::Surface* GetSurface() const { return m_surface; }

  static CDC* FromHandle(HDC hDC);
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }

  void FillSolidRect(const RECT* rect, COLORREF color);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
  COLORREF GetPixel(int x, int y) const;

  HDC m_hDC = nullptr;

protected:
  platform::Surface* m_surface = nullptr;
  POINT m_origin{};  // logical (0, 0) in surface pixels
  RECT m_clip{};     // surface pixels
};

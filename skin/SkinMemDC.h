#pragma once
// CSkinMemDC: an off-screen image of a client rectangle whose top-left corner is (0, 0).
// Callers draw on it; destroying it copies the image to the target in one blit.
#include <memory>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"

class CSkinMemDC : public CDC {
public:
  CSkinMemDC(const CRect& rect, CDC* pTarget);
  ~CSkinMemDC() override;
  CSkinMemDC(const CSkinMemDC&) = delete;
  CSkinMemDC& operator=(const CSkinMemDC&) = delete;

private:
  std::unique_ptr<CBitmap> m_pBitmap;
  CBitmap* m_pOldBitmap = nullptr;
  CDC* m_pTarget;
  CRect m_rect;
};

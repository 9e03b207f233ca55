#pragma once
// CMyMemDC: an off-screen context over a target. Callers draw with the target's own
// coordinates; only the target's clip box is covered, and it is copied to the target in
// one blit when the object goes.
#include "platform/gdi/DC.h"

class CMyMemDC : public CDC {
public:
  explicit CMyMemDC(CDC* pDC);
  ~CMyMemDC() override;
  CMyMemDC(const CMyMemDC&) = delete;
  CMyMemDC& operator=(const CMyMemDC&) = delete;

  CMyMemDC* operator->() { return this; }
  operator CMyMemDC*() { return this; }

private:
  CBitmap m_bitmap;
  CBitmap* m_oldBitmap = nullptr;
  CDC* m_pDC;
  CRect m_rect;
  BOOL m_bMemDC;
};

#include "skin/SkinMemDC.h"

CSkinMemDC::CSkinMemDC(const CRect& rect, CDC* pTarget)
    : m_pBitmap(std::make_unique<CBitmap>()), m_pTarget(pTarget), m_rect(rect) {
  CreateCompatibleDC(pTarget);
  m_pBitmap->CreateCompatibleBitmap(pTarget, m_rect.Width(), m_rect.Height());
  m_pOldBitmap = SelectObject(m_pBitmap.get());
}

CSkinMemDC::~CSkinMemDC() {
  if (m_pTarget)
    m_pTarget->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top, SRCCOPY);
  if (m_pOldBitmap) SelectObject(m_pOldBitmap);
  m_pBitmap->DeleteObject();
  DeleteDC();
}

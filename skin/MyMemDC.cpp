#include "skin/MyMemDC.h"

CMyMemDC::CMyMemDC(CDC* pDC) : m_pDC(pDC), m_bMemDC(!pDC->IsPrinting()) {
  if (!m_bMemDC) {
    Attach(pDC->m_hDC);  // printing: draw on the target itself
    return;
  }
  CreateCompatibleDC(pDC);
  pDC->GetClipBox(&m_rect);
  m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
  m_oldBitmap = SelectObject(&m_bitmap);
  SetWindowOrg(m_rect.left, m_rect.top);
}

CMyMemDC::~CMyMemDC() {
  if (!m_bMemDC) {
    Detach();
    return;
  }
  m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top, SRCCOPY);
  SelectObject(m_oldBitmap);
  m_bitmap.DeleteObject();
  DeleteDC();
}

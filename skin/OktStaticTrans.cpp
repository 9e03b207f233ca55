#include "skin/OktStaticTrans.h"

#include <cwchar>

#include "media/UsageMarker.h"

BEGIN_MESSAGE_MAP(COktStaticTrans, CStatic)
  ON_WM_CTLCOLOR_REFLECT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

constexpr COLORREF kTransparent = 0xFFFFFFFF;
constexpr COLORREF kKeyGreen = RGB(0, 255, 0);
const wchar_t kFace[] = L"\uB9D1\uC740 \uACE0\uB515";

// The font the constructor asks for.
LOGFONTW DefaultLogFont() {
  LOGFONTW lf{};
  lf.lfHeight = 16;
  lf.lfWeight = 400;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(lf.lfFaceName, kFace, LF_FACESIZE - 1);
  return lf;
}

}  // namespace

COktStaticTrans::COktStaticTrans() {
  m_font.CreateFontW(16, 0, 0, 0, 400, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, kFace);
  WriteUsageMarker(L"usingOktStaticTrans");
}

COktStaticTrans::~COktStaticTrans() {
  m_bmpBack.DeleteObject();
  m_font.DeleteObject();
  m_brush.DeleteObject();
}

void COktStaticTrans::RedrawParentArea() {
  CWnd* pParent = GetParent();
  if (!pParent) return;
  CRect rect;
  GetWindowRect(&rect);
  pParent->ScreenToClient(&rect);
  rect.InflateRect(-2, -2);
  // Erased, since the parents paint their background only when erasing.
  pParent->InvalidateRect(&rect, TRUE);
}

void COktStaticTrans::SetFontHeight(int nHeight) {
  ChangeFont([](LOGFONTW& lf, int value) { lf.lfHeight = value; }, nHeight);
}

void COktStaticTrans::SetFontWeight(int nWeight) {
  ChangeFont([](LOGFONTW& lf, int value) { lf.lfWeight = value; }, nWeight);
}

// Starts from the current font, or from the constructor's when that could not be made.
void COktStaticTrans::ChangeFont(void (*change)(LOGFONTW&, int), int nValue) {
  LOGFONTW lf = DefaultLogFont();
  if (m_font.m_hObject) m_font.GetLogFont(&lf);
  change(lf, nValue);
  m_font.DeleteObject();
  m_font.CreateFontIndirectW(&lf);
}

HBRUSH COktStaticTrans::CtlColor(CDC* pDC, UINT) {
  m_brush.DeleteObject();
  if (m_crBack == kTransparent) {
    m_brush.CreateStockObject(NULL_BRUSH);
    pDC->SetBkMode(TRANSPARENT);
  } else {
    m_brush.CreateSolidBrush(m_crBack);
    pDC->SetBkColor(m_crBack);
  }
  pDC->SetTextColor(m_crText);
  if (m_font.m_hObject) pDC->SelectObject(&m_font);
  return static_cast<HBRUSH>(m_brush);
}

BOOL COktStaticTrans::OnEraseBkgnd(CDC* pDC) {
  if (m_bmpBack.m_hObject) {
    CDC mem;
    if (!mem.CreateCompatibleDC(pDC)) return TRUE;
    mem.SetBkMode(TRANSPARENT);
    CBitmap* old = mem.SelectObject(&m_bmpBack);
    BITMAP bm{};
    m_bmpBack.GetBitmap(&bm);
    pDC->TransparentBlt(0, 0, bm.bmWidth, bm.bmHeight, &mem, 0, 0, bm.bmWidth, bm.bmHeight, kKeyGreen);
    mem.SelectObject(old);
    return TRUE;
  }
  BOOL result = static_cast<BOOL>(Default());
  if (m_crBack != kTransparent) {
    m_brush.DeleteObject();
    m_brush.CreateSolidBrush(m_crBack);
    CRect client;
    GetClientRect(&client);
    pDC->FillRect(&client, &m_brush);
  }
  return result;
}

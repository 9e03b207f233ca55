#include "skin/CellCheckBox.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/win/SystemMetrics.h"

namespace {

constexpr COLORREF kCellBack = RGB(33, 33, 33);
constexpr COLORREF kMaskColour = RGB(255, 0, 255);
constexpr int kGlyph = 20;  // the glyph's place: 18-pixel image and a 2-pixel gap
constexpr UINT kLabelFormat = DT_CENTER | DT_BOTTOM | DT_END_ELLIPSIS;

int ThemeState(bool checked, bool disabled, bool active, bool hot) {
  if (disabled) return checked ? CBS_CHECKEDDISABLED : CBS_UNCHECKEDDISABLED;
  if (active) return checked ? CBS_CHECKEDPRESSED : CBS_UNCHECKEDPRESSED;
  if (hot) return checked ? CBS_CHECKEDHOT : CBS_UNCHECKEDHOT;
  return checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL;
}

}  // namespace

DWORD CCellCheckBox::s_cellCheckStyle = 0;

CImageList& CCellCheckBox::CellCheckImageList() {
  static auto* images = new CImageList;
  return *images;
}

CCellCheckBox::CCellCheckBox() { m_dwStyle = CELL_CENTER; }

CCellCheckBox::~CCellCheckBox() = default;

BOOL CCellCheckBox::OnClick(UINT, int, int) {
  if (m_strText.IsEmpty()) m_strText = L"1";
  else m_strText.SetAt(0, m_strText[0] == L'1' ? L'0' : L'1');
  return 1;
}

void CCellCheckBox::Init(HWND hwndList, BOOL* pListEnabled, const CString& strText) {
  CCellCtrl::Init(hwndList, pListEnabled, strText);
  if (m_strText.IsEmpty() || (m_strText[0] != L'0' && m_strText[0] != L'1')) m_strText.Insert(0, L'0');
  EnsureImageList();
}

void CCellCheckBox::EnsureImageList() {
  CImageList& images = CellCheckImageList();
  if (images.GetSafeHandle()) return;
  images.Create(18, 16, ILC_COLOR32, 4, 4);
  CBitmap strip;
  if (strip.LoadBitmap(IDB_CELL_CHECKS)) images.Add(&strip, kMaskColour);
  strip.DeleteObject();
}

bool CCellCheckBox::DisabledLook() { return (m_pListEnabled && !*m_pListEnabled) || (GetStyle() & CELL_DISABLED); }

CFont* CCellCheckBox::CurrentFont() { return (m_bActive && (GetStyle() & CELL_BOLDACTIVE)) ? m_pBoldFont : m_pFont; }

void CCellCheckBox::Draw(CDC* pDC, LPRECT pRect, UINT nItemState) {
  CDCStateRestorer restore(pDC);
  CRect rc(*pRect);
  m_rcGlyph.SetRectEmpty();
  m_rcCell = rc;
  const bool disabled = DisabledLook();
  CBrush brush(disabled ? GetSysColor(COLOR_BTNFACE) : kCellBack);
  if (disabled) pDC->SetTextColor(GetSysColor(COLOR_GRAYTEXT));
  else
    pDC->SetTextColor(GetSysColor((nItemState & (ODS_SELECTED | ODS_FOCUS)) ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  pDC->FillRect(&rc, &brush);
  if (CFont* font = CurrentFont()) pDC->SelectObject(font);
  CSize label = Label().IsEmpty() ? CSize(0, 0) : pDC->GetTextExtent(Label());
  HTHEME theme = OpenThemeData(m_hwndList, L"Button1");
  if (theme) DrawThemed(theme, pDC, rc, label, disabled);
  else DrawFromImageList(pDC, rc, label, disabled);
}

void CCellCheckBox::DrawFromImageList(CDC* pDC, const CRect& rc, CSize label, bool disabled) {
  const int total = label.cx + kGlyph;
  const DWORD style = GetStyle();
  CRect text(rc);
  int x = rc.left;
  if (total > rc.Width()) {
    text.left += kGlyph;
  } else if (style & CELL_CENTER) {
    x = rc.left + (rc.Width() - total) / 2;
    text.left = x + kGlyph;
    text.right = x + total + 1;
  } else if (style & CELL_RIGHT) {
    if (label.cy) {
      text.left = rc.right - total - 1;
      text.right = rc.right;
      x = rc.right - total - 21;
    } else {
      text.left = text.right = 0;
      x = rc.right - kGlyph;
    }
  } else {
    text.left = rc.left + kGlyph;
    text.right = rc.left + total + 1;
  }
  if (rc.Width() < kGlyph) {
    text.left -= kGlyph;
  } else {
    int image = (IsChecked() ? 1 : 0) + (disabled ? 2 : 0);
    CellCheckImageList().Draw(pDC, image, CPoint(x, rc.top + 3), ILD_ROP);
    m_rcGlyph.SetRect(x, rc.top + 3, x + kGlyph, rc.top + 3 + kGlyph);
  }
  CString labelText = Label();
  pDC->DrawText(labelText, &text, kLabelFormat);
}

void CCellCheckBox::DrawThemed(HTHEME theme, CDC* pDC, const CRect& rc, CSize label, bool disabled) {
  const int state = ThemeState(IsChecked(), disabled, m_bActive, m_bHot);
  SIZE part{0, 0};
  GetThemePartSize(theme, pDC->GetSafeHdc(), BP_CHECKBOX, state, &rc, TS_DRAW, &part);
  const int total = label.cx + part.cx + 3;
  const DWORD style = GetStyle();
  CRect text(rc);
  CRect glyph(rc);
  if (total > rc.Width()) {
    glyph.right = rc.left + part.cx;
    text.left += part.cx + 3;
  } else if (style & CELL_CENTER) {
    glyph.left = rc.left + (rc.Width() - total) / 2;
    glyph.right = glyph.left + part.cx;
    text.left = glyph.left + part.cx + 3;
    text.right = glyph.left + total;
  } else if (style & CELL_RIGHT) {
    if (label.cy) {
      text.left = rc.right - total;
      glyph.left = rc.right - total - 3 - part.cx;
      glyph.right = rc.right - total - 3;
    } else {
      glyph.left = rc.right - part.cx;
      text.left = text.right = 0;
    }
  } else {
    glyph.right = rc.left + part.cx;
    text.left = rc.left + part.cx + 3;
    text.right = rc.left + total;
  }
  glyph.top = rc.top + (rc.Height() - part.cy) / 2;
  glyph.bottom = glyph.top + part.cy;
  text.top = rc.top + (rc.Height() - label.cy) / 2;
  text.bottom = rc.top + (rc.Height() - part.cy) / 2 + label.cy;
  DrawThemeBackground(theme, pDC->GetSafeHdc(), BP_CHECKBOX, state, &glyph, nullptr);
  m_rcGlyph = glyph;
  CString labelText = Label();
  pDC->DrawText(labelText, &text, kLabelFormat);
  CloseThemeData(theme);
}

int CCellCheckBox::GetMinWidth() {
  if (m_strText.IsEmpty() || !m_hwndList) return kGlyph;
  CWnd* list = CWnd::FromHandle(m_hwndList);
  CDC* dc = list ? list->GetDC() : nullptr;
  if (!dc) return kGlyph;
  int width = 0;
  {
    CDCStateRestorer restore(dc);
    if (CFont* font = CurrentFont()) dc->SelectObject(font);
    width = dc->GetTextExtent(Label() + L"i").cx;
  }
  list->ReleaseDC(dc);
  return width + kGlyph;
}

void CCellCheckBox::AddStyle(DWORD dwStyle) { s_cellCheckStyle |= dwStyle; }

void CCellCheckBox::RemoveStyle(DWORD dwStyle) { s_cellCheckStyle &= ~dwStyle; }

DWORD CCellCheckBox::GetStyle() { return m_dwStyle | s_cellCheckStyle; }

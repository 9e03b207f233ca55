#include "skin/OktSkinButton.h"

#include <algorithm>

#include "platform/win/Dialog.h"
#include "media/UsageMarker.h"

BEGIN_MESSAGE_MAP(COktSkinButton, CButton)
  ON_WM_ERASEBKGND()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_KILLFOCUS()
  ON_WM_KEYDOWN()
  ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
  ON_MESSAGE(WM_SKINBUTTON_UNCHECK, OnUncheck)
  ON_MESSAGE(BM_SETCHECK, OnSetCheck)
  ON_MESSAGE(BM_GETCHECK, OnGetCheck)
END_MESSAGE_MAP()

namespace {
// lParam bit 30 of WM_KEYDOWN, as the high word of the flags: the key was already down.
constexpr UINT kKeyRepeat = 0x4000;
}  // namespace

COktSkinButton::COktSkinButton() {
  m_font.CreateFontW(16, 0, 0, 0, 400, FALSE, TRUE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"\uB9D1\uC740 \uACE0\uB515");
  WriteUsageMarker(L"usingOktButton");
}

COktSkinButton::~COktSkinButton() {
  m_font.DeleteObject();
  DeleteImages();
  if (m_toolTip.m_hWnd) m_toolTip.DestroyWindow();
}

void COktSkinButton::DeleteImages() {
  for (CBitmap* bitmap : {&m_bmpNormal, &m_bmpPressed, &m_bmpDisabled, &m_bmpMask, &m_bmpHover, &m_bmpFocus})
    bitmap->DeleteObject();
}

void COktSkinButton::SetBitmaps(WORD nNormal, WORD nPressed, WORD nHover, WORD nDisabled, WORD nFocus) {
  DeleteImages();
  m_bmpNormal.LoadBitmapW(nNormal);
  m_bmpPressed.LoadBitmapW(nPressed);
  if (nHover) m_bmpHover.LoadBitmapW(nHover);
  if (nFocus) m_bmpFocus.LoadBitmapW(nFocus);
  m_bmpDisabled.LoadBitmapW(nDisabled ? nDisabled : nNormal);
  m_nDrawMode = 0;
  m_bDrawEdge = FALSE;
  m_nFocusInset = 0;
}

void COktSkinButton::SetTooltipText(const CString& strText) {
  if (!m_toolTip.m_hWnd) {
    if (m_toolTip.Create(this, 0) && m_toolTip.AddTool(this, strText)) m_toolTip.Activate(TRUE);
    return;
  }
  m_toolTip.UpdateTipText(strText, this);
}

void COktSkinButton::PreSubclassWindow() {
  DWORD style = GetStyle() & 0xFFFF;
  if ((style & BS_AUTOCHECKBOX) == BS_AUTOCHECKBOX) m_nButtonKind = kCheckBox;
  else if ((style & BS_AUTORADIOBUTTON) == BS_AUTORADIOBUTTON) m_nButtonKind = kRadio;
  else m_nButtonKind = kPush;
  CButton::PreSubclassWindow();
  ModifyStyle(0, BS_OWNERDRAW, 0);
}

BOOL COktSkinButton::PreTranslateMessage(MSG* pMsg) { return CButton::PreTranslateMessage(pMsg); }

BOOL COktSkinButton::OnEraseBkgnd(CDC*) { return TRUE; }

void COktSkinButton::OnLButtonDown(UINT nFlags, CPoint point) {
  RelayEvent(WM_LBUTTONDOWN, nFlags, point);
  if (m_bHover) {
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_CANCEL | TME_LEAVE;
    tme.hwndTrack = m_hWnd;
    if (_TrackMouseEvent(&tme)) m_bHover = 0;
  }
  Default();
  if (IsWindow(m_hWnd)) m_bTracking = 1;
}

void COktSkinButton::OnLButtonUp(UINT nFlags, CPoint point) {
  // Only a release that completes a press on this button changes the check, so the check
  // never moves without the click that tells the parent.
  bool clicks = m_bTracking && GetCapture() == this && (GetState() & BST_PUSHED) && IsUnderPoint(point);
  if (m_nButtonKind != kPush && clicks) SendMessage(BM_SETCHECK, m_nButtonKind == kCheckBox ? !m_bChecked : 1);
  RelayEvent(WM_LBUTTONUP, nFlags, point);
  m_bTracking = 0;
  Default();
}

void COktSkinButton::OnMouseMove(UINT nFlags, CPoint point) {
  RelayEvent(WM_MOUSEMOVE, nFlags, point);
  if (m_bTracking && GetCapture() == this) {
    bool over = IsUnderPoint(point);
    bool pushed = (GetState() & BST_PUSHED) != 0;
    if (over != pushed) {
      SetState(over);
      Invalidate(TRUE);
    }
  } else if (!m_bHover) {
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = m_hWnd;
    tme.dwHoverTime = 0;
    if (_TrackMouseEvent(&tme)) {
      m_bHover = 1;
      Invalidate(TRUE);
    }
  }
  Default();
}

void COktSkinButton::OnLButtonDblClk(UINT nFlags, CPoint point) {
  SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}

void COktSkinButton::OnKillFocus(CWnd*) {
  if (GetCapture() == this) {
    ReleaseCapture();
    m_bTracking = 0;
  }
  Default();
}

void COktSkinButton::OnKeyDown(UINT nChar, UINT, UINT nFlags) {
  // A held Space repeats its key-down; only the first one changes the check.
  if (m_nButtonKind != kPush && nChar == VK_SPACE && !(nFlags & kKeyRepeat))
    SendMessage(BM_SETCHECK, m_nButtonKind == kCheckBox ? !m_bChecked : 1);
  Default();
}

LRESULT COktSkinButton::OnMouseLeave(WPARAM, LPARAM) {
  m_bHover = 0;
  Invalidate(TRUE);
  return 0;
}

LRESULT COktSkinButton::OnUncheck(WPARAM, LPARAM) {
  if (m_bChecked) {
    m_bChecked = 0;
    Invalidate(TRUE);
  }
  return 0;
}

LRESULT COktSkinButton::OnSetCheck(WPARAM wParam, LPARAM) {
  m_bChecked = wParam != 0;
  if (m_nButtonKind == kPush) m_bChecked = 0;
  if (m_nButtonKind == kRadio && m_bChecked) UncheckGroup();
  Invalidate(TRUE);
  return 0;
}

LRESULT COktSkinButton::OnGetCheck(WPARAM, LPARAM) { return m_bChecked; }

void COktSkinButton::RelayEvent(UINT message, UINT nFlags, CPoint point) {
  if (!m_toolTip.m_hWnd) return;
  MSG msg;
  msg.hwnd = m_hWnd;
  msg.message = message;
  msg.wParam = nFlags;
  msg.lParam = MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
  msg.time = 0;
  msg.pt = point;
  m_toolTip.RelayEvent(&msg);
}

bool COktSkinButton::IsUnderPoint(CPoint client) const {
  ClientToScreen(&client);
  CWnd* under = WindowFromPoint(client);
  return under && under->m_hWnd == m_hWnd;
}

// Posts the uncheck to every other control of the dialog group. The walk also ends when it
// comes back to the first control it met (a hidden or disabled button is never returned by
// the group walk, so it would not come back to itself) and after one step per sibling.
void COktSkinButton::UncheckGroup() {
  CWnd* pParent = GetParent();
  if (!pParent || !m_hWnd) return;
  int limit = 0;
  for (CWnd* child = pParent->GetWindow(GW_CHILD); child; child = child->GetNextWindow()) ++limit;
  HWND first = nullptr;
  CWnd* current = this;
  for (int step = 0; step < limit; ++step) {
    current = pParent->GetNextDlgGroupItem(current, FALSE);
    if (!current || current->m_hWnd == m_hWnd || current->m_hWnd == first) break;
    if (!first) first = current->m_hWnd;
    current->PostMessage(WM_SKINBUTTON_UNCHECK);
  }
}

void COktSkinButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  // While a press is held the pushed state follows the pointer; changing it repaints.
  POINT cursor;
  if (m_bTracking && GetCapture() == this && GetCursorPos(&cursor)) {
    CWnd* under = WindowFromPoint(cursor);
    bool over = under && under->m_hWnd == m_hWnd;
    bool pushed = (GetState() & BST_PUSHED) != 0;
    if (over && !pushed) {
      SetState(TRUE);
      return;
    }
    if (!over && pushed) {
      SetState(FALSE);
      return;
    }
  }
  CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
  if (!pDC) return;
  UINT state = lpDrawItemStruct->itemState;
  CRect item(lpDrawItemStruct->rcItem);
  CString caption;
  GetWindowText(caption);
  CRect text = item;
  text.left += m_nFocusInset + 2;
  text.right -= m_nFocusInset + 2;

  CDCStateRestorer restore(pDC);
  pDC->SetBkMode(TRANSPARENT);
  if (m_font.m_hObject) pDC->SelectObject(&m_font);
  if (state & ODS_DISABLED) {
    DrawFace(pDC, m_bmpDisabled, item);
    if (m_bDrawEdge) pDC->DrawEdge(&item, EDGE_RAISED, BF_RECT);
    pDC->SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
    if (m_bChecked) text.OffsetRect(1, 1);
    pDC->DrawText(caption, &text, DT_SINGLELINE | DT_VCENTER);
    pDC->SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    text.OffsetRect(-1, -1);
  } else {
    if ((state & ODS_SELECTED) || m_bChecked) {
      DrawFace(pDC, m_bmpPressed, item);
      text.OffsetRect(1, 1);
      if (m_bDrawEdge) pDC->DrawEdge(&item, EDGE_SUNKEN, BF_RECT);
    } else {
      DrawFace(pDC, FaceOf(state), item);
      if (m_bDrawEdge) pDC->DrawEdge(&item, EDGE_RAISED, BF_RECT);
    }
    if ((state & ODS_FOCUS) && m_nFocusInset > 0) {
      CRect focus = item;
      focus.DeflateRect(m_nFocusInset, m_nFocusInset);
      pDC->DrawFocusRect(&focus);
    }
    pDC->SetTextColor(m_crText);
  }
  pDC->DrawText(caption, &text, DT_SINGLELINE | DT_VCENTER);
}

// The face of the raised state: hover wins over focus; both need a normal image.
CBitmap& COktSkinButton::FaceOf(UINT nState) {
  if (!m_bmpNormal.m_hObject) return m_bmpNormal;
  if (m_bHover && m_bmpHover.m_hObject) return m_bmpHover;
  if ((nState & ODS_FOCUS) && m_bmpFocus.m_hObject) return m_bmpFocus;
  return m_bmpNormal;
}

// A missing image gives the plain button face instead.
void COktSkinButton::DrawFace(CDC* pDC, CBitmap& bitmap, const CRect& rect) {
  if (bitmap.m_hObject) DrawStateBitmap(pDC, bitmap, rect);
  else pDC->FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
}

void COktSkinButton::DrawStateBitmap(CDC* pDC, CBitmap& bitmap, const CRect& rect) {
  if (!bitmap.m_hObject) return;
  if (m_nDrawMode == 2) {
    TileBitmap(pDC, bitmap, rect);
    return;
  }
  BITMAP bm{};
  bitmap.GetBitmap(&bm);
  CDC mem;
  if (!mem.CreateCompatibleDC(pDC)) return;
  CBitmap* old = mem.SelectObject(&bitmap);
  if (m_nDrawMode == 0) pDC->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &mem, 0, 0, SRCCOPY);
  else pDC->StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), &mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
  mem.SelectObject(old);
}

void COktSkinButton::TileBitmap(CDC* pDC, CBitmap& bitmap, const CRect& rect) {
  BITMAP bm{};
  bitmap.GetBitmap(&bm);
  if (bm.bmWidth <= 0 || bm.bmHeight <= 0) return;
  CDC mem;
  if (!mem.CreateCompatibleDC(pDC)) return;
  CBitmap* old = mem.SelectObject(&bitmap);
  for (int y = rect.top; y < rect.bottom; y += bm.bmHeight) {
    for (int x = rect.left; x < rect.right; x += bm.bmWidth) {
      int w = std::min<int>(bm.bmWidth, rect.right - x);
      int h = std::min<int>(bm.bmHeight, rect.bottom - y);
      pDC->BitBlt(x, y, w, h, &mem, 0, 0, SRCCOPY);
    }
  }
  mem.SelectObject(old);
}

#pragma once
// COktSkinButton: the owner-drawn button of the dark skin. It paints itself from bitmaps
// (normal, pressed, hover, disabled, focus), shows a tooltip, tracks hovering and the
// pressed look, and acts as a push button, check box or radio button by the style it had
// in its template. It keeps its own check; the parent hears clicks as BN_CLICKED, sent
// after the check has changed.
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Font.h"
#include "platform/win/Button.h"
#include "platform/win/ToolTipCtrl.h"

// Posted by a radio button that became checked to the other controls of its group.
constexpr UINT WM_SKINBUTTON_UNCHECK = WM_USER + 256;

class COktSkinButton : public CButton {
public:
  COktSkinButton();
  ~COktSkinButton() override;

  // Resource ids; a hover or focus id of 0 means no such image, a disabled id of 0 the
  // normal image. Does not repaint.
  void SetBitmaps(WORD nNormal, WORD nPressed, WORD nHover, WORD nDisabled, WORD nFocus);
  void SetTooltipText(const CString& strText);

protected:
  void PreSubclassWindow() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

  BOOL OnEraseBkgnd(CDC* pDC);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);
  void OnKillFocus(CWnd* pNewWnd);
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  LRESULT OnUncheck(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

private:
  enum { kPush = 0, kCheckBox = 2, kRadio = 4 };

  void DeleteImages();
  void RelayEvent(UINT message, UINT nFlags, CPoint point);
  bool IsUnderPoint(CPoint client) const;
  void UncheckGroup();
  void DrawStateBitmap(CDC* pDC, CBitmap& bitmap, const CRect& rect);
  void TileBitmap(CDC* pDC, CBitmap& bitmap, const CRect& rect);
  void DrawFace(CDC* pDC, CBitmap& bitmap, const CRect& rect);
  CBitmap& FaceOf(UINT nState);

protected:
  BYTE m_bChecked = 0;
  int m_nButtonKind = kPush;
  BYTE m_bHover = 0;
  BYTE m_bTracking = 0;
  CToolTipCtrl m_toolTip;
  CBitmap m_bmpNormal;
  CBitmap m_bmpPressed;
  CBitmap m_bmpDisabled;
  CBitmap m_bmpMask;  // emptied by SetBitmaps and never filled
  CBitmap m_bmpHover;
  CBitmap m_bmpFocus;
  SHORT m_nFocusInset = 0;
  COLORREF m_crText = RGB(0xAB, 0xAB, 0xAB);
  BOOL m_bDrawEdge = FALSE;
  SHORT m_nDrawMode = 1;  // 0 copy, 1 stretch, 2 tile
  CFont m_font;
};

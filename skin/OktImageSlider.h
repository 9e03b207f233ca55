#pragma once
// COktImageSlider: the horizontal slider of the skin. Range, position, line and page size
// stay in the trackbar; the control paints itself from a channel, its filled part left of
// the thumb and a thumb in three looks, takes the mouse and six keys itself, and posts
// its parent WM_HSCROLL with the trackbar code and the position read at posting time.
#include "platform/gdi/Bitmap.h"
#include "platform/win/SliderCtrl.h"

class COktImageSlider : public CSliderCtrl {
public:
  COktImageSlider();
  ~COktImageSlider() override;

  // Resource ids: channel, filled channel, thumb, thumb while dragged, thumb with the focus.
  // Does not repaint.
  void SetBitmaps(WORD nChannel, WORD nFilled, WORD nThumb, WORD nThumbPressed, WORD nThumbFocus);
  // Draws at once on a client context, outside the paint cycle.
  void RedrawNow();

  BYTE m_bWheelEnabled = 1;  // a parent clears it to keep the wheel from moving the slider

protected:
  void PreSubclassWindow() override;

  BOOL OnEraseBkgnd(CDC* pDC);
  void OnPaint();
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnMouseMove(UINT nFlags, CPoint point);
  BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  void OnKillFocus(CWnd* pNewWnd);
  void OnCaptureChanged(CWnd* pWnd);
  DECLARE_MESSAGE_MAP()

private:
  void Draw(CDC* pDC, bool bTransparentThumb);
  void DrawSlider(CDC* pDC);
  int ThumbLeft(int nWidth, int nMin, int nMax, int nPos) const;
  bool SetPosFromPoint(CPoint point);
  void Notify(UINT nCode);
  void RedrawAll();
  static bool IsSliderKey(UINT nChar);

  int m_nMargin = 0;
  CSize m_sizeThumb{0, 0};
  CSize m_sizeChannel{0, 0};
  CSize m_sizeFilled{0, 0};
  CBitmap m_bmpThumbFocus;
  CBitmap m_bmpThumbPressed;
  CBitmap m_bmpThumb;
  CBitmap m_bmpChannel;
  CBitmap m_bmpFilled;
  CPoint m_ptThumb{0, 0};
  BYTE m_bMoved = 0;
  BYTE m_bDragging = 0;
};

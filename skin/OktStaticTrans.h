#pragma once
// COktStaticTrans: the text label of the skin. Its text is drawn in its own colour and
// font, transparently over what the parent painted beneath it, or on a solid background
// colour, or over a background bitmap whose pure green shows what lies beneath. Changing
// the colours, the bitmap or the font does not repaint.
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/win/Static.h"

class COktStaticTrans : public CStatic {
public:
  COktStaticTrans();
  ~COktStaticTrans() override;

  // Invalidates and erases the parent under the label, less a 2-pixel border, so that the
  // parent repaints its background there; callers call it before changing the text.
  void RedrawParentArea();
  void SetFontHeight(int nHeight);
  void SetFontWeight(int nWeight);

  COLORREF m_crText = RGB(0xAB, 0xAB, 0xAB);
  COLORREF m_crBack = 0xFFFFFFFF;  // 0xFFFFFFFF: transparent
  CBrush m_brush;                  // the brush last handed out for the background
  CFont m_font;
  CBitmap m_bmpBack;  // optional; pure green is transparent

protected:
  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  BOOL OnEraseBkgnd(CDC* pDC);
  DECLARE_MESSAGE_MAP()

private:
  void ChangeFont(void (*change)(LOGFONTW&, int), int nValue);
};

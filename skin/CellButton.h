#pragma once
// CCellButton: a cell with a clickable glyph. A press on the glyph, when the glyph is
// wholly inside the list's client area, is a click.
#include "platform/base/Geometry.h"
#include "skin/CellCtrl.h"

class CCellButton : public virtual CCellCtrl {
public:
  virtual BOOL OnClick(UINT nFlags, int x, int y) = 0;

  void ResetState() override;
  BOOL OnLButtonDown(UINT nFlags, int x, int y) override;
  void OnMouseMove(UINT nFlags, int x, int y) override;
  BOOL OnVScroll(UINT, UINT, CScrollBar*) override { return 1; }
  BOOL OnHScroll(UINT, UINT, CScrollBar*) override { return 1; }

protected:
  CRect m_rcGlyph{0, 0, 0, 0};  // where the glyph was last drawn; empty until then
  BOOL m_bHot = FALSE;
};

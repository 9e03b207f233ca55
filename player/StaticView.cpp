#include "player/StaticView.h"

#include "platform/gdi/DC.h"
#include "platform/win/Paint.h"

BEGIN_MESSAGE_MAP(CStaticView, CStatic)
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CStaticView, CStatic)

BOOL CStaticView::OnEraseBkgnd(CDC*) { return TRUE; }

void CStaticView::OnPaint() { CPaintDC dc(this); }

#pragma once
// A video pane: a black-rectangle static that never paints, so the video the renderer
// shows over it is never covered.
#include "platform/win/Static.h"

class CStaticView : public CStatic {
  DECLARE_DYNAMIC(CStaticView)

public:
  CStaticView() = default;

  BOOL OnEraseBkgnd(CDC* pDC);
  void OnPaint();

  DECLARE_MESSAGE_MAP()
};

#pragma once
// COktFileListVerticleScrollbar: the skinned vertical scroll bar beside the recording
// list. It keeps no scroll state: it reads the list's position, limit, row count and rows
// per page, and scrolls the list with LVM_SCROLL. Arrows repeat while held, the track
// pages, the thumb drags.
#include "platform/win/Static.h"

class CConfigListCtrl;

constexpr UINT IDB_SCROLL_UP = 236;
constexpr UINT IDB_SCROLL_THUMB = 238;
constexpr UINT IDB_SCROLL_TRACK = 239;
constexpr UINT IDB_SCROLL_DOWN = 240;

// Thumb placement for a bar of height h: its height, its top and the track pixels per
// scroll position (0 when the list cannot scroll).
struct SCROLLTHUMB {
  int nHeight;
  int nTop;
  double dPixelsPerPos;
  BOOL bVisible;
};
SCROLLTHUMB ComputeScrollThumb(int h, int nPos, int nLimit, int nCount, int nPerPage);

class COktFileListVerticleScrollbar : public CStatic {
public:
  COktFileListVerticleScrollbar() = default;
  ~COktFileListVerticleScrollbar() override;

  void UpdateThumb();
  void Draw();
  void ClampThumb();
  void LineUp();
  void LineDown();
  void PageUp();
  void PageDown();

  CConfigListCtrl* m_pList = nullptr;
  BYTE m_bUpHeld = 0;
  BYTE m_bDownHeld = 0;
  BYTE m_bDragging = 0;
  int m_nThumbTop = 16;
  double m_dPixelsPerPos = 0.0;
  int m_nThumbHeight = 0;

protected:
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnPaint();
  void OnTimer(UINT_PTR nIDEvent);
  DECLARE_MESSAGE_MAP()

private:
  int ClientHeight() const;
  CRect UpArrow() const;
  CRect DownArrow() const;
  CRect Thumb() const;
  int RowHeight() const;
  void Step(int dy, bool bRepaintList);
  void DrawOn(CDC* pDC, const CRect& client);
};

#pragma once
// The trackbar class ("msctls_trackbar32") and CSliderCtrl over it.
//
// The trackbar keeps a range (0..100 at first), a position clamped into it, a line size
// (1) and a page size (a fifth of the range until set). Setting the position never
// notifies. The arrow keys, Page Up/Down, Home and End move the thumb and send the parent
// WM_HSCROLL (WM_VSCROLL with TBS_VERT) with the TB_ code in the low word; their key-up
// sends TB_ENDTRACK. Dragging the thumb sends TB_THUMBTRACK with the position in the high
// word, then TB_THUMBPOSITION and TB_ENDTRACK at release; a press beside the thumb pages
// towards the pointer, repeating while held. Every position change repaints the whole
// control. A capture lost in the middle of a drag ends it with TB_ENDTRACK.
#include "platform/win/Wnd.h"

#define TRACKBAR_CLASS L"msctls_trackbar32"

constexpr DWORD TBS_AUTOTICKS = 0x0001;
constexpr DWORD TBS_VERT = 0x0002;
constexpr DWORD TBS_HORZ = 0x0000;
constexpr DWORD TBS_TOP = 0x0004;
constexpr DWORD TBS_BOTTOM = 0x0000;
constexpr DWORD TBS_LEFT = 0x0004;
constexpr DWORD TBS_RIGHT = 0x0000;
constexpr DWORD TBS_BOTH = 0x0008;
constexpr DWORD TBS_NOTICKS = 0x0010;

constexpr UINT TBM_GETPOS = WM_USER;
constexpr UINT TBM_GETRANGEMIN = WM_USER + 1;
constexpr UINT TBM_GETRANGEMAX = WM_USER + 2;
constexpr UINT TBM_SETPOS = WM_USER + 5;
constexpr UINT TBM_SETRANGE = WM_USER + 6;
constexpr UINT TBM_SETRANGEMIN = WM_USER + 7;
constexpr UINT TBM_SETRANGEMAX = WM_USER + 8;
constexpr UINT TBM_SETPAGESIZE = WM_USER + 21;
constexpr UINT TBM_GETPAGESIZE = WM_USER + 22;
constexpr UINT TBM_SETLINESIZE = WM_USER + 23;
constexpr UINT TBM_GETLINESIZE = WM_USER + 24;
constexpr UINT TBM_GETTHUMBRECT = WM_USER + 25;
constexpr UINT TBM_GETCHANNELRECT = WM_USER + 26;

constexpr UINT TB_LINEUP = 0;
constexpr UINT TB_LINEDOWN = 1;
constexpr UINT TB_PAGEUP = 2;
constexpr UINT TB_PAGEDOWN = 3;
constexpr UINT TB_THUMBPOSITION = 4;
constexpr UINT TB_THUMBTRACK = 5;
constexpr UINT TB_TOP = 6;
constexpr UINT TB_BOTTOM = 7;
constexpr UINT TB_ENDTRACK = 8;

class CSliderCtrl : public CWnd {
  DECLARE_DYNAMIC(CSliderCtrl)

public:
  CSliderCtrl();

  using CWnd::Create;
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetRangeMin() const;
  int GetRangeMax() const;
  void GetRange(int& nMin, int& nMax) const;
  void SetRangeMin(int nMin, BOOL bRedraw = FALSE);
  void SetRangeMax(int nMax, BOOL bRedraw = FALSE);
  void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
  int GetPos() const;
  void SetPos(int nPos);
  int GetLineSize() const;
  int SetLineSize(int nSize);
  int GetPageSize() const;
  int SetPageSize(int nSize);
  void GetThumbRect(LPRECT lprc) const;
  void GetChannelRect(LPRECT lprc) const;
};

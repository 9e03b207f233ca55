#pragma once
// The progress bar ("msctls_progress32"): a range, a position clamped to it, a step, and
// with PBS_MARQUEE a moving block animated by the control's own timer. Changes made by
// code repaint the bar; the bar sends no notifications.
#include "platform/win/Wnd.h"

#define PROGRESS_CLASS L"msctls_progress32"

constexpr DWORD PBS_SMOOTH = 0x01;
constexpr DWORD PBS_VERTICAL = 0x04;
constexpr DWORD PBS_MARQUEE = 0x08;

constexpr UINT PBM_SETRANGE = WM_USER + 1;  // lParam MAKELPARAM(low, high); returns the old range
constexpr UINT PBM_SETPOS = WM_USER + 2;    // returns the old position
constexpr UINT PBM_DELTAPOS = WM_USER + 3;
constexpr UINT PBM_SETSTEP = WM_USER + 4;  // returns the old step
constexpr UINT PBM_STEPIT = WM_USER + 5;   // wraps to the low end past the high end
constexpr UINT PBM_SETRANGE32 = WM_USER + 6;
constexpr UINT PBM_GETRANGE = WM_USER + 7;  // wParam TRUE: low, else high; lParam PBRANGE* or 0
constexpr UINT PBM_GETPOS = WM_USER + 8;
constexpr UINT PBM_SETBARCOLOR = WM_USER + 9;
constexpr UINT PBM_SETMARQUEE = WM_USER + 10;  // wParam on/off, lParam interval in ms (0: 30)
constexpr UINT PBM_GETSTEP = WM_USER + 13;
constexpr UINT PBM_GETBKCOLOR = WM_USER + 14;
constexpr UINT PBM_GETBARCOLOR = WM_USER + 15;
constexpr UINT PBM_SETBKCOLOR = 0x2001;

struct PBRANGE {
  int iLow;
  int iHigh;
};

class CProgressCtrl : public CWnd {
  DECLARE_DYNAMIC(CProgressCtrl)

public:
  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  void SetRange(short nLower, short nUpper);
  void SetRange32(int nLower, int nUpper);
  void GetRange(int& nLower, int& nUpper) const;
  int GetPos() const;
  int SetPos(int nPos);
  int OffsetPos(int nPos);
  int SetStep(int nStep);
  int GetStep() const;
  int StepIt();
  BOOL SetMarquee(BOOL fMarqueeMode, int nInterval);
  COLORREF SetBarColor(COLORREF clrBar);
  COLORREF SetBkColor(COLORREF clrNew);
};

#pragma once
// The "Static" class (text, filled and framed rectangles) and CStatic over it.
//
// A static is transparent to the mouse (WM_NCHITTEST answers HTTRANSPARENT, so the point
// goes to the window beneath) unless it has SS_NOTIFY; then it takes clicks and tells its
// parent STN_CLICKED and STN_DBLCLK. Text kinds ask the parent for their colours with
// WM_CTLCOLORSTATIC and fill the client with the brush it returns.
#include "platform/win/Wnd.h"

#define WC_STATIC L"Static"

constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_CENTER = 0x0001;
constexpr DWORD SS_RIGHT = 0x0002;
constexpr DWORD SS_BLACKRECT = 0x0004;
constexpr DWORD SS_GRAYRECT = 0x0005;
constexpr DWORD SS_WHITERECT = 0x0006;
constexpr DWORD SS_BLACKFRAME = 0x0007;
constexpr DWORD SS_GRAYFRAME = 0x0008;
constexpr DWORD SS_WHITEFRAME = 0x0009;
constexpr DWORD SS_SIMPLE = 0x000B;
constexpr DWORD SS_LEFTNOWORDWRAP = 0x000C;
constexpr DWORD SS_TYPEMASK = 0x001F;
constexpr DWORD SS_NOPREFIX = 0x0080;
constexpr DWORD SS_NOTIFY = 0x0100;
constexpr DWORD SS_CENTERIMAGE = 0x0200;

constexpr UINT STN_CLICKED = 0;
constexpr UINT STN_DBLCLK = 1;

class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)

public:
  CStatic();

  using CWnd::Create;
  virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);
};

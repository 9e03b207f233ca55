#pragma once
// Message maps: a table per class, looked up from the most derived class to CWnd before
// the window's default processing. Each entry names a message (and for commands and
// notifications a code and an id range) and a thunk that cracks the parameters and calls
// the handler with the class library's signature.
#include "platform/win/Messages.h"

class CWnd;

using AFX_PMSG = LRESULT (*)(CWnd*, WPARAM, LPARAM);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  UINT nLastID;
  AFX_PMSG pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

constexpr UINT BN_CLICKED = 0;
constexpr UINT BN_DOUBLECLICKED = 5;
constexpr UINT CN_COMMAND = 0;

struct NMHDR {
  HWND hwndFrom = nullptr;
  UINT_PTR idFrom = 0;
  UINT code = 0;
};
using LPNMHDR = NMHDR*;

// The table macros keep their hand layout: each entry reads as one row.
// clang-format off
#define DECLARE_MESSAGE_MAP()                        \
protected:                                           \
  static const AFX_MSGMAP* GetThisMessageMap();      \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                   \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                              \
    using ThisClass = theClass;                                                  \
    using TheBaseClass = baseClass;                                              \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                           \
  {0, 0, 0, 0, nullptr}};                                                           \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                               \
  }

#define RODEMIR_THIS(w) static_cast<ThisClass*>(w)
#define RODEMIR_ENTRY(msg, body) {msg, 0, 0, 0, [](CWnd* w, WPARAM wParam, LPARAM lParam) -> LRESULT { (void)w; (void)wParam; (void)lParam; body }},
#define RODEMIR_POINT CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))

#define ON_MESSAGE(message, memberFxn) \
  RODEMIR_ENTRY(message, return RODEMIR_THIS(w)->memberFxn(wParam, lParam);)
#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(id), [](CWnd* w, WPARAM, LPARAM) -> LRESULT { RODEMIR_THIS(w)->memberFxn(); return 0; }},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
  {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(idLast), [](CWnd* w, WPARAM wParam, LPARAM) -> LRESULT { RODEMIR_THIS(w)->memberFxn(LOWORD(wParam)); return 0; }},
#define ON_CONTROL(code, id, memberFxn) \
  {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), [](CWnd* w, WPARAM, LPARAM) -> LRESULT { RODEMIR_THIS(w)->memberFxn(); return 0; }},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_NOTIFY(code, id, memberFxn) \
  {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), [](CWnd* w, WPARAM, LPARAM lParam) -> LRESULT { LRESULT result = 0; RODEMIR_THIS(w)->memberFxn(reinterpret_cast<NMHDR*>(lParam), &result); return result; }},

// Reflected entries: the parent hands these messages back to the control that sent them.
#define ON_CONTROL_REFLECT(code, memberFxn) \
  {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0xFFFF, [](CWnd* w, WPARAM, LPARAM) -> LRESULT { RODEMIR_THIS(w)->memberFxn(); return 0; }},
#define ON_NOTIFY_REFLECT(code, memberFxn) \
  {WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0, 0xFFFFFFFF, [](CWnd* w, WPARAM, LPARAM lParam) -> LRESULT { LRESULT result = 0; RODEMIR_THIS(w)->memberFxn(reinterpret_cast<NMHDR*>(lParam), &result); return result; }},
#define ON_WM_DRAWITEM_REFLECT() \
  RODEMIR_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, RODEMIR_THIS(w)->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); return TRUE;)
#define ON_WM_MEASUREITEM_REFLECT() \
  RODEMIR_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, RODEMIR_THIS(w)->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); return TRUE;)
// Reflected colour messages carry the DC in wParam and the CTLCOLOR_ kind in lParam.
#define ON_WM_CTLCOLOR_REFLECT() \
  RODEMIR_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, return reinterpret_cast<LRESULT>(RODEMIR_THIS(w)->CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), static_cast<UINT>(lParam)));)
#define ON_WM_HSCROLL_REFLECT() \
  RODEMIR_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, RODEMIR_THIS(w)->HScroll(LOWORD(wParam), HIWORD(wParam)); return 0;)
#define ON_WM_VSCROLL_REFLECT() \
  RODEMIR_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, RODEMIR_THIS(w)->VScroll(LOWORD(wParam), HIWORD(wParam)); return 0;)

#define ON_WM_CREATE() RODEMIR_ENTRY(WM_CREATE, return RODEMIR_THIS(w)->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));)
#define ON_WM_DESTROY() RODEMIR_ENTRY(WM_DESTROY, RODEMIR_THIS(w)->OnDestroy(); return 0;)
#define ON_WM_NCDESTROY() RODEMIR_ENTRY(WM_NCDESTROY, RODEMIR_THIS(w)->OnNcDestroy(); return 0;)
#define ON_WM_CLOSE() RODEMIR_ENTRY(WM_CLOSE, RODEMIR_THIS(w)->OnClose(); return 0;)
#define ON_WM_PAINT() RODEMIR_ENTRY(WM_PAINT, RODEMIR_THIS(w)->OnPaint(); return 0;)
#define ON_WM_ERASEBKGND() \
  RODEMIR_ENTRY(WM_ERASEBKGND, return RODEMIR_THIS(w)->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));)
#define ON_WM_SIZE() \
  RODEMIR_ENTRY(WM_SIZE, RODEMIR_THIS(w)->OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;)
#define ON_WM_MOVE() RODEMIR_ENTRY(WM_MOVE, RODEMIR_THIS(w)->OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;)
#define ON_WM_WINDOWPOSCHANGED() \
  RODEMIR_ENTRY(WM_WINDOWPOSCHANGED, RODEMIR_THIS(w)->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam)); return 0;)
#define ON_WM_SHOWWINDOW() \
  RODEMIR_ENTRY(WM_SHOWWINDOW, RODEMIR_THIS(w)->OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam)); return 0;)
#define ON_WM_ENABLE() RODEMIR_ENTRY(WM_ENABLE, RODEMIR_THIS(w)->OnEnable(static_cast<BOOL>(wParam)); return 0;)
#define ON_WM_TIMER() RODEMIR_ENTRY(WM_TIMER, RODEMIR_THIS(w)->OnTimer(static_cast<UINT_PTR>(wParam)); return 0;)
#define ON_WM_HSCROLL()                                                                                      \
  RODEMIR_ENTRY(WM_HSCROLL, RODEMIR_THIS(w)->OnHScroll(LOWORD(wParam), HIWORD(wParam),                        \
                                                       reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)))); return 0;)
#define ON_WM_VSCROLL()                                                                                      \
  RODEMIR_ENTRY(WM_VSCROLL, RODEMIR_THIS(w)->OnVScroll(LOWORD(wParam), HIWORD(wParam),                        \
                                                       reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)))); return 0;)
#define ON_WM_MOUSEMOVE() RODEMIR_ENTRY(WM_MOUSEMOVE, RODEMIR_THIS(w)->OnMouseMove(static_cast<UINT>(wParam), RODEMIR_POINT); return 0;)
#define ON_WM_LBUTTONDOWN() RODEMIR_ENTRY(WM_LBUTTONDOWN, RODEMIR_THIS(w)->OnLButtonDown(static_cast<UINT>(wParam), RODEMIR_POINT); return 0;)
#define ON_WM_LBUTTONUP() RODEMIR_ENTRY(WM_LBUTTONUP, RODEMIR_THIS(w)->OnLButtonUp(static_cast<UINT>(wParam), RODEMIR_POINT); return 0;)
#define ON_WM_LBUTTONDBLCLK() RODEMIR_ENTRY(WM_LBUTTONDBLCLK, RODEMIR_THIS(w)->OnLButtonDblClk(static_cast<UINT>(wParam), RODEMIR_POINT); return 0;)
#define ON_WM_RBUTTONDOWN() RODEMIR_ENTRY(WM_RBUTTONDOWN, RODEMIR_THIS(w)->OnRButtonDown(static_cast<UINT>(wParam), RODEMIR_POINT); return 0;)
#define ON_WM_RBUTTONUP() RODEMIR_ENTRY(WM_RBUTTONUP, RODEMIR_THIS(w)->OnRButtonUp(static_cast<UINT>(wParam), RODEMIR_POINT); return 0;)
#define ON_WM_MOUSEWHEEL()                                                                                \
  RODEMIR_ENTRY(WM_MOUSEWHEEL, return RODEMIR_THIS(w)->OnMouseWheel(GET_KEYSTATE_WPARAM(wParam),           \
                                                                    GET_WHEEL_DELTA_WPARAM(wParam), RODEMIR_POINT);)
#define ON_WM_MOUSEHWHEEL()                                                                                \
  RODEMIR_ENTRY(WM_MOUSEHWHEEL, RODEMIR_THIS(w)->OnMouseHWheel(GET_KEYSTATE_WPARAM(wParam),                \
                                                               GET_WHEEL_DELTA_WPARAM(wParam), RODEMIR_POINT); return 0;)
#define ON_WM_MOUSELEAVE() RODEMIR_ENTRY(WM_MOUSELEAVE, RODEMIR_THIS(w)->OnMouseLeave(); return 0;)
#define ON_WM_CAPTURECHANGED() \
  RODEMIR_ENTRY(WM_CAPTURECHANGED, RODEMIR_THIS(w)->OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))); return 0;)
#define ON_WM_CANCELMODE() RODEMIR_ENTRY(WM_CANCELMODE, RODEMIR_THIS(w)->OnCancelMode(); return 0;)
#define ON_WM_NCHITTEST() RODEMIR_ENTRY(WM_NCHITTEST, return RODEMIR_THIS(w)->OnNcHitTest(RODEMIR_POINT);)
#define ON_WM_NCCALCSIZE() \
  RODEMIR_ENTRY(WM_NCCALCSIZE, RODEMIR_THIS(w)->OnNcCalcSize(static_cast<BOOL>(wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)); return 0;)
#define ON_WM_SETCURSOR()                                                                                       \
  RODEMIR_ENTRY(WM_SETCURSOR, return RODEMIR_THIS(w)->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), \
                                                                  static_cast<SHORT>(LOWORD(lParam)), HIWORD(lParam));)
#define ON_WM_KEYDOWN() \
  RODEMIR_ENTRY(WM_KEYDOWN, RODEMIR_THIS(w)->OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;)
#define ON_WM_KEYUP() \
  RODEMIR_ENTRY(WM_KEYUP, RODEMIR_THIS(w)->OnKeyUp(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;)
#define ON_WM_SYSKEYDOWN() \
  RODEMIR_ENTRY(WM_SYSKEYDOWN, RODEMIR_THIS(w)->OnSysKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;)
#define ON_WM_CHAR() \
  RODEMIR_ENTRY(WM_CHAR, RODEMIR_THIS(w)->OnChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;)
#define ON_WM_GETDLGCODE() RODEMIR_ENTRY(WM_GETDLGCODE, return RODEMIR_THIS(w)->OnGetDlgCode();)
#define ON_WM_SETFOCUS() \
  RODEMIR_ENTRY(WM_SETFOCUS, RODEMIR_THIS(w)->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); return 0;)
#define ON_WM_KILLFOCUS() \
  RODEMIR_ENTRY(WM_KILLFOCUS, RODEMIR_THIS(w)->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); return 0;)
#define ON_WM_ACTIVATE()                                                                                   \
  RODEMIR_ENTRY(WM_ACTIVATE, RODEMIR_THIS(w)->OnActivate(LOWORD(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), \
                                                         HIWORD(wParam)); return 0;)
#define ON_WM_SYSCOMMAND() RODEMIR_ENTRY(WM_SYSCOMMAND, RODEMIR_THIS(w)->OnSysCommand(static_cast<UINT>(wParam), lParam); return 0;)
#define ON_WM_QUERYDRAGICON() RODEMIR_ENTRY(WM_QUERYDRAGICON, return reinterpret_cast<LRESULT>(RODEMIR_THIS(w)->OnQueryDragIcon());)
#define ON_WM_THEMECHANGED() RODEMIR_ENTRY(WM_THEMECHANGED, return RODEMIR_THIS(w)->OnThemeChanged();)
#define ON_WM_DRAWITEM() \
  RODEMIR_ENTRY(WM_DRAWITEM, RODEMIR_THIS(w)->OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); return TRUE;)
#define ON_WM_MEASUREITEM() \
  RODEMIR_ENTRY(WM_MEASUREITEM, RODEMIR_THIS(w)->OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); return TRUE;)
// Matches every WM_CTLCOLORxxx; the thunk gets the kind in the entry's code slot.
#define ON_WM_CTLCOLOR()                                                                                      \
  {WM_CTLCOLOR, 0, 0, 0, [](CWnd* w, WPARAM wParam, LPARAM lParam) -> LRESULT {                                \
     return reinterpret_cast<LRESULT>(RODEMIR_THIS(w)->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), \
                                                                  CWnd::FromHandle(reinterpret_cast<HWND>(lParam)),    \
                                                                  CWnd::GetCurrentCtlColorKind()));            \
   }},
// clang-format on

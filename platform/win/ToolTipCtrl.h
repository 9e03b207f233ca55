#pragma once
// The tooltip class ("tooltips_class32") and CToolTipCtrl over it.
//
// A tooltip holds tools: a window (TTF_IDISHWND, uId is the window) or a rectangle of a
// window's client area (uId is an id of the caller's choosing), each with a text. The
// owner relays its mouse messages with TTM_RELAYEVENT; a pointer resting over a tool
// shows the tip after the initial delay (the double-click time) as a pop-up near the
// pointer, which is transparent to the mouse and never takes activation. It goes at a
// button press, when the pointer leaves the tool, or after the auto-pop delay. An empty
// text shows nothing. Without TTS_ALWAYSTIP tips show only while the tool window's
// top-level window is active.
#include "platform/base/System.h"
#include "platform/win/Wnd.h"

#define TOOLTIPS_CLASS L"tooltips_class32"

constexpr DWORD TTS_ALWAYSTIP = 0x01;
constexpr DWORD TTS_NOPREFIX = 0x02;

constexpr UINT TTF_IDISHWND = 0x0001;
constexpr UINT TTF_CENTERTIP = 0x0002;
constexpr UINT TTF_SUBCLASS = 0x0010;
constexpr UINT TTF_TRANSPARENT = 0x0100;

constexpr DWORD TTDT_AUTOMATIC = 0;
constexpr DWORD TTDT_RESHOW = 1;
constexpr DWORD TTDT_AUTOPOP = 2;
constexpr DWORD TTDT_INITIAL = 3;

constexpr UINT TTM_ACTIVATE = WM_USER + 1;
constexpr UINT TTM_SETDELAYTIME = WM_USER + 3;
constexpr UINT TTM_RELAYEVENT = WM_USER + 7;
constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13;
constexpr UINT TTM_GETDELAYTIME = WM_USER + 21;
constexpr UINT TTM_POP = WM_USER + 28;
constexpr UINT TTM_ADDTOOLW = WM_USER + 50;
constexpr UINT TTM_DELTOOLW = WM_USER + 51;
constexpr UINT TTM_NEWTOOLRECTW = WM_USER + 52;
constexpr UINT TTM_GETTEXTW = WM_USER + 56;
constexpr UINT TTM_UPDATETIPTEXTW = WM_USER + 57;
constexpr UINT TTM_ADDTOOL = TTM_ADDTOOLW;
constexpr UINT TTM_DELTOOL = TTM_DELTOOLW;
constexpr UINT TTM_NEWTOOLRECT = TTM_NEWTOOLRECTW;
constexpr UINT TTM_GETTEXT = TTM_GETTEXTW;
constexpr UINT TTM_UPDATETIPTEXT = TTM_UPDATETIPTEXTW;

struct TOOLINFO {
  UINT cbSize = sizeof(TOOLINFO);
  UINT uFlags = 0;
  HWND hwnd = nullptr;  // the window that holds the tool (for TTF_IDISHWND, its parent)
  UINT_PTR uId = 0;     // with TTF_IDISHWND the tool's own window
  RECT rect{};          // the tool's area in hwnd's client, without TTF_IDISHWND
  HINSTANCE hinst = nullptr;
  LPWSTR lpszText = nullptr;  // TTM_GETTEXT: a buffer of wParam characters
  LPARAM lParam = 0;
};
using TTTOOLINFO = TOOLINFO;
using LPTOOLINFO = TOOLINFO*;

class CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)

public:
  CToolTipCtrl();

  // A pop-up owned by pParentWnd's top-level window.
  using CWnd::Create;
  virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

  // A tool for the window pWnd (lpRectTool null and nIDTool 0) or for a rectangle of it.
  BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
  void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
  int GetToolCount() const;
  void Activate(BOOL bActivate);
  void RelayEvent(LPMSG lpMsg);
  void SetDelayTime(DWORD dwDuration, int iTime);
  int GetDelayTime(DWORD dwDuration) const;
  void Pop();

private:
  TOOLINFO ToolInfo(CWnd* pWnd, UINT_PTR nIDTool) const;
};

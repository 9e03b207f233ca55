#pragma once
// The "Button" class (push buttons, check boxes, radio buttons, group boxes, owner-drawn
// buttons) and CButton over it.
//
// A press captures the mouse and shows the pushed state while the pointer stays over the
// button; the release over it changes the check of the automatic kinds and then sends
// BN_CLICKED to the parent, so the parent reads the new check. Space works the same way
// (press at key-down, click at key-up). An owner-drawn button sends WM_DRAWITEM to its
// parent at every paint and keeps no check.
#include "platform/win/Wnd.h"

#define WC_BUTTON L"Button"

constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD BS_CHECKBOX = 0x2;
constexpr DWORD BS_AUTOCHECKBOX = 0x3;
constexpr DWORD BS_RADIOBUTTON = 0x4;
constexpr DWORD BS_3STATE = 0x5;
constexpr DWORD BS_AUTO3STATE = 0x6;
constexpr DWORD BS_GROUPBOX = 0x7;
constexpr DWORD BS_AUTORADIOBUTTON = 0x9;
constexpr DWORD BS_OWNERDRAW = 0xB;
constexpr DWORD BS_TYPEMASK = 0xF;
constexpr DWORD BS_NOTIFY = 0x4000;

constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_GETSTATE = 0x00F2;
constexpr UINT BM_SETSTATE = 0x00F3;
constexpr UINT BM_SETSTYLE = 0x00F4;

constexpr UINT BST_UNCHECKED = 0x0000;
constexpr UINT BST_CHECKED = 0x0001;
constexpr UINT BST_INDETERMINATE = 0x0002;
constexpr UINT BST_PUSHED = 0x0004;
constexpr UINT BST_FOCUS = 0x0008;

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

public:
  CButton();

  using CWnd::Create;
  virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCheck() const;
  void SetCheck(int nCheck);
  UINT GetState() const;
  void SetState(BOOL bHighlight);
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);

  // Owner-drawn buttons: the parent hands WM_DRAWITEM back here.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
  DECLARE_MESSAGE_MAP()
};

// The check of a dialog's button (BM_GETCHECK / BM_SETCHECK by id).
UINT IsDlgButtonChecked(HWND hDlg, int nIDButton);
BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck);

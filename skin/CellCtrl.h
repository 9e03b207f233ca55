#pragma once
// CCellCtrl: a windowless control living in one cell of the recording list. The list
// owns it, draws it through Draw and forwards its mouse and keyboard messages; a hook
// that returns non-zero lets the list go on with its own default processing.
#include "platform/base/String.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/win/Wnd.h"

constexpr DWORD CELL_BOLDACTIVE = 0x01;  // bold font while active
constexpr DWORD CELL_DISABLED = 0x08;
constexpr DWORD CELL_RIGHT = 0x10;
constexpr DWORD CELL_CENTER = 0x20;

class CCellCtrl {
public:
  CCellCtrl() = default;
  virtual ~CCellCtrl();
  CCellCtrl(const CCellCtrl&) = delete;
  CCellCtrl& operator=(const CCellCtrl&) = delete;

  virtual void Init(HWND hwndList, BOOL* pListEnabled, const CString& strText);
  virtual void ResetState() {}
  virtual LPRECT GetRect() = 0;
  virtual LPRECT GetHitRect() { return GetRect(); }
  virtual void Draw(CDC* pDC, LPRECT pRect, UINT nItemState) = 0;
  virtual int GetMinWidth() = 0;
  virtual void Deactivate() { m_bActive = FALSE; }
  virtual void Activate() { m_bActive = TRUE; }
  virtual void SetRect(LPRECT) {}
  virtual BOOL OnChar(UINT, UINT, UINT) { return 1; }
  virtual BOOL OnKeyDown(UINT, UINT, UINT) { return 1; }
  virtual BOOL OnKeyUp(UINT, UINT, UINT) { return 1; }
  virtual BOOL OnLButtonDown(UINT, int, int) {
    Activate();
    return 1;
  }
  virtual BOOL OnLButtonUp(UINT, int, int) { return 1; }
  virtual BOOL OnTimer(UINT_PTR) { return 1; }
  virtual BOOL OnVScroll(UINT, UINT, CScrollBar*) { return 1; }
  virtual BOOL OnHScroll(UINT, UINT, CScrollBar*) { return 1; }
  virtual BOOL OnMouseWheel(UINT, short, int, int) { return 1; }
  virtual BOOL OnRButtonDown(UINT, int, int) { return 1; }
  virtual BOOL OnCommand(WPARAM, LPARAM) { return 1; }
  virtual void OnKillFocus(CWnd*) {}
  virtual void OnSetFocus(CWnd*) {}
  virtual void OnMouseMove(UINT, int, int) {}
  virtual void OnAfterActivate(UINT, int, int) {}
  virtual void OnValueChanged(WPARAM, LPARAM) {}
  virtual void AddStyle(DWORD dwStyle) = 0;
  virtual void RemoveStyle(DWORD dwStyle) = 0;
  virtual DWORD GetStyle() = 0;
  virtual void OnThemeChanged() {}

  CString GetText() const { return m_strText; }
  BOOL IsActive() const { return m_bActive; }

  // The value; owners assign it directly. A check box keeps its state in the first
  // character ("1" checked) and a label after it.
  CString m_strText;

protected:
  HWND m_hwndList = nullptr;
  BOOL m_bActive = FALSE;
  DWORD m_dwStyle = 0;
  // Every cell draws with the same two fonts: one pair for the whole program, so that a
  // card of thousands of recordings costs no font per row.
  CFont* m_pFont = nullptr;
  CFont* m_pBoldFont = nullptr;
  BOOL* m_pListEnabled = nullptr;
};

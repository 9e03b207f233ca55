#pragma once
// The window that hosts the browser control: a window of the platform's browser class,
// made by the dialog template (and bound to it) or by Create.
#include "platform/win/Wnd.h"

class CExplorerMapViewWnd : public CWnd {
  DECLARE_DYNCREATE(CExplorerMapViewWnd)

public:
  CExplorerMapViewWnd() = default;
  ~CExplorerMapViewWnd() override;

  using CWnd::Create;
  virtual BOOL Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  // Starts loading `address` (a local path may carry a "?query") and returns at once; the
  // page shown before is replaced when the new one has loaded.
  void Navigate(const CString& address);
};

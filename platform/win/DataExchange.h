#pragma once
// Dialog data exchange: DDX_Control binds a dialog's control to its C++ object by
// subclassing it (which calls PreSubclassWindow) the first time the exchange runs.
#include "platform/base/WinTypes.h"

class CWnd;

class CDataExchange {
public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

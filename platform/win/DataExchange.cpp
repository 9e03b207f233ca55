#include "platform/win/DataExchange.h"

#include "platform/base/Log.h"
#include "platform/win/Wnd.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (!pDX || !pDX->m_pDlgWnd || rControl.m_hWnd) return;
  HWND item = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
  if (!item || !rControl.SubclassWindow(item)) PlatformLog("win", "DDX_Control: no control %d to bind", nIDC);
}

#include "platform/win/DataExchange.h"

#include "platform/base/Check.h"
#include "platform/win/Wnd.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (!pDX || !pDX->m_pDlgWnd || rControl.m_hWnd) return;
  HWND item = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
  bool bound = item && rControl.SubclassWindow(item);
  RODEMIR_CHECK(bound, "DDX_Control names a control the dialog does not have");
}

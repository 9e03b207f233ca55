#include "player/ExplorerMapViewWnd.h"

#include "platform/web/WebBrowser.h"
#include "platform/web/WebBrowserWindow.h"

IMPLEMENT_DYNCREATE(CExplorerMapViewWnd, CWnd)

CExplorerMapViewWnd::~CExplorerMapViewWnd() = default;

BOOL CExplorerMapViewWnd::Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  platform::RegisterWebBrowserClass();
  return CWnd::Create(platform::WEBBROWSER_CLASS, lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

void CExplorerMapViewWnd::Navigate(const CString& address) {
  if (platform::WebBrowser* browser = platform::WebBrowser::ForHost(m_hWnd)) browser->Navigate(address);
}

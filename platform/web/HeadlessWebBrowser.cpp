#include "platform/web/HeadlessWebBrowser.h"

namespace platform {

HeadlessWebBrowser::HeadlessWebBrowser(HWND host, const CRect& rect) : WebBrowser(host), m_rect(rect) {}

void HeadlessWebBrowser::Navigate(const CString& address) { m_navigations.push_back(BrowserAddressToUri(address)); }

void HeadlessWebBrowser::CallFunction(const CString& name, const std::vector<CString>& args) {
  m_calls.push_back({name, args});
}

CString HeadlessWebBrowser::CallFunctionForResult(const CString& name, const std::vector<CString>& args, DWORD) {
  m_calls.push_back({name, args});
  if (!HasDocument()) return CString();
  auto it = m_functions.find(name);
  return it == m_functions.end() ? CString() : it->second(args);
}

}  // namespace platform

#include "platform/web/WebBrowser.h"

#include "platform/base/detail/GObjectRef.h"

#include <glib.h>

#include <map>

#include "platform/web/HeadlessWebBrowser.h"
#include "platform/web/detail/WebKitBrowser.h"

namespace platform {

namespace {

// Never destroyed: windows still open at exit end their browsers during static destruction.
std::map<HWND, WebBrowser*>& Browsers() {
  static auto* browsers = new std::map<HWND, WebBrowser*>;
  return *browsers;
}

}  // namespace

WebBrowser::WebBrowser(HWND host) : m_host(host) { Browsers()[host] = this; }

WebBrowser::~WebBrowser() {
  auto it = Browsers().find(m_host);
  if (it != Browsers().end() && it->second == this) Browsers().erase(it);
}

std::unique_ptr<WebBrowser> WebBrowser::Create(HWND host, const CRect& rect) {
  if (auto view = detail::WebKitBrowser::Create(host, rect)) return view;
  return std::make_unique<HeadlessWebBrowser>(host, rect);
}

WebBrowser* WebBrowser::ForHost(HWND host) {
  auto it = Browsers().find(host);
  return it == Browsers().end() ? nullptr : it->second;
}

CString BrowserAddressToUri(const CString& address) {
  // A file's path is the file system's bytes; the query is text.
  std::string text = WideToFileSystem(address.str());
  if (text.empty()) return CString();
  if (platform::detail::GlibOwned<char>(g_uri_parse_scheme(text.c_str()))) return address;
  size_t query = text.find('?');
  std::string path = text.substr(0, query);
  platform::detail::GlibOwned<gchar> uri(g_filename_to_uri(path.c_str(), nullptr, nullptr));
  if (!uri) return CString();
  std::string result = uri.get();
  if (query != std::string::npos) result += text.substr(query);
  return CString::FromUtf8(result);
}

}  // namespace platform

#pragma once
// The embedded browser control: a web view over a rectangle of a window, which loads a
// page and runs the page's global script functions. With the headless presenter it is a
// recorder (HeadlessWebBrowser); otherwise a WebKit view.
#include <memory>
#include <vector>

#include "platform/base/Geometry.h"
#include "platform/base/String.h"
#include "platform/base/WinTypes.h"

namespace platform {

class WebBrowser {
public:
  // UI thread only. `host` is the control's window; `rect` is where it shows, in the
  // client coordinates of the host's top-level window.
  static std::unique_ptr<WebBrowser> Create(HWND host, const CRect& rect);
  // The control created for that window, if any.
  static WebBrowser* ForHost(HWND host);

  virtual ~WebBrowser();
  WebBrowser(const WebBrowser&) = delete;
  WebBrowser& operator=(const WebBrowser&) = delete;

  HWND Host() const { return m_host; }
  // An empty rectangle hides the view until a later non-empty one.
  virtual void SetRect(const CRect& rect) = 0;
  virtual void Show(bool visible) = 0;
  // Starts loading and returns at once. A local path (with an optional "?query") becomes a
  // file address that keeps the query; an address with a scheme is used as it is.
  virtual void Navigate(const CString& address) = 0;
  // A page has been loaded (and not replaced by a load still in progress).
  virtual bool HasDocument() const = 0;
  // Calls the page's global function `name` with text arguments and does not wait.
  virtual void CallFunction(const CString& name, const std::vector<CString>& args) = 0;
  // Calls it and waits up to `timeoutMs` (running the UI thread meanwhile) for its result
  // as text. "" when there is no page, no such function, or no answer in time.
  virtual CString CallFunctionForResult(const CString& name, const std::vector<CString>& args, DWORD timeoutMs) = 0;

protected:
  explicit WebBrowser(HWND host);

private:
  HWND m_host;
};

// The address that Navigate loads for `address` ("/a/b.htm?x=1" -> "file:///a/b.htm?x=1").
CString BrowserAddressToUri(const CString& address);

}  // namespace platform

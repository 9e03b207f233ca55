#pragma once
// The browser control of the headless presenter: shows nothing, records what it was asked
// to do, and answers script calls from functions that tests install.
#include <functional>
#include <map>
#include <utility>

#include "platform/web/WebBrowser.h"

namespace platform {

class HeadlessWebBrowser : public WebBrowser {
public:
  struct Call {
    CString name;
    std::vector<CString> args;
  };
  using PageFunction = std::function<CString(const std::vector<CString>& args)>;

  HeadlessWebBrowser(HWND host, const CRect& rect);

  void SetRect(const CRect& rect) override { m_rect = rect; }
  void Show(bool visible) override { m_visible = visible; }
  void Navigate(const CString& address) override;
  bool HasDocument() const override { return !m_navigations.empty(); }
  void CallFunction(const CString& name, const std::vector<CString>& args) override;
  CString CallFunctionForResult(const CString& name, const std::vector<CString>& args, DWORD timeoutMs) override;

  // What tests read back: addresses as loaded (file URIs), calls in order.
  const std::vector<CString>& Navigations() const { return m_navigations; }
  const std::vector<Call>& Calls() const { return m_calls; }
  const CRect& Rect() const { return m_rect; }
  bool Visible() const { return m_visible; }
  // A function of the "page"; calls to names without one answer "".
  void SetPageFunction(const CString& name, PageFunction fn) { m_functions[name] = std::move(fn); }

private:
  CRect m_rect;
  bool m_visible = true;
  std::vector<CString> m_navigations;
  std::vector<Call> m_calls;
  std::map<CString, PageFunction> m_functions;
};

}  // namespace platform

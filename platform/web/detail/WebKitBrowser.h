#pragma once
// The browser control as a WebKit view, placed over its window by the presenter's native
// widget host, or in a top-level window of its own when there is none. The view comes from
// the engine module, loaded when the first view is made; without it the control stays blank.
#include <memory>
#include <string>
#include <vector>

#include "platform/web/WebBrowser.h"

namespace platform::detail {

struct PendingScript;
struct WebViewEvents;

class WebKitBrowser : public WebBrowser {
public:
  // Null unless the gtk presenter is in use.
  static std::unique_ptr<WebKitBrowser> Create(HWND host, const CRect& rect);
  ~WebKitBrowser() override;

  void SetRect(const CRect& rect) override;
  void Show(bool visible) override;
  void Navigate(const CString& address) override;
  bool HasDocument() const override;
  void CallFunction(const CString& name, const std::vector<CString>& args) override;
  CString CallFunctionForResult(const CString& name, const std::vector<CString>& args, DWORD timeoutMs) override;
  // Shown inside the presenter's window rather than in a window of its own.
  bool HostedByPresenter() const;
  // Every address the view has asked for, pages and their resources, in order.
  const std::vector<std::string>& RequestedUris() const;
  // Ends the process that runs the page, as a crash would.
  void EndPageProcess();

private:
  struct View;
  WebKitBrowser(HWND host, const CRect& rect);
  void MakeViewWhenDrawn();
  void MakeView();
  static WebViewEvents EventsInto(View* view);
  static int OnHostDrawn(void* window, void* cr, void* self);
  void Place();
  // Starts the call; null when the name is not a script identifier.
  std::shared_ptr<PendingScript> Evaluate(const CString& name, const std::vector<CString>& args);

  std::unique_ptr<View> m_view;
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);  // for work posted to the UI thread
  CRect m_rect;
  bool m_visible = true;
};

}  // namespace platform::detail

// The engine module: a WebKit view behind the program's view interface. Only the entry
// point at the bottom is visible outside the module.
#include <webkit2/webkit2.h>

#include <memory>
#include <utility>

#include "platform/base/detail/GObjectRef.h"
#include "platform/web/detail/WebEngine.h"
#include "platform/web/engine/WebKitContext.h"

namespace platform::detail {

namespace {

const char* TerminationText(WebKitWebProcessTerminationReason reason) {
  switch (reason) {
    case WEBKIT_WEB_PROCESS_CRASHED: return "crashed";
    case WEBKIT_WEB_PROCESS_EXCEEDED_MEMORY_LIMIT: return "out of memory";
    default: return "ended by the program";
  }
}

// One script call in flight; it owns itself until the engine answers.
struct Evaluation {
  std::function<void(const std::string&)> done;
  WebEngineLog log;
};

void OnEvaluated(GObject* source, GAsyncResult* res, gpointer data) {
  std::unique_ptr<Evaluation> call(static_cast<Evaluation*>(data));
  GError* error = nullptr;
  JSCValue* value = webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), res, &error);
  GErrorOwned owned(error);
  if (owned) call->log("web", "script failed: %s", owned->message);
  std::string result;
  if (value) {
    GObjectRef<JSCValue> owner = GObjectRef<JSCValue>::Adopt(value);
    if (!jsc_value_is_undefined(value) && !jsc_value_is_null(value)) {
      GlibOwned<char> text(jsc_value_to_string(value));
      if (text) result = text.get();
    }
  }
  call->done(result);
}

class WebKitView : public WebEngineView {
public:
  WebKitView(WebViewEvents events, WebEngineLog log) : m_events(std::move(events)), m_log(log) {
    WebKitWebView* view = WEBKIT_WEB_VIEW(webkit_web_view_new_with_context(ProgramWebContext(log)));
    m_view = GObjectRef<WebKitWebView>::SinkFloating(view);
    auto settings = GObjectRef<WebKitSettings>::Adopt(NewProgramViewSettings());
    webkit_web_view_set_settings(view, settings.get());
    m_loadChanged = GSignalHandler(view, g_signal_connect(view, "load-changed", G_CALLBACK(OnLoadChanged), this));
    m_processEnded =
        GSignalHandler(view, g_signal_connect(view, "web-process-terminated", G_CALLBACK(OnProcessEnded), this));
    m_resourceStarted =
        GSignalHandler(view, g_signal_connect(view, "resource-load-started", G_CALLBACK(OnResourceStarted), this));
  }

  GtkWidget* Widget() const override { return GTK_WIDGET(m_view.get()); }

  void Load(const std::string& uri) override { webkit_web_view_load_uri(m_view.get(), uri.c_str()); }

  void Evaluate(const std::string& script, std::function<void(const std::string&)> done) override {
    auto* call = new Evaluation{std::move(done), m_log};
    webkit_web_view_evaluate_javascript(m_view.get(), script.c_str(), static_cast<gssize>(script.size()), nullptr,
                                        nullptr, nullptr, OnEvaluated, call);
  }

  void EndPageProcess() override { webkit_web_view_terminate_web_process(m_view.get()); }

private:
  static void OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer self) {
    auto* view = static_cast<WebKitView*>(self);
    if (event == WEBKIT_LOAD_STARTED) view->m_events.loadChanged(false);
    if (event == WEBKIT_LOAD_FINISHED) view->m_events.loadChanged(true);
  }

  static void OnProcessEnded(WebKitWebView*, WebKitWebProcessTerminationReason reason, gpointer self) {
    static_cast<WebKitView*>(self)->m_events.processEnded(TerminationText(reason));
  }

  static void OnResourceStarted(WebKitWebView*, WebKitWebResource*, WebKitURIRequest* request, gpointer self) {
    static_cast<WebKitView*>(self)->m_events.resourceStarted(webkit_uri_request_get_uri(request));
  }

  WebViewEvents m_events;
  WebEngineLog m_log;
  GObjectRef<WebKitWebView> m_view;
  // Declared after the view, so they are disconnected before it goes.
  GSignalHandler m_loadChanged;
  GSignalHandler m_processEnded;
  GSignalHandler m_resourceStarted;
};

}  // namespace

}  // namespace platform::detail

extern "C" __attribute__((visibility("default"))) platform::detail::WebEngineView* rodemir_new_web_view(
    platform::detail::WebViewEvents events, platform::detail::WebEngineLog log) {
  return new platform::detail::WebKitView(std::move(events), log);
}

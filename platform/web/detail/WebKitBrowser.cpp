#include "platform/web/detail/WebKitBrowser.h"

#include <webkit2/webkit2.h>

#include <chrono>

#include "platform/base/Log.h"
#include "platform/base/UiDispatch.h"
#include "platform/base/detail/GObjectRef.h"
#include "platform/base/detail/OwnedWidget.h"
#include "platform/shell/detail/GtkStart.h"
#include "platform/web/detail/NativeWidgetHost.h"
#include "platform/web/detail/ScriptText.h"
#include "platform/web/detail/WebKitContext.h"

namespace platform::detail {

// The result of one script call, shared by the caller and the finishing callback.
struct PendingScript {
  bool done = false;
  std::string result;
};

struct WebKitBrowser::View {
  GObjectRef<WebKitWebView> view;  // null until the host's window has first been drawn
  OwnedWidget ownWindow;           // used only when no presenter hosts the view
  std::string pendingUri;          // asked for before the view was made
  GSignalHandler hostDrawn;
  bool loaded = false;
  std::vector<std::string> requests;
  GSignalHandler loadChanged;
  GSignalHandler processEnded;
  GSignalHandler resourceStarted;
};

namespace {

void OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer loaded) {
  if (event == WEBKIT_LOAD_STARTED) *static_cast<bool*>(loaded) = false;
  if (event == WEBKIT_LOAD_FINISHED) *static_cast<bool*>(loaded) = true;
}

const char* TerminationText(WebKitWebProcessTerminationReason reason) {
  switch (reason) {
    case WEBKIT_WEB_PROCESS_CRASHED: return "crashed";
    case WEBKIT_WEB_PROCESS_EXCEEDED_MEMORY_LIMIT: return "out of memory";
    default: return "ended by the program";
  }
}

// The page is gone with its process; the view stays blank until the next load.
void OnProcessTerminated(WebKitWebView*, WebKitWebProcessTerminationReason reason, gpointer loaded) {
  PlatformLog("web", "page process %s", TerminationText(reason));
  *static_cast<bool*>(loaded) = false;
}

void OnResourceStarted(WebKitWebView*, WebKitWebResource*, WebKitURIRequest* request, gpointer requests) {
  static_cast<std::vector<std::string>*>(requests)->push_back(webkit_uri_request_get_uri(request));
}

void OnEvaluated(GObject* source, GAsyncResult* res, gpointer data) {
  std::unique_ptr<std::shared_ptr<PendingScript>> pending(static_cast<std::shared_ptr<PendingScript>*>(data));
  GError* error = nullptr;
  JSCValue* value = webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), res, &error);
  GErrorOwned owned(error);
  if (owned) PlatformLog("web", "script failed: %s", owned->message);
  if (value) {
    GObjectRef<JSCValue> owner = GObjectRef<JSCValue>::Adopt(value);
    if (!jsc_value_is_undefined(value) && !jsc_value_is_null(value)) {
      GlibOwned<char> text(jsc_value_to_string(value));
      if (text) (*pending)->result = text.get();
    }
  }
  (*pending)->done = true;
}

}  // namespace

std::unique_ptr<WebKitBrowser> WebKitBrowser::Create(HWND host, const CRect& rect) {
  if (!StartGtk()) {
    PlatformLog("web", "no gtk presenter for the browser view");
    return nullptr;
  }
  return std::unique_ptr<WebKitBrowser>(new WebKitBrowser(host, rect));
}

WebKitBrowser::WebKitBrowser(HWND host, const CRect& rect) : WebBrowser(host), m_view(std::make_unique<View>()), m_rect(rect) {
  MakeViewWhenDrawn();
}

// Making a view costs more than the whole first paint of its window, so a window not yet
// on screen gets its view once it has been drawn.
void WebKitBrowser::MakeViewWhenDrawn() {
  GtkWindow* window = PresenterGtkWindow(Host());
  if (!window || gtk_widget_get_mapped(GTK_WIDGET(window))) {
    MakeView();
    return;
  }
  m_view->hostDrawn = GSignalHandler(window, g_signal_connect_after(window, "draw", G_CALLBACK(OnHostDrawn), this));
}

int WebKitBrowser::OnHostDrawn(void*, void*, void* self) {
  auto* browser = static_cast<WebKitBrowser*>(self);
  browser->m_view->hostDrawn.Disconnect();
  std::weak_ptr<bool> alive = browser->m_alive;
  PostToUiThread([browser, alive] {
    if (alive.lock()) browser->MakeView();
  });
  return FALSE;
}

void WebKitBrowser::MakeView() {
  WebKitWebView* view = WEBKIT_WEB_VIEW(webkit_web_view_new_with_context(ProgramWebContext()));
  m_view->view = GObjectRef<WebKitWebView>::SinkFloating(view);
  GObjectRef<WebKitSettings> settings = GObjectRef<WebKitSettings>::Adopt(NewProgramViewSettings());
  webkit_web_view_set_settings(view, settings.get());
  m_view->loadChanged =
      GSignalHandler(view, g_signal_connect(view, "load-changed", G_CALLBACK(OnLoadChanged), &m_view->loaded));
  m_view->processEnded = GSignalHandler(
      view, g_signal_connect(view, "web-process-terminated", G_CALLBACK(OnProcessTerminated), &m_view->loaded));
  m_view->resourceStarted = GSignalHandler(
      view, g_signal_connect(view, "resource-load-started", G_CALLBACK(OnResourceStarted), &m_view->requests));
  Place();
  if (!m_view->pendingUri.empty()) webkit_web_view_load_uri(view, m_view->pendingUri.c_str());
  m_view->pendingUri.clear();
}

WebKitBrowser::~WebKitBrowser() {
  m_view->hostDrawn.Disconnect();
  m_view->loadChanged.Disconnect();
  m_view->processEnded.Disconnect();
  m_view->resourceStarted.Disconnect();
  if (!m_view->view) return;
  // Plain GTK only: at exit the presenter may already be gone, its windows with it.
  GtkWidget* widget = GTK_WIDGET(m_view->view.get());
  if (GtkWidget* parent = gtk_widget_get_parent(widget)) gtk_container_remove(GTK_CONTAINER(parent), widget);
  m_view->ownWindow.reset();
}

void WebKitBrowser::Place() {
  if (!m_view->view) return;
  GtkWidget* widget = GTK_WIDGET(m_view->view.get());
  bool shown = m_visible && !m_rect.IsRectEmpty();
  NativeWidgetHost* host = GetNativeWidgetHost();
  if (!m_view->ownWindow && host && host->Place(Host(), widget, m_rect, shown)) return;
  if (!m_view->ownWindow) {
    m_view->ownWindow = OwnWidget(gtk_window_new(GTK_WINDOW_TOPLEVEL));
    gtk_container_add(GTK_CONTAINER(m_view->ownWindow.get()), widget);
  }
  if (!shown) {
    gtk_widget_hide(m_view->ownWindow.get());
    return;
  }
  gtk_window_move(GTK_WINDOW(m_view->ownWindow.get()), m_rect.left, m_rect.top);
  gtk_window_resize(GTK_WINDOW(m_view->ownWindow.get()), m_rect.Width(), m_rect.Height());
  gtk_widget_show_all(m_view->ownWindow.get());
}

void WebKitBrowser::SetRect(const CRect& rect) {
  m_rect = rect;
  Place();
}

void WebKitBrowser::Show(bool visible) {
  m_visible = visible;
  Place();
}

void WebKitBrowser::Navigate(const CString& address) {
  CString uri = BrowserAddressToUri(address);
  if (uri.IsEmpty()) return;
  m_view->loaded = false;
  if (m_view->view) webkit_web_view_load_uri(m_view->view.get(), uri.ToUtf8().c_str());
  else m_view->pendingUri = uri.ToUtf8();
}

bool WebKitBrowser::HostedByPresenter() const { return !m_view->ownWindow; }

bool WebKitBrowser::HasDocument() const { return m_view->loaded; }

const std::vector<std::string>& WebKitBrowser::RequestedUris() const { return m_view->requests; }

void WebKitBrowser::EndPageProcess() {
  if (m_view->view) webkit_web_view_terminate_web_process(m_view->view.get());
}

std::shared_ptr<PendingScript> WebKitBrowser::Evaluate(const CString& name, const std::vector<CString>& args) {
  std::string function = name.ToUtf8();
  if (!IsScriptIdentifier(function)) return nullptr;
  std::vector<std::string> texts;
  for (const CString& a : args) texts.push_back(a.ToUtf8());
  std::string script = FunctionCallScript(function, texts);
  auto pending = std::make_shared<PendingScript>();
  webkit_web_view_evaluate_javascript(m_view->view.get(), script.c_str(), static_cast<gssize>(script.size()), nullptr,
                                      nullptr, nullptr, OnEvaluated, new std::shared_ptr<PendingScript>(pending));
  return pending;
}

void WebKitBrowser::CallFunction(const CString& name, const std::vector<CString>& args) {
  if (HasDocument()) Evaluate(name, args);
}

CString WebKitBrowser::CallFunctionForResult(const CString& name, const std::vector<CString>& args, DWORD timeoutMs) {
  if (!HasDocument()) return CString();
  std::shared_ptr<PendingScript> pending = Evaluate(name, args);
  if (!pending) return CString();
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!pending->done && std::chrono::steady_clock::now() < deadline) platform::PumpUiThread(5);
  return pending->done ? CString::FromUtf8(pending->result) : CString();
}

}  // namespace platform::detail

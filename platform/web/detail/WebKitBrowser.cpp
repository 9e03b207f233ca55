#include "platform/web/detail/WebKitBrowser.h"

#include <gtk/gtk.h>

#include <chrono>

#include "platform/base/Log.h"
#include "platform/base/UiDispatch.h"
#include "platform/base/detail/GObjectRef.h"
#include "platform/base/detail/OwnedWidget.h"
#include "platform/shell/detail/GtkStart.h"
#include "platform/web/detail/NativeWidgetHost.h"
#include "platform/web/detail/ScriptText.h"
#include "platform/web/detail/WebEngineModule.h"

namespace platform::detail {

// The result of one script call, shared by the caller and the finishing callback.
struct PendingScript {
  bool done = false;
  std::string result;
};

struct WebKitBrowser::View {
  // Null until the host's window has first been drawn, and for good when the engine
  // module cannot be loaded.
  std::unique_ptr<WebEngineView> engine;
  OwnedWidget ownWindow;   // used only when no presenter hosts the view
  std::string pendingUri;  // asked for before the view was made
  GSignalHandler hostDrawn;
  bool loaded = false;
  std::vector<std::string> requests;
};

std::unique_ptr<WebKitBrowser> WebKitBrowser::Create(HWND host, const CRect& rect) {
  if (!StartGtk()) {
    PlatformLog("web", "no gtk presenter for the browser view");
    return nullptr;
  }
  return std::unique_ptr<WebKitBrowser>(new WebKitBrowser(host, rect));
}

WebKitBrowser::WebKitBrowser(HWND host, const CRect& rect)
    : WebBrowser(host), m_view(std::make_unique<View>()), m_rect(rect) {
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

// The view's reports, kept in `view`, which outlives the engine's view.
WebViewEvents WebKitBrowser::EventsInto(View* view) {
  WebViewEvents events;
  events.loadChanged = [view](bool loaded) { view->loaded = loaded; };
  // The page is gone with its process; the view stays blank until the next load.
  events.processEnded = [view](const std::string& reason) {
    PlatformLog("web", "page process %s", reason.c_str());
    view->loaded = false;
  };
  events.resourceStarted = [view](const std::string& uri) { view->requests.push_back(uri); };
  return events;
}

void WebKitBrowser::MakeView() {
  NewWebEngineViewFn newView = WebEngineModule();
  if (!newView) return;
  m_view->engine.reset(newView(EventsInto(m_view.get()), &PlatformLog));
  if (!m_view->engine) return;
  Place();
  if (!m_view->pendingUri.empty()) m_view->engine->Load(m_view->pendingUri);
  m_view->pendingUri.clear();
}

WebKitBrowser::~WebKitBrowser() {
  m_view->hostDrawn.Disconnect();
  if (!m_view->engine) return;
  // Plain GTK only: at exit the presenter may already be gone, its windows with it.
  GtkWidget* widget = m_view->engine->Widget();
  if (GtkWidget* parent = gtk_widget_get_parent(widget)) gtk_container_remove(GTK_CONTAINER(parent), widget);
  m_view->ownWindow.reset();
  m_view->engine.reset();
}

void WebKitBrowser::Place() {
  if (!m_view->engine) return;
  GtkWidget* widget = m_view->engine->Widget();
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
  if (m_view->engine) m_view->engine->Load(uri.ToUtf8());
  else m_view->pendingUri = uri.ToUtf8();
}

bool WebKitBrowser::HostedByPresenter() const { return !m_view->ownWindow; }

bool WebKitBrowser::HasDocument() const { return m_view->loaded; }

const std::vector<std::string>& WebKitBrowser::RequestedUris() const { return m_view->requests; }

void WebKitBrowser::EndPageProcess() {
  if (m_view->engine) m_view->engine->EndPageProcess();
}

std::shared_ptr<PendingScript> WebKitBrowser::Evaluate(const CString& name, const std::vector<CString>& args) {
  std::string function = name.ToUtf8();
  if (!IsScriptIdentifier(function)) return nullptr;
  std::vector<std::string> texts;
  for (const CString& a : args) texts.push_back(a.ToUtf8());
  std::string script = FunctionCallScript(function, texts);
  auto pending = std::make_shared<PendingScript>();
  m_view->engine->Evaluate(script, [pending](const std::string& result) {
    pending->result = result;
    pending->done = true;
  });
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

#pragma once
// The browser engine as the program sees it: a view made by the engine module, which the
// program loads the first time it makes one. Shared by both sides of that boundary, so it
// holds no engine types and nothing defined out of line.
#include <functional>
#include <string>

typedef struct _GtkWidget GtkWidget;

namespace platform::detail {

// What a view reports, on the UI thread. The owner of the view outlives the calls.
struct WebViewEvents {
  std::function<void(bool loaded)> loadChanged;  // false as a load starts, true as it ends
  std::function<void(const std::string& reason)> processEnded;
  std::function<void(const std::string& uri)> resourceStarted;
};

class WebEngineView {
public:
  virtual ~WebEngineView() = default;
  // Owned by the view; its owner places it and removes it from its parent before the end.
  virtual GtkWidget* Widget() const = 0;
  virtual void Load(const std::string& uri) = 0;
  // Runs `script`; `done` gets its result as text ("" for none or a failure), even when
  // the view goes first.
  virtual void Evaluate(const std::string& script, std::function<void(const std::string&)> done) = 0;
  // Ends the process that runs the page, as a crash would.
  virtual void EndPageProcess() = 0;
};

using WebEngineLog = void (*)(const char* category, const char* fmt, ...);
// The module's one entry point, by this name: a new view, or null.
using NewWebEngineViewFn = WebEngineView* (*)(WebViewEvents events, WebEngineLog log);
constexpr const char* kNewWebEngineViewSymbol = "rodemir_new_web_view";

}  // namespace platform::detail

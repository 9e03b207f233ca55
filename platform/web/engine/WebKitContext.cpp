#include "platform/web/engine/WebKitContext.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/base/detail/GObjectRef.h"

namespace platform::detail {

namespace {

constexpr const char* kProgramName = "RODEMIR";
// Port 1 on the loopback address: nothing listens there, so each request fails at once.
constexpr const char* kRefusingProxy = "http://127.0.0.1:1";

// The folder of the engine's disk cache and of its other stored data.
std::string BrowserCacheFolder() { return std::string(g_get_user_cache_dir()) + "/rodemir/web"; }

bool OfflineSeam() {
  const char* seam = std::getenv("RODEMIR_ONLINE");
  return seam && std::strcmp(seam, "0") == 0;
}

WebKitWebContext* NewContext(WebEngineLog log) {
  std::string cache = BrowserCacheFolder();
  auto data = GObjectRef<WebKitWebsiteDataManager>::Adopt(webkit_website_data_manager_new(
      "base-cache-directory", cache.c_str(), "base-data-directory", cache.c_str(), nullptr));
  if (OfflineSeam()) {
    GBoxedOwned<WebKitNetworkProxySettings, webkit_network_proxy_settings_get_type> proxy(
        webkit_network_proxy_settings_new(kRefusingProxy, nullptr));
    webkit_website_data_manager_set_network_proxy_settings(data.get(), WEBKIT_NETWORK_PROXY_MODE_CUSTOM, proxy.get());
  }
  WebKitWebContext* context = webkit_web_context_new_with_website_data_manager(data.get());  // holds its own
  // Keeps fetched resources on disk and reuses them while their server allows.
  webkit_web_context_set_cache_model(context, WEBKIT_CACHE_MODEL_WEB_BROWSER);
  log("web", "cache in %s%s", cache.c_str(), OfflineSeam() ? ", no network" : "");
  return context;
}

}  // namespace

WebKitWebContext* ProgramWebContext(WebEngineLog log) {
  // Never released: views made at any time share it.
  static WebKitWebContext* context = NewContext(log);
  return context;
}

WebKitSettings* NewProgramViewSettings() {
  WebKitSettings* settings = webkit_settings_new();
  webkit_settings_set_user_agent_with_application_details(settings, kProgramName, RODEMIR_VERSION);
  return settings;
}

}  // namespace platform::detail

#include "platform/web/engine/WebKitContext.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/base/detail/GObjectRef.h"

namespace platform::detail {

namespace {

constexpr const char* kProgramName = "RODEMIR";
// Port 1 on the loopback address: nothing listens there, so each request fails at once.
constexpr const char* kRefusingProxy = "http://127.0.0.1:1";

// The folder of the engine's disk cache and of its other stored data, in the file system's
// bytes; "" when the user's cache folder is not an absolute path.
std::string BrowserCacheFolder(const char* userCache) {
  if (!userCache || !g_path_is_absolute(userCache)) return {};
  return std::string(userCache) + "/rodemir/web";
}

// The engine reads the folder names it is given as text: a name that is not text in the file
// system's encoding becomes an empty one, and its folders relative ones. Such a folder is
// named through this process's descriptor of it, kept open for the life of the process; the
// engine's helper processes, this user's too, reach it there as well. "" for no folder.
std::string EngineFolderName(const std::string& folder) {
  if (folder.empty() || g_mkdir_with_parents(folder.c_str(), 0700) != 0) return {};
  GlibOwned<char> text(g_filename_to_utf8(folder.c_str(), -1, nullptr, nullptr, nullptr));
  if (text) return folder;
  int fd = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return {};
  std::string link = "/proc/" + std::to_string(getpid()) + "/fd/" + std::to_string(fd);
  if (g_file_test(link.c_str(), G_FILE_TEST_IS_DIR)) return link;
  close(fd);
  return {};
}

bool OfflineSeam() {
  const char* seam = std::getenv("RODEMIR_ONLINE");
  return seam && std::strcmp(seam, "0") == 0;
}

WebKitWebContext* NewContext(WebEngineLog log) {
  const char* userCache = g_get_user_cache_dir();
  std::string cache = BrowserCacheFolder(userCache);
  std::string named = EngineFolderName(cache);
  // Without a folder the engine keeps everything in memory, never in the working folder.
  auto data = GObjectRef<WebKitWebsiteDataManager>::Adopt(
      named.empty() ? webkit_website_data_manager_new_ephemeral()
                    : webkit_website_data_manager_new("base-cache-directory", named.c_str(), "base-data-directory",
                                                      named.c_str(), nullptr));
  if (OfflineSeam()) {
    GBoxedOwned<WebKitNetworkProxySettings, webkit_network_proxy_settings_get_type> proxy(
        webkit_network_proxy_settings_new(kRefusingProxy, nullptr));
    webkit_website_data_manager_set_network_proxy_settings(data.get(), WEBKIT_NETWORK_PROXY_MODE_CUSTOM, proxy.get());
  }
  WebKitWebContext* context = webkit_web_context_new_with_website_data_manager(data.get());  // holds its own
  // Keeps fetched resources on disk and reuses them while their server allows.
  webkit_web_context_set_cache_model(context, WEBKIT_CACHE_MODEL_WEB_BROWSER);
  const char* network = OfflineSeam() ? ", no network" : "";
  if (named.empty()) log("web", "no cache folder under \"%s\": cache in memory%s", userCache ? userCache : "", network);
  else log("web", "cache in %s%s", cache.c_str(), network);
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

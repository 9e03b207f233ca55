#include "platform/web/detail/WebEngineModule.h"

#include <gmodule.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "platform/base/detail/GObjectRef.h"

namespace platform::detail {

namespace {

struct ModuleState {
  std::string path;  // set by tests
  std::optional<NewWebEngineViewFn> entry;
};

ModuleState& State() {
  static ModuleState state;
  return state;
}

std::vector<std::string> Candidates() {
  if (!State().path.empty()) return {State().path};
  std::vector<std::string> paths;
  GlibOwned<char> program(g_file_read_link("/proc/self/exe", nullptr));
  if (program) {
    GlibOwned<char> folder(g_path_get_dirname(program.get()));
    paths.push_back(std::string(folder.get()) + "/" + kWebEngineModuleFile);
  }
  paths.push_back(std::string(RODEMIR_WEB_MODULE_DIR) + "/" + kWebEngineModuleFile);
  return paths;
}

// The entry point of the module at `path`, or null with the reason in `why`.
NewWebEngineViewFn Open(const std::string& path, std::string& why) {
  GModule* module = g_module_open(path.c_str(), G_MODULE_BIND_LOCAL);
  if (!module) {
    why = g_module_error();
    return nullptr;
  }
  gpointer entry = nullptr;
  if (!g_module_symbol(module, kNewWebEngineViewSymbol, &entry) || !entry) {
    why = g_module_error();
    g_module_close(module);
    return nullptr;
  }
  g_module_make_resident(module);
  return reinterpret_cast<NewWebEngineViewFn>(entry);
}

NewWebEngineViewFn Load() {
  std::string why = std::string(kWebEngineModuleFile) + " not found";
  for (const std::string& path : Candidates()) {
    if (!g_file_test(path.c_str(), G_FILE_TEST_EXISTS)) continue;
    if (NewWebEngineViewFn entry = Open(path, why)) return entry;
  }
  std::fprintf(stderr, "rodemir: the map is not shown: the browser engine could not be loaded (%s)\n", why.c_str());
  return nullptr;
}

}  // namespace

NewWebEngineViewFn WebEngineModule() {
  if (!State().entry) State().entry = Load();
  return *State().entry;
}

void SetWebEngineModulePath(const std::string& path) {
  State().path = path;
  State().entry.reset();
}

}  // namespace platform::detail

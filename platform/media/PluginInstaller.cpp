#include "platform/media/PluginInstaller.h"

#include <gst/gst.h>
#include <gst/pbutils/pbutils.h>

#include <memory>

#include "platform/base/Log.h"
#include "platform/media/detail/ClassTable.h"

namespace platform {

namespace {

struct GFreeDeleter {
  void operator()(gchar* p) const { g_free(p); }
};

PluginInstall ResultOf(GstInstallPluginsReturn result) {
  switch (result) {
    case GST_INSTALL_PLUGINS_SUCCESS: return PluginInstall::Installed;
    case GST_INSTALL_PLUGINS_HELPER_MISSING: return PluginInstall::NoInstaller;
    case GST_INSTALL_PLUGINS_NOT_FOUND: return PluginInstall::NotFound;
    case GST_INSTALL_PLUGINS_USER_ABORT: return PluginInstall::Refused;
    default: return PluginInstall::Failed;
  }
}

}  // namespace

PluginInstall InstallElementsThroughDesktop(const std::vector<std::string>& elements) {
  detail::EnsureMediaFramework();
  if (!gst_install_plugins_supported()) return PluginInstall::NoInstaller;
  std::vector<std::unique_ptr<gchar, GFreeDeleter>> owned;
  std::vector<gchar*> details;
  for (const std::string& name : elements) {
    owned.emplace_back(gst_missing_element_installer_detail_new(name.c_str()));
    if (owned.back()) details.push_back(owned.back().get());
  }
  details.push_back(nullptr);
  GstInstallPluginsReturn result = gst_install_plugins_sync(details.data(), nullptr);
  PlatformLog("media", "plugin installer: %s", gst_install_plugins_return_get_name(result));
  return ResultOf(result);
}

void RescanMediaElements() {
  detail::EnsureMediaFramework();
  gst_update_registry();
}

}  // namespace platform

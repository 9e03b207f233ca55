#include "platform/shell/NetworkState.h"

#include <gio/gio.h>

#include <cstdlib>
#include <cstring>

namespace {

bool Online() {
  const char* seam = std::getenv("RODEMIR_ONLINE");
  if (seam && *seam) return std::strcmp(seam, "0") != 0;
  // The default monitor is owned by GIO for the life of the process.
  GNetworkMonitor* monitor = g_network_monitor_get_default();
  return monitor && g_network_monitor_get_network_available(monitor);
}

}  // namespace

BOOL InternetGetConnectedState(LPDWORD lpdwFlags, DWORD) {
  bool online = Online();
  if (lpdwFlags) *lpdwFlags = online ? INTERNET_CONNECTION_LAN : INTERNET_CONNECTION_OFFLINE;
  return online ? TRUE : FALSE;
}

#include "platform/web/detail/NativeWidgetHost.h"

namespace platform::detail {

namespace {
NativeWidgetHost* g_host = nullptr;
}

void SetNativeWidgetHost(NativeWidgetHost* host) { g_host = host; }
NativeWidgetHost* GetNativeWidgetHost() { return g_host ? g_host : PresenterWidgetHost(); }

}  // namespace platform::detail

#pragma once
// What every browser view of the program shares: one web context whose disk cache lives in
// the user's cache folder, and settings that name the program in the User-Agent.
#include <webkit2/webkit2.h>

#include "platform/web/detail/WebEngine.h"

namespace platform::detail {

// Made on first use and kept for the life of the process. When RODEMIR_ONLINE is "0" at
// that moment, its views reach no server: every request goes to a proxy that refuses.
WebKitWebContext* ProgramWebContext(WebEngineLog log);
// A new reference.
WebKitSettings* NewProgramViewSettings();

}  // namespace platform::detail

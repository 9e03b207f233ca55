#pragma once
// The browser control as a child window: a window of this class shows a browser over its
// own rectangle, follows its moves, size and visibility, and ends it when destroyed. Find
// the browser with WebBrowser::ForHost(hwnd).
#include "platform/base/WinTypes.h"

namespace platform {

constexpr const wchar_t* WEBBROWSER_CLASS = L"RodemirWebBrowser";

// Registers the class; safe to call more than once.
void RegisterWebBrowserClass();

}  // namespace platform

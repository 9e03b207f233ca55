#pragma once
// The file operation's UI on the gtk presenter: a small progress window with a Cancel
// button, and GTK message dialogs for the replace and delete questions and for errors.
#include <memory>

#include "platform/shell/FileOperation.h"

namespace platform::detail {

// Null when GTK cannot be used (headless presenter, no display).
std::unique_ptr<FileOperationUi> MakeGtkFileOperationUi(HWND owner, const CString& title, bool silent);

}  // namespace platform::detail

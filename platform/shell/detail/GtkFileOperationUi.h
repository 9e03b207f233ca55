#pragma once
// The file operation's UI on the gtk presenter: a small progress window with a Cancel
// button, and GTK message dialogs for the replace and delete questions and for errors.
#include <memory>

#include "platform/base/detail/OwnedWidget.h"
#include "platform/shell/FileOperation.h"
#include "platform/shell/detail/FileOperationDialogs.h"

namespace platform::detail {

// Null when GTK cannot be used (headless presenter, no display). The progress window is
// titled `title`, or the operation's name when that is empty.
std::unique_ptr<FileOperationUi> MakeGtkFileOperationUi(HWND owner, UINT func, const CString& title, bool silent);

// The question or error as a GTK dialog, not yet shown; a button's response is its index.
OwnedWidget BuildGtkFileOperationDialog(GtkWindow* parent, const FileOperationDialog& dialog);

}  // namespace platform::detail

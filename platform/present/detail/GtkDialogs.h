#pragma once
// GTK's native dialogs for the gtk presenter: each runs modally over `parent` (may be
// null) while the window layer's loop keeps the queue, timers and GTK events flowing.
#include <functional>
#include <string>

// The layer's headers come first: they define TRUE and FALSE, which GLib defines only
// when they are not defined yet.
#include "platform/win/DialogRequests.h"

#include <gtk/gtk.h>

namespace platform::detail {

int RunGtkMessageBox(GtkWindow* parent, const MessageBoxRequest& request);
bool RunGtkFileChooser(GtkWindow* parent, const FileRequest& request, std::wstring* path);
// `open` is told of the dialog when it shows and of null when it is gone, so that the
// browser window's title and selection changes can reach it meanwhile.
bool RunGtkFolderChooser(GtkWindow* parent, const FolderRequest& request, std::wstring* path,
                         const std::function<void(GtkWidget*)>& open);
void SetGtkChooserFolder(GtkWidget* chooser, const std::wstring& path);

}  // namespace platform::detail

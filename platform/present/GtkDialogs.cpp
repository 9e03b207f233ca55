// Message boxes and file and folder choosers as GTK dialogs. A dialog is shown modal and
// transient for its owner's window; the window layer's own loop runs until it answers, so
// timers and posted messages keep coming as in any modal loop of the layer.
#include "platform/present/detail/GtkDialogs.h"


#include <memory>
#include <vector>

#include "platform/base/PlatformText.h"
#include "platform/base/String.h"
#include "platform/win/MessageBox.h"
#include "platform/win/detail/MessageLoop.h"
#include "platform/base/detail/GObjectRef.h"
#include "platform/base/detail/OwnedWidget.h"

namespace platform::detail {

namespace {

std::string Utf8(const std::wstring& text) { return WideToUtf8(text); }

// Waits for a dialog's answer: its "response", or closing it, which must not destroy
// it (the owner does that). Both handlers are disconnected when the watch goes.
class ResponseWatch {
public:
  explicit ResponseWatch(GtkWidget* dialog)
      : m_response(dialog, g_signal_connect(dialog, "response", G_CALLBACK(OnResponse), this)),
        m_delete(dialog, g_signal_connect(dialog, "delete-event", G_CALLBACK(OnDelete), this)) {}
  ResponseWatch(const ResponseWatch&) = delete;
  ResponseWatch& operator=(const ResponseWatch&) = delete;
  bool answered = false;
  int response = GTK_RESPONSE_NONE;

private:
  static void OnResponse(GtkDialog*, gint response, gpointer self) {
    auto* watch = static_cast<ResponseWatch*>(self);
    watch->answered = true;
    watch->response = response;
  }
  static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer self) {
    auto* watch = static_cast<ResponseWatch*>(self);
    if (!watch->answered) OnResponse(nullptr, GTK_RESPONSE_DELETE_EVENT, self);
    return TRUE;
  }
  GSignalHandler m_response;
  GSignalHandler m_delete;
};

int RunModal(GtkWidget* dialog) {
  ResponseWatch watch(dialog);
  GtkWindow* window = GTK_WINDOW(dialog);
  gtk_window_set_modal(window, TRUE);
  // Over the owner's window, or in the middle of the screen without one.
  gtk_window_set_position(window,
                          gtk_window_get_transient_for(window) ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
  gtk_widget_show_all(dialog);
  gtk_window_present(window);
  RunLoop([&watch] { return watch.answered; });
  return watch.answered ? watch.response : GTK_RESPONSE_DELETE_EVENT;
}

GtkMessageType MessageType(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return GTK_MESSAGE_ERROR;
    case MB_ICONQUESTION: return GTK_MESSAGE_QUESTION;
    case MB_ICONEXCLAMATION: return GTK_MESSAGE_WARNING;
    case MB_ICONASTERISK: return GTK_MESSAGE_INFO;
    default: return GTK_MESSAGE_OTHER;
  }
}

std::string Label(PlatformText id) { return Utf8(GetPlatformText(id)); }

std::vector<std::pair<std::string, int>> Buttons(UINT type) {
  std::string ok = Label(PlatformText::ButtonOk);
  std::string cancel = Label(PlatformText::ButtonCancel);
  std::string yes = Label(PlatformText::ButtonYes);
  std::string no = Label(PlatformText::ButtonNo);
  std::string retry = Label(PlatformText::ButtonRetry);
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{ok, IDOK}, {cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
      return {
          {Label(PlatformText::ButtonAbort), IDABORT}, {retry, IDRETRY}, {Label(PlatformText::ButtonIgnore), IDIGNORE}};
    case MB_YESNOCANCEL: return {{yes, IDYES}, {no, IDNO}, {cancel, IDCANCEL}};
    case MB_YESNO: return {{yes, IDYES}, {no, IDNO}};
    case MB_RETRYCANCEL: return {{retry, IDRETRY}, {cancel, IDCANCEL}};
    default: return {{ok, IDOK}};
  }
}

void AddFilters(GtkFileChooser* chooser, const FileRequest& request) {
  for (size_t i = 0; i < request.filters.size(); ++i) {
    GtkFileFilter* filter = gtk_file_filter_new();  // floating: the chooser sinks it
    gtk_file_filter_set_name(filter, Utf8(request.filters[i].first).c_str());
    std::string patterns = Utf8(request.filters[i].second);
    size_t start = 0;
    while (start <= patterns.size()) {
      size_t end = patterns.find(';', start);
      std::string pattern = patterns.substr(start, end == std::string::npos ? std::string::npos : end - start);
      // Patterns match without regard to case, as on the file systems they were written for.
      std::string folded;
      for (char c : pattern) {
        if (g_ascii_isalpha(c)) folded += std::string("[") + g_ascii_tolower(c) + g_ascii_toupper(c) + "]";
        else folded += c;
      }
      if (!folded.empty()) gtk_file_filter_add_pattern(filter, folded.c_str());
      if (end == std::string::npos) break;
      start = end + 1;
    }
    gtk_file_chooser_add_filter(chooser, filter);
    if (static_cast<int>(i) == request.filterIndex) gtk_file_chooser_set_filter(chooser, filter);
  }
}

// The chooser names files in the file system's bytes, not in UTF-8.
std::wstring ChosenPath(GtkFileChooser* chooser) {
  platform::detail::GlibOwned<gchar> name(gtk_file_chooser_get_filename(chooser));
  return name ? FileSystemToWide(name.get()) : std::wstring();
}

}  // namespace

int RunGtkMessageBox(GtkWindow* parent, const MessageBoxRequest& request) {
  OwnedWidget dialog = OwnWidget(gtk_message_dialog_new(parent, GtkDialogFlags(0), MessageType(request.type),
                                                        GTK_BUTTONS_NONE, "%s", Utf8(request.text).c_str()));
  gtk_window_set_title(GTK_WINDOW(dialog.get()), Utf8(request.caption).c_str());
  auto buttons = Buttons(request.type);
  for (const auto& [label, id] : buttons) gtk_dialog_add_button(GTK_DIALOG(dialog.get()), label.c_str(), id);
  size_t def = (request.type & MB_DEFMASK) >> 8;
  if (def < buttons.size()) gtk_dialog_set_default_response(GTK_DIALOG(dialog.get()), buttons[def].second);
  int response = RunModal(dialog.get());
  return response > 0 ? response : DismissedMessageBoxResult(request.type);
}

bool RunGtkFileChooser(GtkWindow* parent, const FileRequest& request, std::wstring* path) {
  GtkFileChooserAction action = request.save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN;
  std::string title = request.title.empty() ? Label(request.save ? PlatformText::SaveTitle : PlatformText::OpenTitle)
                                            : Utf8(request.title);
  OwnedWidget dialog = OwnWidget(gtk_file_chooser_dialog_new(
      title.c_str(), parent, action, Label(PlatformText::ButtonCancel).c_str(), GTK_RESPONSE_CANCEL,
      Label(request.save ? PlatformText::ButtonSave : PlatformText::ButtonOpen).c_str(), GTK_RESPONSE_ACCEPT, nullptr));
  auto* chooser = GTK_FILE_CHOOSER(dialog.get());
  gtk_dialog_set_default_response(GTK_DIALOG(dialog.get()), GTK_RESPONSE_ACCEPT);
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, request.overwritePrompt);
  std::wstring name = request.fileName;
  std::wstring folder = request.initialFolder;
  size_t slash = name.find_last_of(L'/');
  if (slash != std::wstring::npos) {
    if (folder.empty()) folder = name.substr(0, slash + 1);
    name = name.substr(slash + 1);
  }
  if (!folder.empty()) gtk_file_chooser_set_current_folder(chooser, WideToFileSystem(folder).c_str());
  if (request.save && !name.empty()) gtk_file_chooser_set_current_name(chooser, Utf8(name).c_str());
  AddFilters(chooser, request);
  if (RunModal(dialog.get()) != GTK_RESPONSE_ACCEPT) return false;
  *path = ChosenPath(chooser);
  return !path->empty();
}

bool RunGtkFolderChooser(GtkWindow* parent, const FolderRequest& request, std::wstring* path,
                         const std::function<void(GtkWidget*)>& open) {
  OwnedWidget dialog =
      OwnWidget(gtk_file_chooser_dialog_new(Utf8(request.title).c_str(), parent, GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER,
                                            Label(PlatformText::ButtonCancel).c_str(), GTK_RESPONSE_CANCEL,
                                            Label(PlatformText::ButtonSelect).c_str(), GTK_RESPONSE_ACCEPT, nullptr));
  auto* chooser = GTK_FILE_CHOOSER(dialog.get());
  gtk_dialog_set_default_response(GTK_DIALOG(dialog.get()), GTK_RESPONSE_ACCEPT);
  gtk_file_chooser_set_create_folders(chooser, request.newFolderButton);
  gtk_file_chooser_set_local_only(chooser, TRUE);
  if (!request.prompt.empty()) {
    GtkWidget* prompt = gtk_label_new(Utf8(request.prompt).c_str());  // owned by the dialog once packed
    gtk_label_set_xalign(GTK_LABEL(prompt), 0.0f);
    gtk_widget_set_margin_start(prompt, 8);
    gtk_widget_set_margin_top(prompt, 8);
    GtkWidget* content = gtk_dialog_get_content_area(GTK_DIALOG(dialog.get()));
    gtk_box_pack_start(GTK_BOX(content), prompt, FALSE, FALSE, 0);
    gtk_box_reorder_child(GTK_BOX(content), prompt, 0);
  }
  if (!request.selection.empty()) SetGtkChooserFolder(dialog.get(), request.selection);
  open(dialog.get());
  int response = RunModal(dialog.get());
  open(nullptr);
  if (response != GTK_RESPONSE_ACCEPT) return false;
  *path = ChosenPath(chooser);
  return !path->empty();
}

void SetGtkChooserFolder(GtkWidget* chooser, const std::wstring& path) {
  // The folder opens in the chooser; choosing without picking anything inside takes it.
  gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(chooser), WideToFileSystem(path).c_str());
}

}  // namespace platform::detail

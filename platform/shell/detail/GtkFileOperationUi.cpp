#include "platform/shell/detail/GtkFileOperationUi.h"

#include <gtk/gtk.h>

#include "platform/base/detail/OwnedWidget.h"
#include "platform/shell/detail/ErrnoCodes.h"
#include "platform/shell/detail/GtkStart.h"

namespace platform::detail {

namespace {

using Answer = FileOperationUi::Answer;

enum Response { kYes = 1, kYesToAll, kNo, kNoToAll, kCancel };

std::string BaseName(const CString& path) {
  std::string text = path.ToUtf8();
  size_t slash = text.rfind('/');
  return slash == std::string::npos ? text : text.substr(slash + 1);
}

std::string Reason(int error) {
  switch (error) {
    case DE_SAMEFILE: return "The source and destination file are the same.";
    case DE_INVALIDFILES: return "Only files can be copied or deleted.";
    case DE_FILEDESTISFLD: return "A folder of that name is in the way.";
    case ERROR_DISK_FULL_CODE: return "There is not enough space on the disk.";
    case 5: return "Access is denied.";
    case 2: return "The file cannot be found.";
    case 21: return "The device is not ready.";
    default: return "The operation failed (error " + std::to_string(error) + ").";
  }
}

int RunDialog(GtkWindow* parent, GtkMessageType type, const std::string& text,
              std::initializer_list<std::pair<const char*, int>> buttons) {
  OwnedWidget dialog =
      OwnWidget(gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, type, GTK_BUTTONS_NONE, "%s", text.c_str()));
  for (const auto& [label, id] : buttons) gtk_dialog_add_button(GTK_DIALOG(dialog.get()), label, id);
  gtk_window_set_keep_above(GTK_WINDOW(dialog.get()), TRUE);
  return gtk_dialog_run(GTK_DIALOG(dialog.get()));
}

Answer AnswerOf(int response) {
  switch (response) {
    case kYes: return Answer::Yes;
    case kYesToAll: return Answer::YesToAll;
    case kNo: return Answer::No;
    case kNoToAll: return Answer::NoToAll;
    default: return Answer::Cancel;
  }
}

class GtkFileOperationUi : public FileOperationUi {
public:
  GtkFileOperationUi(GtkWindow* owner, const CString& title, bool silent)
      : m_owner(owner), m_title(title.IsEmpty() ? "Copying" : title.ToUtf8()), m_silent(silent) {}

  void Progress(const CString& file, ULONGLONG, ULONGLONG done, ULONGLONG total) override {
    if (m_silent) return;
    if (!m_window) Build();
    gtk_label_set_text(GTK_LABEL(m_label), BaseName(file).c_str());
    gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(m_bar), total ? static_cast<double>(done) / total : 1.0);
  }

  bool CancelRequested() override { return m_cancelled; }

  Answer AskReplace(const CString& target, bool more) override {
    std::string text = "The destination already has a file named \"" + BaseName(target) + "\".\nReplace it?";
    if (more) {
      return AnswerOf(RunDialog(Parent(), GTK_MESSAGE_QUESTION, text,
                                {{"_Yes", kYes}, {"Yes to _all", kYesToAll}, {"_No", kNo}, {"N_o to all", kNoToAll},
                                 {"_Cancel", kCancel}}));
    }
    return AnswerOf(RunDialog(Parent(), GTK_MESSAGE_QUESTION, text, {{"_Yes", kYes}, {"_No", kNo}, {"_Cancel", kCancel}}));
  }

  Answer AskDelete(int count) override {
    std::string text = count == 1 ? "Delete this file?" : "Delete these " + std::to_string(count) + " files?";
    return AnswerOf(RunDialog(Parent(), GTK_MESSAGE_QUESTION, text, {{"_Yes", kYes}, {"_No", kNo}}));
  }

  void ShowError(const CString& file, int error) override {
    RunDialog(Parent(), GTK_MESSAGE_ERROR, "Cannot handle \"" + BaseName(file) + "\".\n" + Reason(error), {{"_OK", kCancel}});
  }

private:
  // Questions sit over the progress window once it shows, else over the owner.
  GtkWindow* Parent() const { return m_window ? GTK_WINDOW(m_window.get()) : m_owner; }

  void Build() {
    m_window = OwnWidget(gtk_window_new(GTK_WINDOW_TOPLEVEL));
    if (m_owner) gtk_window_set_transient_for(GTK_WINDOW(m_window.get()), m_owner);
    gtk_window_set_title(GTK_WINDOW(m_window.get()), m_title.c_str());
    gtk_window_set_default_size(GTK_WINDOW(m_window.get()), 360, -1);
    gtk_window_set_position(GTK_WINDOW(m_window.get()), m_owner ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
    gtk_window_set_keep_above(GTK_WINDOW(m_window.get()), TRUE);
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 8);
    gtk_container_set_border_width(GTK_CONTAINER(box), 12);
    m_label = gtk_label_new("");
    gtk_label_set_ellipsize(GTK_LABEL(m_label), PANGO_ELLIPSIZE_MIDDLE);
    m_bar = gtk_progress_bar_new();
    GtkWidget* cancel = gtk_button_new_with_mnemonic("_Cancel");
    g_signal_connect(cancel, "clicked", G_CALLBACK(OnCancel), &m_cancelled);
    // Closing the window asks to stop as well; the window stays until the copy ends.
    g_signal_connect(m_window.get(), "delete-event", G_CALLBACK(OnDelete), &m_cancelled);
    gtk_box_pack_start(GTK_BOX(box), m_label, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), m_bar, FALSE, FALSE, 0);
    gtk_box_pack_end(GTK_BOX(box), cancel, FALSE, FALSE, 0);
    gtk_container_add(GTK_CONTAINER(m_window.get()), box);
    gtk_widget_show_all(m_window.get());
  }

  static void OnCancel(GtkButton*, gpointer cancelled) { *static_cast<bool*>(cancelled) = true; }
  static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer cancelled) {
    *static_cast<bool*>(cancelled) = true;
    return TRUE;
  }

  GtkWindow* m_owner;  // borrowed: the presenter's window of the owner, or null
  std::string m_title;
  bool m_silent;
  bool m_cancelled = false;
  OwnedWidget m_window;  // destroyed with the UI
  GtkWidget* m_label = nullptr;
  GtkWidget* m_bar = nullptr;
};

}  // namespace

std::unique_ptr<FileOperationUi> MakeGtkFileOperationUi(HWND owner, const CString& title, bool silent) {
  if (!StartGtk()) return nullptr;
  return std::make_unique<GtkFileOperationUi>(PresenterGtkWindow(owner), title, silent);
}

}  // namespace platform::detail

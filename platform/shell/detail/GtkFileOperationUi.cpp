#include "platform/shell/detail/GtkFileOperationUi.h"

#include <gtk/gtk.h>

#include "platform/base/PlatformText.h"
#include "platform/shell/detail/GtkStart.h"

namespace platform::detail {

namespace {

using Answer = FileOperationUi::Answer;

std::string BaseName(const CString& path) {
  std::string text = path.ToUtf8();
  size_t slash = text.rfind('/');
  return slash == std::string::npos ? text : text.substr(slash + 1);
}

// Shows the dialog over `parent` until it is answered; closing it is Cancel.
Answer RunDialog(GtkWindow* parent, const FileOperationDialog& d) {
  OwnedWidget dialog = BuildGtkFileOperationDialog(parent, d);
  int response = gtk_dialog_run(GTK_DIALOG(dialog.get()));
  if (response < 0 || static_cast<size_t>(response) >= d.buttons.size()) return Answer::Cancel;
  return d.buttons[static_cast<size_t>(response)].second;
}

class GtkFileOperationUi : public FileOperationUi {
public:
  GtkFileOperationUi(GtkWindow* owner, UINT func, const CString& title, bool silent)
      : m_owner(owner), m_func(func), m_title(title.IsEmpty() ? WideToUtf8(OperationName(func)) : title.ToUtf8()),
        m_silent(silent) {}

  void Progress(const CString& file, ULONGLONG, ULONGLONG done, ULONGLONG total) override {
    if (m_silent) return;
    if (!m_window) Build();
    gtk_label_set_text(GTK_LABEL(m_label), BaseName(file).c_str());
    gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(m_bar), total ? static_cast<double>(done) / total : 1.0);
  }

  bool CancelRequested() override { return m_cancelled; }

  Answer AskReplace(const CString& target, bool more) override {
    return RunDialog(Parent(), ReplaceDialog(target, more));
  }

  Answer AskDelete(int count) override { return RunDialog(Parent(), DeleteDialog(count)); }

  void ShowError(const CString& file, int error) override { RunDialog(Parent(), ErrorDialog(m_func, file, error)); }

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
    GtkWidget* cancel = gtk_button_new_with_mnemonic(WideToUtf8(GetPlatformText(PlatformText::ButtonCancel)).c_str());
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
  UINT m_func;
  std::string m_title;
  bool m_silent;
  bool m_cancelled = false;
  OwnedWidget m_window;  // destroyed with the UI
  GtkWidget* m_label = nullptr;
  GtkWidget* m_bar = nullptr;
};

}  // namespace

OwnedWidget BuildGtkFileOperationDialog(GtkWindow* parent, const FileOperationDialog& d) {
  GtkMessageType type = d.kind == FileOperationDialog::Kind::Error ? GTK_MESSAGE_ERROR : GTK_MESSAGE_QUESTION;
  OwnedWidget dialog = OwnWidget(
      gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, type, GTK_BUTTONS_NONE, "%s", WideToUtf8(d.text).c_str()));
  gtk_window_set_title(GTK_WINDOW(dialog.get()), WideToUtf8(d.title).c_str());
  for (size_t i = 0; i < d.buttons.size(); ++i)
    gtk_dialog_add_button(GTK_DIALOG(dialog.get()), WideToUtf8(d.buttons[i].first).c_str(), static_cast<int>(i));
  gtk_window_set_keep_above(GTK_WINDOW(dialog.get()), TRUE);
  return dialog;
}

std::unique_ptr<FileOperationUi> MakeGtkFileOperationUi(HWND owner, UINT func, const CString& title, bool silent) {
  if (!StartGtk()) return nullptr;
  return std::make_unique<GtkFileOperationUi>(PresenterGtkWindow(owner), func, title, silent);
}

}  // namespace platform::detail

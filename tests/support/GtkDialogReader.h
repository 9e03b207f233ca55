#pragma once
// For suites on a display: reads back the GTK message dialog that the layer shows, while it
// waits for an answer, then answers it. Polls the main context that the dialog's own loop
// runs, so it works for any modal loop of the layer.
#include <gtk/gtk.h>

#include <string>
#include <vector>

namespace platform::test {

struct ShownDialog {
  std::string title;
  std::string text;
  std::vector<std::string> buttons;  // labels in order, "_" access keys included
  std::string ownerTitle;            // of the window it stands over; empty without one
};

class GtkDialogReader {
public:
  // Answers with the button at `buttonIndex`.
  explicit GtkDialogReader(int buttonIndex) : m_answer(buttonIndex) { m_source = g_timeout_add(20, Poll, this); }
  ~GtkDialogReader() {
    if (m_source) g_source_remove(m_source);
  }
  GtkDialogReader(const GtkDialogReader&) = delete;
  GtkDialogReader& operator=(const GtkDialogReader&) = delete;

  const std::vector<ShownDialog>& shown() const { return m_shown; }

private:
  static GtkDialog* FindDialog() {
    GList* windows = gtk_window_list_toplevels();
    GtkDialog* found = nullptr;
    for (GList* l = windows; l && !found; l = l->next) {
      if (GTK_IS_MESSAGE_DIALOG(l->data) && gtk_widget_get_mapped(GTK_WIDGET(l->data))) found = GTK_DIALOG(l->data);
    }
    g_list_free(windows);
    return found;
  }

  static std::string TitleOf(GtkWindow* window) {
    const char* title = window ? gtk_window_get_title(window) : nullptr;
    return title ? title : "";
  }

  // A message dialog's only buttons are its answers, in the order they were added.
  static void CollectButtons(GtkWidget* widget, std::vector<GtkWidget*>* buttons) {
    if (GTK_IS_BUTTON(widget)) {
      buttons->push_back(widget);
      return;
    }
    if (!GTK_IS_CONTAINER(widget)) return;
    gtk_container_forall(
        GTK_CONTAINER(widget),
        [](GtkWidget* child, gpointer data) { CollectButtons(child, static_cast<std::vector<GtkWidget*>*>(data)); },
        buttons);
  }

  static gboolean Poll(gpointer self) {
    auto* reader = static_cast<GtkDialogReader*>(self);
    GtkDialog* dialog = FindDialog();
    if (!dialog) return G_SOURCE_CONTINUE;
    ShownDialog shown;
    shown.title = TitleOf(GTK_WINDOW(dialog));
    shown.ownerTitle = TitleOf(gtk_window_get_transient_for(GTK_WINDOW(dialog)));
    gchar* text = nullptr;
    g_object_get(dialog, "text", &text, nullptr);
    shown.text = text ? text : "";
    g_free(text);
    std::vector<GtkWidget*> buttons;
    CollectButtons(GTK_WIDGET(dialog), &buttons);
    for (GtkWidget* button : buttons) {
      const char* label = gtk_button_get_label(GTK_BUTTON(button));
      shown.buttons.push_back(label ? label : "");
    }
    reader->m_shown.push_back(shown);
    if (reader->m_answer < static_cast<int>(buttons.size())) gtk_button_clicked(GTK_BUTTON(buttons[reader->m_answer]));
    else gtk_window_close(GTK_WINDOW(dialog));
    return G_SOURCE_CONTINUE;
  }

  int m_answer;
  guint m_source = 0;
  std::vector<ShownDialog> m_shown;
};

}  // namespace platform::test

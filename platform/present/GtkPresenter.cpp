// The GTK presenter: each top-level window is a GtkWindow, framed by the window manager
// when the window has a caption, whose drawing area shows the window's surface; GTK's events become InputEvents. The program places
// its own windows, so the X11 backend is forced.
#include "platform/present/detail/GtkPresenter.h"

#include <gdk/gdkkeysyms.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

#include "platform/base/String.h"
#include "platform/base/detail/GObjectRef.h"
#include "platform/base/detail/OwnedWidget.h"
#include "platform/gdi/detail/CairoRef.h"
#include "platform/win/InputEvent.h"
#include "platform/win/PresenterEvents.h"
#include "platform/present/detail/GtkDialogs.h"
#include "platform/present/detail/GtkIcon.h"
#include "platform/win/Keys.h"
#include "platform/win/Window.h"

namespace platform::detail {

namespace {

UINT VirtualKey(guint keyval) {
  switch (keyval) {
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter: return VK_RETURN;
    case GDK_KEY_Escape: return VK_ESCAPE;
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab: return VK_TAB;
    case GDK_KEY_BackSpace: return VK_BACK;
    case GDK_KEY_space: return VK_SPACE;
    case GDK_KEY_Page_Up: return VK_PRIOR;
    case GDK_KEY_Page_Down: return VK_NEXT;
    case GDK_KEY_End: return VK_END;
    case GDK_KEY_Home: return VK_HOME;
    case GDK_KEY_Left: return VK_LEFT;
    case GDK_KEY_Up: return VK_UP;
    case GDK_KEY_Right: return VK_RIGHT;
    case GDK_KEY_Down: return VK_DOWN;
    case GDK_KEY_Insert: return VK_INSERT;
    case GDK_KEY_Delete: return VK_DELETE;
    case GDK_KEY_Shift_L:
    case GDK_KEY_Shift_R: return VK_SHIFT;
    case GDK_KEY_Control_L:
    case GDK_KEY_Control_R: return VK_CONTROL;
    case GDK_KEY_Alt_L:
    case GDK_KEY_Alt_R: return VK_MENU;
    default: break;
  }
  if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F12) return VK_F1 + (keyval - GDK_KEY_F1);
  if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return 'A' + (keyval - GDK_KEY_a);
  if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return 'A' + (keyval - GDK_KEY_A);
  if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return '0' + (keyval - GDK_KEY_0);
  return 0;
}

struct Window {
  HWND hwnd = nullptr;
  OwnedWidget window;                // a top-level
  GtkWidget* area = nullptr;         // borrowed: a child of `window`
  const Surface* surface = nullptr;  // borrowed: the layer's surface of the window
  CRect rect;
};

// Pop-ups that never take activation (tips, a combo box's list): no focus, no taskbar
// entry; those that answer HTTRANSPARENT (tips) also let the pointer through to the
// window beneath.
void MakeBystander(GtkWidget* window, bool passPointer) {
  gtk_window_set_type_hint(GTK_WINDOW(window), GDK_WINDOW_TYPE_HINT_TOOLTIP);
  gtk_window_set_accept_focus(GTK_WINDOW(window), FALSE);
  gtk_window_set_focus_on_map(GTK_WINDOW(window), FALSE);
  gtk_window_set_skip_taskbar_hint(GTK_WINDOW(window), TRUE);
  if (!passPointer) return;
  gtk_widget_realize(window);
  CairoRegionRef nothing = CairoRegionRef::Adopt(cairo_region_create());
  gdk_window_input_shape_combine_region(gtk_widget_get_window(window), nothing.get(), 0, 0);
}

bool WindowManagerRuns() {
  GdkScreen* screen = gdk_screen_get_default();
  return screen && std::strcmp(gdk_x11_screen_get_window_manager_name(screen), "unknown") != 0;
}

class GtkPresenter : public Presenter {
public:
  void TopLevelCreated(HWND hwnd, HWND owner, const CRect& screenRect) override {
    Window& w = m_windows[hwnd];
    w.hwnd = hwnd;
    w.rect = screenRect;
    w.window = OwnWidget(gtk_window_new(GTK_WINDOW_TOPLEVEL));
    GtkWidget* window = w.window.get();
    gtk_window_set_decorated(GTK_WINDOW(window), FALSE);
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    if (GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_NOACTIVATE)
      MakeBystander(window, SendMessage(hwnd, WM_NCHITTEST, 0, 0) == HTTRANSPARENT);
    auto it = m_windows.find(owner);
    if (it != m_windows.end()) gtk_window_set_transient_for(GTK_WINDOW(window), GTK_WINDOW(it->second.window.get()));
    w.area = gtk_drawing_area_new();
    gtk_container_add(GTK_CONTAINER(window), w.area);
    gtk_widget_add_events(w.area, GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                      GDK_SCROLL_MASK | GDK_LEAVE_NOTIFY_MASK | GDK_KEY_PRESS_MASK |
                                      GDK_KEY_RELEASE_MASK);
    gtk_widget_set_can_focus(w.area, TRUE);
    g_signal_connect(w.area, "draw", G_CALLBACK(OnDraw), this);
    g_signal_connect(w.area, "motion-notify-event", G_CALLBACK(OnMotion), this);
    g_signal_connect(w.area, "button-press-event", G_CALLBACK(OnButton), this);
    g_signal_connect(w.area, "button-release-event", G_CALLBACK(OnButton), this);
    g_signal_connect(w.area, "scroll-event", G_CALLBACK(OnScroll), this);
    g_signal_connect(w.area, "leave-notify-event", G_CALLBACK(OnLeave), this);
    // The handlers go with the widgets, which the presenter destroys before itself.
    g_signal_connect(window, "key-press-event", G_CALLBACK(OnKey), this);
    g_signal_connect(window, "key-release-event", G_CALLBACK(OnKey), this);
    g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(window, "configure-event", G_CALLBACK(OnConfigure), this);
    g_signal_connect(window, "window-state-event", G_CALLBACK(OnState), this);
    g_object_set_data(G_OBJECT(window), "rodemir-hwnd", hwnd);
    g_object_set_data(G_OBJECT(w.area), "rodemir-hwnd", hwnd);
    gtk_widget_show(w.area);
    Place(w);
  }

  void TopLevelDestroyed(HWND hwnd) override { m_windows.erase(hwnd); }

  void TopLevelMoved(HWND hwnd, const CRect& screenRect) override {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end()) return;
    it->second.rect = screenRect;
    Place(it->second);
  }

  void TopLevelShown(HWND hwnd, bool visible, PresentedState state) override {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end()) return;
    GtkWindow* window = GTK_WINDOW(it->second.window.get());
    if (!visible) {
      gtk_widget_hide(it->second.window.get());
      return;
    }
    gtk_widget_show(it->second.window.get());
    Place(it->second);
    if (state == PresentedState::Minimized) gtk_window_iconify(window);
    else gtk_window_deiconify(window);
    // Maximised windows cover the whole monitor, panels included.
    if (state == PresentedState::Maximized) gtk_window_fullscreen(window);
    else if (state == PresentedState::Normal) gtk_window_unfullscreen(window);
  }

  void TopLevelRaised(HWND hwnd) override {
    auto it = m_windows.find(hwnd);
    if (it != m_windows.end() && gtk_widget_get_visible(it->second.window.get())) {
      gtk_window_present(GTK_WINDOW(it->second.window.get()));
      gtk_widget_grab_focus(it->second.area);
    }
  }

  void TopLevelTitle(HWND hwnd, const std::wstring& title) override {
    auto it = m_windows.find(hwnd);
    if (it != m_windows.end())
      gtk_window_set_title(GTK_WINDOW(it->second.window.get()), CString(title.c_str()).ToUtf8().c_str());
    // A folder browser's window stands for its chooser dialog.
    auto chooser = m_choosers.find(hwnd);
    if (chooser != m_choosers.end())
      gtk_window_set_title(GTK_WINDOW(chooser->second), CString(title.c_str()).ToUtf8().c_str());
  }

  // Static gravity keeps the window's own area where the layer placed it: the frame goes
  // around it, and moves and configure events both speak of the window's area. A framed
  // window offers moving and closing alone: it keeps its size and stays up while modal.
  void TopLevelDecorated(HWND hwnd, bool decorated) override {
    GtkWindow* window = GtkWindowOf(hwnd);
    if (!window) return;
    gtk_window_set_decorated(window, decorated);
    gtk_window_set_gravity(window, decorated ? GDK_GRAVITY_STATIC : GDK_GRAVITY_NORTH_WEST);
    if (decorated) gtk_widget_realize(GTK_WIDGET(window));
    if (GdkWindow* gdkWindow = gtk_widget_get_window(GTK_WIDGET(window)))
      gdk_window_set_functions(gdkWindow, decorated ? GdkWMFunction(GDK_FUNC_MOVE | GDK_FUNC_CLOSE) : GDK_FUNC_ALL);
  }

  void TopLevelIcon(HWND hwnd, const IconImage* icon) override {
    if (GtkWindow* window = GtkWindowOf(hwnd)) SetGtkWindowIcon(window, icon);
  }

  int MessageBox(const MessageBoxRequest& request) override {
    return RunGtkMessageBox(GtkWindowOf(request.owner), request);
  }

  bool ChooseFile(const FileRequest& request, std::wstring* path) override {
    return RunGtkFileChooser(GtkWindowOf(request.owner), request, path);
  }

  bool ChooseFolder(const FolderRequest& request, std::wstring* path) override {
    HWND browser = request.browser;
    return RunGtkFolderChooser(GtkWindowOf(request.owner), request, path, [this, browser](GtkWidget* dialog) {
      if (dialog) m_choosers[browser] = dialog;
      else m_choosers.erase(browser);
    });
  }

  void FolderSelectionChanged(HWND browser, const std::wstring& path) override {
    auto it = m_choosers.find(browser);
    if (it != m_choosers.end()) SetGtkChooserFolder(it->second, path);
  }

  void SurfaceUpdated(HWND hwnd, const Surface& surface, const CRect& dirty) override {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end()) return;
    it->second.surface = &surface;
    gtk_widget_queue_draw_area(it->second.area, dirty.left, dirty.top, dirty.Width(), dirty.Height());
  }

  void CursorChanged(int id) override {
    const char* name = id == 32649 ? "pointer" : id == 32513 ? "text" : id == 32514 ? "wait" : "default";
    for (auto& [hwnd, w] : m_windows) {
      GdkWindow* gdkWindow = gtk_widget_get_window(w.area);
      if (!gdkWindow) continue;
      auto cursor = GObjectRef<GdkCursor>::Adopt(gdk_cursor_new_from_name(gdk_window_get_display(gdkWindow), name));
      gdk_window_set_cursor(gdkWindow, cursor.get());
    }
  }

  CRect ScreenRect() const override { return MonitorRect(gdk_monitor_get_geometry); }
  CRect WorkArea() const override { return MonitorRect(gdk_monitor_get_workarea); }

private:
  GtkWindow* GtkWindowOf(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : GTK_WINDOW(it->second.window.get());
  }

  // A rectangle of the primary monitor (else the first), read by `read`.
  static CRect MonitorRect(void (*read)(GdkMonitor*, GdkRectangle*)) {
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = display ? gdk_display_get_primary_monitor(display) : nullptr;
    if (!monitor && display) monitor = gdk_display_get_monitor(display, 0);
    if (!monitor) return CRect(0, 0, 1920, 1080);
    GdkRectangle r;
    read(monitor, &r);
    return CRect(r.x, r.y, r.x + r.width, r.y + r.height);
  }

  static HWND HandleOf(GtkWidget* widget) {
    return static_cast<HWND>(g_object_get_data(G_OBJECT(widget), "rodemir-hwnd"));
  }

  void Place(Window& w) {
    gtk_widget_set_size_request(w.area, w.rect.Width(), w.rect.Height());
    gtk_window_resize(GTK_WINDOW(w.window.get()), std::max(1, w.rect.Width()), std::max(1, w.rect.Height()));
    gtk_window_move(GTK_WINDOW(w.window.get()), w.rect.left, w.rect.top);
  }

  static gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self) {
    auto* presenter = static_cast<GtkPresenter*>(self);
    auto it = presenter->m_windows.find(HandleOf(widget));
    if (it == presenter->m_windows.end() || !it->second.surface) return TRUE;
    const Surface& s = *it->second.surface;
    // Cairo only reads the pixels here; the surface's layout is cairo's RGB24.
    CairoSurfaceRef image = CairoSurfaceRef::Adopt(
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(s.pixels())),
                                            CAIRO_FORMAT_RGB24, s.width(), s.height(), s.stride()));
    cairo_set_source_surface(cr, image.get(), 0, 0);
    cairo_paint(cr);
    ReportFirstPaint();
    return TRUE;
  }

  // The start-up benchmark reads this line to time the first window put on screen.
  static void ReportFirstPaint() {
    static bool reported = false;
    if (reported || !std::getenv("RODEMIR_REPORT_FIRST_PAINT")) return;
    reported = true;
    std::fputs("first paint\n", stderr);
    std::fflush(stderr);
  }

  static CPoint Root(double x, double y) { return CPoint(static_cast<int>(x), static_cast<int>(y)); }

  static gboolean OnMotion(GtkWidget*, GdkEventMotion* e, gpointer) {
    InputEvent event;
    event.kind = InputKind::MouseMove;
    event.screen = Root(e->x_root, e->y_root);
    QueueInput(event);
    return TRUE;
  }

  static gboolean OnButton(GtkWidget* widget, GdkEventButton* e, gpointer) {
    if (e->type == GDK_2BUTTON_PRESS || e->type == GDK_3BUTTON_PRESS) return TRUE;  // the layer makes its own
    gtk_widget_grab_focus(widget);
    InputEvent event;
    event.kind = e->type == GDK_BUTTON_PRESS ? InputKind::ButtonDown : InputKind::ButtonUp;
    event.screen = Root(e->x_root, e->y_root);
    event.button = e->button == 3 ? MouseButton::Right : e->button == 2 ? MouseButton::Middle : MouseButton::Left;
    QueueInput(event);
    return TRUE;
  }

  static gboolean OnScroll(GtkWidget*, GdkEventScroll* e, gpointer) {
    InputEvent event;
    event.screen = Root(e->x_root, e->y_root);
    switch (e->direction) {
      case GDK_SCROLL_UP:
        event.kind = InputKind::Wheel;
        event.wheelDelta = WHEEL_DELTA;
        break;
      case GDK_SCROLL_DOWN:
        event.kind = InputKind::Wheel;
        event.wheelDelta = -WHEEL_DELTA;
        break;
      case GDK_SCROLL_LEFT:
        event.kind = InputKind::HorizontalWheel;
        event.wheelDelta = -WHEEL_DELTA;
        break;
      case GDK_SCROLL_RIGHT:
        event.kind = InputKind::HorizontalWheel;
        event.wheelDelta = WHEEL_DELTA;
        break;
      default: return TRUE;
    }
    QueueInput(event);
    return TRUE;
  }

  static gboolean OnLeave(GtkWidget*, GdkEventCrossing* e, gpointer) {
    if (e->mode != GDK_CROSSING_NORMAL) return FALSE;
    InputEvent event;
    event.kind = InputKind::PointerLeft;
    QueueInput(event);
    return FALSE;
  }

  static gboolean OnKey(GtkWidget*, GdkEventKey* e, gpointer self) {
    auto* presenter = static_cast<GtkPresenter*>(self);
    InputEvent event;
    bool down = e->type == GDK_KEY_PRESS;
    event.kind = down ? InputKind::KeyDown : InputKind::KeyUp;
    event.virtualKey = VirtualKey(e->keyval);
    if (!event.virtualKey) return FALSE;
    // X11 auto-repeat sends press after press: a press of a key already down repeats.
    event.repeat = down && presenter->m_down[event.virtualKey & 0xFF];
    presenter->m_down[event.virtualKey & 0xFF] = down;
    guint32 ch = gdk_keyval_to_unicode(e->keyval);
    if (down && ch && !(e->state & GDK_CONTROL_MASK)) event.character = static_cast<wchar_t>(ch);
    QueueInput(event);
    return TRUE;
  }

  static gboolean OnDelete(GtkWidget* widget, GdkEvent*, gpointer) {
    OnPresenterCloseRequested(HandleOf(widget));
    return TRUE;
  }

  static gboolean OnConfigure(GtkWidget* widget, GdkEventConfigure* e, gpointer) {
    OnPresenterMoved(HandleOf(widget), CPoint(e->x, e->y));
    return FALSE;
  }

  // Without a window manager nothing iconifies a window, but GDK reports an unmap it did
  // not ask for as one: a window hidden and shown again at once would count as minimised.
  static gboolean OnState(GtkWidget* widget, GdkEventWindowState* e, gpointer) {
    if (!(e->changed_mask & GDK_WINDOW_STATE_ICONIFIED) || !WindowManagerRuns()) return FALSE;
    bool iconified = (e->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0;
    OnPresenterStateChanged(HandleOf(widget), iconified ? PresentedState::Minimized : PresentedState::Normal);
    return FALSE;
  }

  std::map<HWND, Window> m_windows;
  std::map<HWND, GtkWidget*> m_choosers;  // borrowed: open folder choosers by their browser window
  bool m_down[256] = {};
};

}  // namespace

namespace {

// The windows are drawn with cairo alone. Left on, GDK opens the GL driver at start to
// choose a visual, which costs more than the rest of GTK's start. Children started later
// (the browser's processes) get the environment as it was.
bool StartGtkWithoutGl() {
  const bool chosen = std::getenv("GDK_GL") != nullptr;
  if (!chosen) g_setenv("GDK_GL", "disable", TRUE);
  const bool started = gtk_init_check(nullptr, nullptr);
  if (!chosen) g_unsetenv("GDK_GL");
  return started;
}

}  // namespace

std::unique_ptr<Presenter> CreateGtkPresenter() {
  gdk_set_allowed_backends("x11");
  if (!StartGtkWithoutGl()) return nullptr;
  return std::make_unique<GtkPresenter>();
}

}  // namespace platform::detail

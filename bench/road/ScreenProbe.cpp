#include "bench/road/ScreenProbe.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {

// Windows come and go between a listing and a look at them; such errors are expected.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

ScreenProbe::ScreenProbe() : display_(XOpenDisplay(nullptr)) { XSetErrorHandler(IgnoreError); }

ScreenProbe::~ScreenProbe() {
  if (display_) XCloseDisplay(display_);
}

std::vector<uint32_t> ScreenProbe::Pixels(const ScreenRect& rect) {
  std::vector<uint32_t> pixels;
  XImage* image = XGetImage(display_, DefaultRootWindow(display_), rect.x, rect.y, static_cast<unsigned>(rect.width),
                            static_cast<unsigned>(rect.height), AllPlanes, ZPixmap);
  if (!image) return pixels;
  pixels.reserve(static_cast<size_t>(rect.width) * static_cast<size_t>(rect.height));
  for (int y = 0; y < rect.height; ++y)
    for (int x = 0; x < rect.width; ++x) pixels.push_back(static_cast<uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFFu);
  XDestroyImage(image);
  return pixels;
}

bool ScreenProbe::WindowShown(const std::string& name) { return Search(DefaultRootWindow(display_), name, 0); }

// The window manager puts each program window in a frame, so names sit a few levels down.
bool ScreenProbe::Search(Window window, const std::string& name, int depth) {
  XWindowAttributes attributes;
  if (depth > 0 && (!XGetWindowAttributes(display_, window, &attributes) || attributes.map_state != IsViewable))
    return false;
  if (depth > 0 && Name(window) == name) return true;
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (depth > 3 || !XQueryTree(display_, window, &root, &parent, &children, &count)) return false;
  bool found = false;
  for (unsigned i = 0; i < count && !found; ++i) found = Search(children[i], name, depth + 1);
  if (children) XFree(children);
  return found;
}

std::string ScreenProbe::Name(Window window) {
  Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
  Atom netName = XInternAtom(display_, "_NET_WM_NAME", False);
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::string name;
  if (XGetWindowProperty(display_, window, netName, 0, 1024, False, utf8, &type, &format, &items, &after, &data) ==
          Success &&
      data && items > 0) {
    name.assign(reinterpret_cast<char*>(data), items);
    XFree(data);
    return name;
  }
  if (data) XFree(data);
  char* plain = nullptr;
  if (XFetchName(display_, window, &plain) && plain) {
    name = plain;
    XFree(plain);
  }
  return name;
}

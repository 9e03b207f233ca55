#include "platform/present/detail/GtkIcon.h"

#include <algorithm>

#include "platform/base/detail/GObjectRef.h"
#include "platform/win/Resources.h"

namespace platform::detail {

namespace {

// Icon pixels are premultiplied 0xAARRGGBB; a pixbuf holds straight RGBA bytes.
GdkPixbuf* PixbufOf(const IconImage& icon) {
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, icon.width, icon.height);
  if (!pixbuf) return nullptr;
  guchar* rows = gdk_pixbuf_get_pixels(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  for (int y = 0; y < icon.height; ++y) {
    guchar* out = rows + static_cast<ptrdiff_t>(y) * stride;
    for (int x = 0; x < icon.width; ++x, out += 4) {
      const uint32_t p = icon.pixels[static_cast<size_t>(y) * static_cast<size_t>(icon.width) + static_cast<size_t>(x)];
      const uint32_t a = p >> 24;
      auto straight = [a](uint32_t c) { return static_cast<guchar>(a ? std::min<uint32_t>(255, c * 255 / a) : 0); };
      out[0] = straight((p >> 16) & 0xFF);
      out[1] = straight((p >> 8) & 0xFF);
      out[2] = straight(p & 0xFF);
      out[3] = static_cast<guchar>(a);
    }
  }
  return pixbuf;
}

}  // namespace

void SetGtkWindowIcon(GtkWindow* window, const IconImage* icon) {
  if (!icon || icon->width <= 0 || icon->height <= 0) {
    gtk_window_set_icon(window, nullptr);
    return;
  }
  GObjectRef<GdkPixbuf> pixbuf = GObjectRef<GdkPixbuf>::Adopt(PixbufOf(*icon));
  gtk_window_set_icon(window, pixbuf.get());
}

}  // namespace platform::detail

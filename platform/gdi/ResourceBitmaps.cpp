#include "platform/gdi/detail/ResourceBitmaps.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/detail/CairoRef.h"

#include <map>
#include <mutex>

namespace {

std::mutex g_mutex;
CString g_folder;
std::map<UINT, std::shared_ptr<const platform::Surface>> g_cache;

std::shared_ptr<const platform::Surface> ReadPng(const std::string& path) {
  auto png = platform::detail::CairoSurfaceRef::Adopt(cairo_image_surface_create_from_png(path.c_str()));
  if (cairo_surface_status(png.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_surface_flush(png.get());
  int w = cairo_image_surface_get_width(png.get());
  int h = cairo_image_surface_get_height(png.get());
  int stride = cairo_image_surface_get_stride(png.get());
  const unsigned char* data = cairo_image_surface_get_data(png.get());
  cairo_format_t format = cairo_image_surface_get_format(png.get());
  if (!data || (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32)) return nullptr;
  auto surface = std::make_shared<platform::Surface>(w, h);
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * static_cast<size_t>(stride));
    for (int x = 0; x < w; ++x) surface->Set(x, y, row[x] & 0xFFFFFF);
  }
  return surface;
}

}  // namespace

namespace platform {

CString BitmapResourceFolder() {
  std::lock_guard<std::mutex> lock(g_mutex);
  return g_folder.IsEmpty() ? CString(RODEMIR_RES_DIR "/bitmaps") : g_folder;
}

void SetBitmapResourceFolder(const CString& folder) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_folder = folder;
  g_cache.clear();
}

}  // namespace platform

namespace platform::detail {

std::shared_ptr<const Surface> LoadResourceBitmap(UINT id) {
  std::string folder = WideToFileSystem(BitmapResourceFolder().str());
  std::lock_guard<std::mutex> lock(g_mutex);
  auto it = g_cache.find(id);
  if (it != g_cache.end()) return it->second;
  auto surface = ReadPng(folder + "/" + std::to_string(id) + ".png");
  if (surface) g_cache[id] = surface;
  return surface;
}

}  // namespace platform::detail

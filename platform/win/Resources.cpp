#include "platform/win/Resources.h"

#include <map>
#include <memory>

#include "platform/gdi/DC.h"
#include "platform/gdi/detail/CairoRef.h"

namespace {

std::map<UINT, std::wstring>& Strings() {
  static std::map<UINT, std::wstring> strings;
  return strings;
}

// Icons live as long as the process: the program loads each a few times at most.
std::map<UINT, std::unique_ptr<platform::IconImage>>& Icons() {
  static std::map<UINT, std::unique_ptr<platform::IconImage>> icons;
  return icons;
}

std::unique_ptr<platform::IconImage> ReadIconFile(UINT id) {
  std::string path = std::string(RODEMIR_RES_DIR) + "/icon/" + std::to_string(id) + ".png";
  auto png = platform::detail::CairoSurfaceRef::Adopt(cairo_image_surface_create_from_png(path.c_str()));
  if (cairo_surface_status(png.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  auto image = std::make_unique<platform::IconImage>();
  image->width = cairo_image_surface_get_width(png.get());
  image->height = cairo_image_surface_get_height(png.get());
  int stride = cairo_image_surface_get_stride(png.get());
  const unsigned char* data = cairo_image_surface_get_data(png.get());
  for (int y = 0; y < image->height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    image->pixels.insert(image->pixels.end(), row, row + image->width);
  }
  return image;
}

UINT ResourceId(LPCWSTR name) { return static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name) & 0xFFFF); }

}  // namespace

HINSTANCE AfxGetResourceHandle() { return reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(0x400000)); }
HINSTANCE AfxGetInstanceHandle() { return AfxGetResourceHandle(); }

int LoadString(HINSTANCE, UINT uID, LPWSTR lpBuffer, int cchBufferMax) {
  auto it = Strings().find(uID);
  if (it == Strings().end() || !lpBuffer || cchBufferMax <= 0) return 0;
  int n = std::min<int>(static_cast<int>(it->second.size()), cchBufferMax - 1);
  std::copy(it->second.begin(), it->second.begin() + n, lpBuffer);
  lpBuffer[n] = 0;
  return n;
}

HICON LoadIcon(HINSTANCE, LPCWSTR lpIconName) {
  if (!IS_INTRESOURCE(lpIconName)) return nullptr;
  UINT id = ResourceId(lpIconName);
  auto it = Icons().find(id);
  if (it == Icons().end()) {
    auto image = ReadIconFile(id);
    if (!image) return nullptr;
    it = Icons().emplace(id, std::move(image)).first;
  }
  return reinterpret_cast<HICON>(it->second.get());
}

HCURSOR LoadCursor(HINSTANCE, LPCWSTR lpCursorName) {
  if (!IS_INTRESOURCE(lpCursorName)) return nullptr;
  // The handle carries the id: the presenter shows the matching standard shape.
  return reinterpret_cast<HCURSOR>(static_cast<ULONG_PTR>(0x50000 | ResourceId(lpCursorName)));
}

BOOL DestroyIcon(HICON) { return TRUE; }

BOOL DrawIcon(HDC hDC, int x, int y, HICON hIcon) {
  CDC* dc = CDC::FromHandle(hDC);
  const platform::IconImage* image = platform::GetIconImage(hIcon);
  if (!dc || !image) return FALSE;
  for (int row = 0; row < image->height; ++row)
    for (int col = 0; col < image->width; ++col) {
      uint32_t p =
          image->pixels[static_cast<size_t>(row) * static_cast<size_t>(image->width) + static_cast<size_t>(col)];
      if ((p >> 24) < 0x80) continue;
      dc->FillSolidRect(x + col, y + row, 1, 1, platform::ColorFromPixel(p & 0xFFFFFF));
    }
  return TRUE;
}

namespace platform {

void RegisterStringResource(UINT id, const std::wstring& text) { Strings()[id] = text; }

std::wstring LoadStringResource(UINT id) {
  auto it = Strings().find(id);
  return it == Strings().end() ? std::wstring() : it->second;
}

void RegisterIconResource(UINT id, IconImage image) { Icons()[id] = std::make_unique<IconImage>(std::move(image)); }

const IconImage* GetIconImage(HICON icon) {
  for (const auto& [id, image] : Icons())
    if (reinterpret_cast<HICON>(image.get()) == icon) return image.get();
  return nullptr;
}

int CursorId(HCURSOR cursor) { return static_cast<int>(reinterpret_cast<ULONG_PTR>(cursor) & 0xFFFF); }

}  // namespace platform

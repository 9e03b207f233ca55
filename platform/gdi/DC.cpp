#include "platform/gdi/DC.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

namespace {

std::mutex g_mutex;
std::unordered_map<HDC, CDC*> g_dcs;
UINT_PTR g_next = 0x20000;

}  // namespace

CDC::CDC() {
  std::lock_guard<std::mutex> lock(g_mutex);
  m_hDC = reinterpret_cast<HDC>(g_next += 4);
  g_dcs[m_hDC] = this;
}

CDC::~CDC() {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_dcs.erase(m_hDC);
}

CDC* CDC::FromHandle(HDC hDC) {
  std::lock_guard<std::mutex> lock(g_mutex);
  auto it = g_dcs.find(hDC);
  return it == g_dcs.end() ? nullptr : it->second;
}

void CDC::AttachSurface(platform::Surface* surface, POINT origin, const RECT& clip) {
  m_surface = surface;
  m_origin = origin;
  CRect c(clip);
  CRect bounds(0, 0, surface ? surface->width() : 0, surface ? surface->height() : 0);
  m_clip.left = std::max(c.left, bounds.left);
  m_clip.top = std::max(c.top, bounds.top);
  m_clip.right = std::min(c.right, bounds.right);
  m_clip.bottom = std::min(c.bottom, bounds.bottom);
}

void CDC::DetachSurface() { m_surface = nullptr; }

void CDC::FillSolidRect(const RECT* rect, COLORREF color) {
  if (rect) FillSolidRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
  if (!m_surface) return;
  int left = std::max<int>(x + m_origin.x, m_clip.left), top = std::max<int>(y + m_origin.y, m_clip.top);
  int right = std::min<int>(x + cx + m_origin.x, m_clip.right), bottom = std::min<int>(y + cy + m_origin.y, m_clip.bottom);
  uint32_t pixel = platform::PixelFromColor(color);
  for (int py = top; py < bottom; ++py)
    for (int px = left; px < right; ++px) m_surface->Set(px, py, pixel);
}

COLORREF CDC::GetPixel(int x, int y) const {
  int px = x + m_origin.x, py = y + m_origin.y;
  if (!m_surface || px < m_clip.left || px >= m_clip.right || py < m_clip.top || py >= m_clip.bottom)
    return 0xFFFFFFFF;  // CLR_INVALID
  return platform::ColorFromPixel(m_surface->At(px, py));
}

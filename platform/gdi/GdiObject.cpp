#include "platform/gdi/GdiObject.h"

#include <cstring>
#include <mutex>
#include <unordered_map>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/detail/GdiTable.h"

namespace platform::detail {
namespace {

struct Entry {
  GdiDataPtr data;
  CGdiObject* owner = nullptr;
  std::unique_ptr<CGdiObject> wrapper;
};

struct Table {
  std::mutex mutex;
  std::unordered_map<HGDIOBJ, Entry> entries;
  UINT_PTR next = 0x40000;
};

Table& table() {
  static Table* t = new Table;  // outlives static CGdiObjects destroyed at exit
  return *t;
}

HGDIOBJ HandleOf(UINT_PTR v) { return reinterpret_cast<HGDIOBJ>(v); }

GdiDataPtr MakeStock(int index) {
  auto brush = [](COLORREF c, UINT style = BS_SOLID) {
    auto d = std::make_shared<GdiData>(GdiKind::Brush);
    d->color = c;
    d->brushStyle = style;
    return d;
  };
  auto pen = [](COLORREF c, int style = PS_SOLID) {
    auto d = std::make_shared<GdiData>(GdiKind::Pen);
    d->color = c;
    d->penStyle = style;
    return d;
  };
  auto font = [](const wchar_t* face, LONG height) {
    auto d = std::make_shared<GdiData>(GdiKind::Font);
    d->font.lfHeight = height;
    d->font.lfWeight = FW_NORMAL;
    d->font.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(d->font.lfFaceName, face, LF_FACESIZE - 1);
    return d;
  };
  switch (index) {
    case WHITE_BRUSH: return brush(RGB(255, 255, 255));
    case LTGRAY_BRUSH: return brush(RGB(192, 192, 192));
    case GRAY_BRUSH: return brush(RGB(128, 128, 128));
    case DKGRAY_BRUSH: return brush(RGB(64, 64, 64));
    case BLACK_BRUSH: return brush(RGB(0, 0, 0));
    case NULL_BRUSH: return brush(0, BS_NULL);
    case WHITE_PEN: return pen(RGB(255, 255, 255));
    case BLACK_PEN: return pen(RGB(0, 0, 0));
    case NULL_PEN: return pen(0, PS_NULL);
    case SYSTEM_FONT: return font(L"MS Shell Dlg", 16);
    case DEFAULT_GUI_FONT: return font(L"MS Shell Dlg", -11);
    case 21: {  // the 1 x 1 bitmap of a fresh memory DC
      auto d = std::make_shared<GdiData>(GdiKind::Bitmap);
      d->surface = std::make_shared<Surface>(1, 1);
      return d;
    }
    default: return nullptr;
  }
}

std::unique_ptr<CGdiObject> MakeWrapper(GdiKind kind) {
  switch (kind) {
    case GdiKind::Bitmap: return std::make_unique<CBitmap>();
    case GdiKind::Font: return std::make_unique<CFont>();
    case GdiKind::Brush: return std::make_unique<CBrush>();
    case GdiKind::Pen: return std::make_unique<CPen>();
  }
  return nullptr;
}

}  // namespace

HGDIOBJ RegisterGdiObject(GdiDataPtr data) {
  Table& t = table();
  std::lock_guard<std::mutex> lock(t.mutex);
  HGDIOBJ h = HandleOf(t.next += 4);
  t.entries[h].data = std::move(data);
  return h;
}

GdiDataPtr LookupGdiObject(HGDIOBJ h) {
  if (!h) return nullptr;
  Table& t = table();
  std::lock_guard<std::mutex> lock(t.mutex);
  auto it = t.entries.find(h);
  return it == t.entries.end() ? nullptr : it->second.data;
}

GdiDataPtr LookupGdiObject(HGDIOBJ h, GdiKind kind) {
  GdiDataPtr d = LookupGdiObject(h);
  return d && d->kind == kind ? d : nullptr;
}

bool DeleteGdiObject(HGDIOBJ h) {
  std::unique_ptr<CGdiObject> wrapper;
  {
    Table& t = table();
    std::lock_guard<std::mutex> lock(t.mutex);
    auto it = t.entries.find(h);
    if (it == t.entries.end() || it->second.data->stock) return false;
    wrapper = std::move(it->second.wrapper);
    if (it->second.owner) it->second.owner->m_hObject = nullptr;
    t.entries.erase(it);
  }
  if (wrapper) wrapper->m_hObject = nullptr;
  return true;
}

HGDIOBJ StockGdiObject(int index) {
  if (index < 0 || index > 21) return nullptr;
  Table& t = table();
  std::lock_guard<std::mutex> lock(t.mutex);
  HGDIOBJ h = HandleOf(0x1000 + 4 * static_cast<UINT_PTR>(index));
  auto it = t.entries.find(h);
  if (it != t.entries.end()) return h;
  GdiDataPtr d = MakeStock(index);
  if (!d) return nullptr;
  d->stock = true;
  t.entries[h].data = std::move(d);
  return h;
}

void SetGdiOwner(HGDIOBJ h, CGdiObject* owner) {
  Table& t = table();
  std::lock_guard<std::mutex> lock(t.mutex);
  auto it = t.entries.find(h);
  if (it != t.entries.end()) it->second.owner = owner;
}

void ClearGdiOwner(HGDIOBJ h, CGdiObject* owner) {
  Table& t = table();
  std::lock_guard<std::mutex> lock(t.mutex);
  auto it = t.entries.find(h);
  if (it != t.entries.end() && it->second.owner == owner) it->second.owner = nullptr;
}

CGdiObject* GdiWrapper(HGDIOBJ h) {
  if (!h) return nullptr;
  Table& t = table();
  std::lock_guard<std::mutex> lock(t.mutex);
  auto it = t.entries.find(h);
  if (it == t.entries.end()) return nullptr;
  Entry& e = it->second;
  if (e.owner) return e.owner;
  if (!e.wrapper) {
    e.wrapper = MakeWrapper(e.data->kind);
    e.wrapper->m_hObject = h;
  }
  return e.wrapper.get();
}

}  // namespace platform::detail

using namespace platform::detail;

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (!hObject || !LookupGdiObject(hObject)) return FALSE;
  if (hObject == m_hObject) return TRUE;
  DeleteObject();
  m_hObject = hObject;
  SetGdiOwner(hObject, this);
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ h = m_hObject;
  if (h) ClearGdiOwner(h, this);
  m_hObject = nullptr;
  return h;
}

BOOL CGdiObject::DeleteObject() {
  HGDIOBJ h = Detach();
  if (!h) return FALSE;
  DeleteGdiObject(h);  // a stock object stays
  return TRUE;
}

BOOL CGdiObject::CreateStockObject(int nIndex) {
  HGDIOBJ h = StockGdiObject(nIndex);
  if (!h) return FALSE;
  DeleteObject();
  m_hObject = h;  // stock objects have no owner
  return TRUE;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const { return GetObjectW(m_hObject, nCount, lpObject); }

UINT CGdiObject::GetObjectType() const { return ::GetObjectType(m_hObject); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) { return GdiWrapper(hObject); }

HGDIOBJ GetStockObject(int nIndex) { return StockGdiObject(nIndex); }

BOOL DeleteObject(HGDIOBJ hObject) {
  if (!LookupGdiObject(hObject)) return FALSE;
  DeleteGdiObject(hObject);
  return TRUE;
}

DWORD GetObjectType(HGDIOBJ hObject) {
  GdiDataPtr d = LookupGdiObject(hObject);
  if (!d) return 0;
  switch (d->kind) {
    case GdiKind::Bitmap: return OBJ_BITMAP;
    case GdiKind::Font: return OBJ_FONT;
    case GdiKind::Brush: return OBJ_BRUSH;
    case GdiKind::Pen: return OBJ_PEN;
  }
  return 0;
}

namespace {

template <typename T>
int CopyOut(const T& value, int nCount, LPVOID lpObject) {
  if (!lpObject) return static_cast<int>(sizeof(T));
  if (nCount < static_cast<int>(sizeof(T))) return 0;
  std::memcpy(lpObject, &value, sizeof(T));
  return static_cast<int>(sizeof(T));
}

}  // namespace

int GetObjectW(HGDIOBJ hObject, int nCount, LPVOID lpObject) {
  GdiDataPtr d = LookupGdiObject(hObject);
  if (!d) return 0;
  switch (d->kind) {
    case GdiKind::Bitmap: {
      BITMAP bm;
      bm.bmWidth = d->surface->width();
      bm.bmHeight = d->surface->height();
      bm.bmWidthBytes = d->surface->stride();
      bm.bmPlanes = 1;
      bm.bmBitsPixel = 32;
      return CopyOut(bm, nCount, lpObject);
    }
    case GdiKind::Font: return CopyOut(d->font, nCount, lpObject);
    case GdiKind::Brush: {
      LOGBRUSH lb;
      lb.lbStyle = d->brushStyle;
      lb.lbColor = d->color;
      return CopyOut(lb, nCount, lpObject);
    }
    case GdiKind::Pen: {
      LOGPEN lp;
      lp.lopnStyle = static_cast<UINT>(d->penStyle);
      lp.lopnWidth.x = d->penWidth;
      lp.lopnColor = d->color;
      return CopyOut(lp, nCount, lpObject);
    }
  }
  return 0;
}

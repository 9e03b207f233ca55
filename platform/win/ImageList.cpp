#include "platform/win/ImageList.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "platform/gdi/DC.h"

namespace {

struct ImageListData {
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
  // Images side by side: row y of image i starts at pixels[y * stride + i * cx].
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, as surfaces hold them
  std::vector<bool> masked;      // true: transparent; only with ILC_MASK
  int count = 0;

  int Stride() const { return count * cx; }
  bool HasMask() const { return (flags & ILC_MASK) != 0; }
};

// Never destroyed: image lists may be global objects released after other statics.
std::map<HIMAGELIST, std::unique_ptr<ImageListData>>& Lists() {
  static auto* lists = new std::map<HIMAGELIST, std::unique_ptr<ImageListData>>();
  return *lists;
}

ImageListData* Find(HIMAGELIST himl) {
  auto it = Lists().find(himl);
  return it == Lists().end() ? nullptr : it->second.get();
}

bool ReadBitmap(HBITMAP hbm, int& width, int& height, std::vector<uint32_t>& pixels) {
  BITMAP bm;
  if (!hbm || !GetObject(reinterpret_cast<HGDIOBJ>(hbm), sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
    return false;
  CBitmap* bitmap = CBitmap::FromHandle(hbm);
  if (!bitmap) return false;
  width = bm.bmWidth;
  height = bm.bmHeight;
  pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  DWORD bytes = static_cast<DWORD>(pixels.size() * sizeof(uint32_t));
  return bitmap->GetBitmapBits(bytes, pixels.data()) == bytes;
}

// Appends the images of a strip; `mask` marks transparent pixels of the strip (or is empty).
int Append(ImageListData& list, int width, int height, const std::vector<uint32_t>& strip,
           const std::vector<bool>& mask) {
  int added = width / list.cx;
  if (added <= 0) return -1;
  int first = list.count;
  int oldStride = list.Stride();
  int newStride = oldStride + added * list.cx;
  std::vector<uint32_t> pixels(static_cast<size_t>(newStride) * static_cast<size_t>(list.cy), 0);
  std::vector<bool> masked(pixels.size(), false);
  for (int y = 0; y < list.cy; ++y) {
    for (int x = 0; x < oldStride; ++x) {
      size_t from = static_cast<size_t>(y) * static_cast<size_t>(oldStride) + static_cast<size_t>(x);
      size_t to = static_cast<size_t>(y) * static_cast<size_t>(newStride) + static_cast<size_t>(x);
      pixels[to] = list.pixels[from];
      masked[to] = list.masked[from];
    }
    for (int x = 0; x < added * list.cx; ++x) {
      size_t to = static_cast<size_t>(y) * static_cast<size_t>(newStride) + static_cast<size_t>(oldStride + x);
      if (y >= height) continue;
      size_t from = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
      bool transparent = list.HasMask() && !mask.empty() && mask[from];
      masked[to] = transparent;
      pixels[to] = transparent ? 0 : (strip[from] & 0xFFFFFF);
    }
  }
  list.pixels.swap(pixels);
  list.masked.swap(masked);
  list.count += added;
  return first;
}

// Copies one image into a bitmap of its own, for blitting.
bool ImageBitmap(const ImageListData& list, int i, CBitmap& bitmap) {
  std::vector<uint32_t> bits(static_cast<size_t>(list.cx) * static_cast<size_t>(list.cy));
  for (int y = 0; y < list.cy; ++y)
    std::copy_n(list.pixels.begin() + y * list.Stride() + i * list.cx, list.cx, bits.begin() + y * list.cx);
  return bitmap.CreateBitmap(list.cx, list.cy, 1, 32, bits.data());
}

}  // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int) {
  if (cx <= 0 || cy <= 0) return nullptr;
  auto data = std::make_unique<ImageListData>();
  data->cx = cx;
  data->cy = cy;
  data->flags = flags;
  auto handle = reinterpret_cast<HIMAGELIST>(data.get());
  Lists()[handle] = std::move(data);
  return handle;
}

BOOL ImageList_Destroy(HIMAGELIST himl) { return Lists().erase(himl) ? TRUE : FALSE; }

int ImageList_GetImageCount(HIMAGELIST himl) {
  ImageListData* list = Find(himl);
  return list ? list->count : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy) {
  ImageListData* list = Find(himl);
  if (!list) return FALSE;
  if (cx) *cx = list->cx;
  if (cy) *cy = list->cy;
  return TRUE;
}

int ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask) {
  ImageListData* list = Find(himl);
  int width = 0, height = 0;
  std::vector<uint32_t> strip;
  if (!list || !ReadBitmap(hbmImage, width, height, strip)) return -1;
  std::vector<bool> mask;
  int mw = 0, mh = 0;
  std::vector<uint32_t> maskPixels;
  if (hbmMask && ReadBitmap(hbmMask, mw, mh, maskPixels)) {
    // A monochrome mask: white (set) pixels are transparent.
    mask.assign(strip.size(), false);
    for (int y = 0; y < std::min(height, mh); ++y)
      for (int x = 0; x < std::min(width, mw); ++x)
        mask[static_cast<size_t>(y * width + x)] = (maskPixels[static_cast<size_t>(y * mw + x)] & 0xFFFFFF) != 0;
  }
  return Append(*list, width, height, strip, mask);
}

int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask) {
  ImageListData* list = Find(himl);
  int width = 0, height = 0;
  std::vector<uint32_t> strip;
  if (!list || !ReadBitmap(hbmImage, width, height, strip)) return -1;
  std::vector<bool> mask(strip.size(), false);
  uint32_t key = platform::PixelFromColor(crMask & 0xFFFFFF);
  for (size_t i = 0; i < strip.size(); ++i) mask[i] = (strip[i] & 0xFFFFFF) == key;
  return Append(*list, width, height, strip, mask);
}

BOOL ImageList_Remove(HIMAGELIST himl, int i) {
  ImageListData* list = Find(himl);
  if (!list || i < -1 || i >= list->count) return FALSE;
  if (i == -1) {
    list->pixels.clear();
    list->masked.clear();
    list->count = 0;
    return TRUE;
  }
  std::vector<uint32_t> pixels;
  std::vector<bool> masked;
  for (int y = 0; y < list->cy; ++y) {
    for (int x = 0; x < list->Stride(); ++x) {
      if (x / list->cx == i) continue;
      pixels.push_back(list->pixels[static_cast<size_t>(y * list->Stride() + x)]);
      masked.push_back(list->masked[static_cast<size_t>(y * list->Stride() + x)]);
    }
  }
  list->pixels.swap(pixels);
  list->masked.swap(masked);
  --list->count;
  return TRUE;
}

BOOL ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle) {
  ImageListData* list = Find(himl);
  CDC* target = CDC::FromHandle(hdcDst);
  if (!list || !target || i < 0 || i >= list->count) return FALSE;
  CBitmap bitmap;
  CDC source;
  if (!ImageBitmap(*list, i, bitmap) || !source.CreateCompatibleDC(target)) return FALSE;
  CSelectObjectScope select(&source, &bitmap);
  bool opaque = !list->HasMask() || (fStyle & (ILD_IMAGE | ILD_ROP)) != 0;
  if (opaque) return target->BitBlt(x, y, list->cx, list->cy, &source, 0, 0, SRCCOPY);
  // Masked: copy each run of opaque pixels of a row.
  for (int row = 0; row < list->cy; ++row) {
    size_t base = static_cast<size_t>(row * list->Stride() + i * list->cx);
    for (int col = 0; col < list->cx;) {
      if (list->masked[base + static_cast<size_t>(col)]) {
        ++col;
        continue;
      }
      int end = col;
      while (end < list->cx && !list->masked[base + static_cast<size_t>(end)]) ++end;
      target->BitBlt(x + col, y + row, end - col, 1, &source, col, row, SRCCOPY);
      col = end;
    }
  }
  return TRUE;
}

CImageList::~CImageList() { DeleteImageList(); }

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
  DeleteImageList();
  m_hImageList = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
  return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList() {
  if (!m_hImageList) return FALSE;
  BOOL done = ImageList_Destroy(m_hImageList);
  m_hImageList = nullptr;
  return done;
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
  if (m_hImageList || !Find(hImageList)) return FALSE;
  m_hImageList = hImageList;
  return TRUE;
}

HIMAGELIST CImageList::Detach() {
  HIMAGELIST h = m_hImageList;
  m_hImageList = nullptr;
  return h;
}

int CImageList::GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
  if (!pbmImage) return -1;
  return ImageList_Add(m_hImageList, *pbmImage, pbmMask ? static_cast<HBITMAP>(*pbmMask) : nullptr);
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
  return pbmImage ? ImageList_AddMasked(m_hImageList, *pbmImage, crMask) : -1;
}

BOOL CImageList::Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
  return pDC ? ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle) : FALSE;
}

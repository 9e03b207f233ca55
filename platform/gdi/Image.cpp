#include "platform/gdi/Image.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/Log.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/detail/GdiTable.h"

#include <turbojpeg.h>

#include <memory>
#include <string>

using namespace platform::detail;

namespace {

constexpr int kJpegQuality = 90;

HRESULT FromErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR: return static_cast<HRESULT>(0x80070003u);  // path not found
    case EACCES:
    case EPERM:
    case EROFS: return E_ACCESSDENIED;
    case ENOSPC: return static_cast<HRESULT>(0x80070070u);  // disk full
    default: return E_FAIL;
  }
}

struct TjDeleter {
  void operator()(void* handle) const { tjDestroy(handle); }
};
struct TjBufferDeleter {
  void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

bool HasJpegExtension(const std::string& path) {
  auto dot = path.rfind('.');
  if (dot == std::string::npos) return false;
  std::string ext = path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return ext == "jpg" || ext == "jpeg";
}

// Writes all of `data` to a new file beside `path`, then renames it over `path`.
HRESULT WriteAtomically(const std::string& path, const unsigned char* data, size_t size) {
  std::string temp = path + ".partXXXXXX";
  int fd = mkstemp(temp.data());
  if (fd < 0) return FromErrno(errno);
  fchmod(fd, 0644);
  size_t done = 0;
  while (done < size) {
    ssize_t n = write(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      int error = errno;
      close(fd);
      unlink(temp.c_str());
      return FromErrno(error);
    }
    done += static_cast<size_t>(n);
  }
  if (close(fd) != 0 || rename(temp.c_str(), path.c_str()) != 0) {
    int error = errno;
    unlink(temp.c_str());
    return FromErrno(error);
  }
  return S_OK;
}

}  // namespace

CImage::~CImage() { Destroy(); }

BOOL CImage::Create(int nWidth, int nHeight, int nBPP, DWORD) {
  if (nBPP != 32) return FALSE;
  HBITMAP h = ::CreateCompatibleBitmap(nullptr, nWidth, nHeight > 0 ? nHeight : -nHeight);
  if (!h) return FALSE;
  Destroy();
  m_hBitmap = h;
  return TRUE;
}

void CImage::Attach(HBITMAP hBitmap) {
  Destroy();
  m_hBitmap = hBitmap;
}

HBITMAP CImage::Detach() {
  HBITMAP h = m_hBitmap;
  m_hBitmap = nullptr;
  return h;
}

void CImage::Destroy() {
  if (m_hBitmap) ::DeleteObject(ToGdi(m_hBitmap));
  m_hBitmap = nullptr;
}

int CImage::GetWidth() const {
  GdiDataPtr d = LookupGdiObject(ToGdi(m_hBitmap), GdiKind::Bitmap);
  return d ? d->surface->width() : 0;
}

int CImage::GetHeight() const {
  GdiDataPtr d = LookupGdiObject(ToGdi(m_hBitmap), GdiKind::Bitmap);
  return d ? d->surface->height() : 0;
}

void* CImage::GetBits() {
  GdiDataPtr d = LookupGdiObject(ToGdi(m_hBitmap), GdiKind::Bitmap);
  return d ? d->surface->pixels() : nullptr;
}

int CImage::GetPitch() const {
  GdiDataPtr d = LookupGdiObject(ToGdi(m_hBitmap), GdiKind::Bitmap);
  return d ? d->surface->stride() : 0;
}

COLORREF CImage::GetPixel(int x, int y) const {
  GdiDataPtr d = LookupGdiObject(ToGdi(m_hBitmap), GdiKind::Bitmap);
  if (!d || x < 0 || y < 0 || x >= d->surface->width() || y >= d->surface->height()) return CLR_INVALID;
  return platform::ColorFromPixel(d->surface->At(x, y));
}

void CImage::SetPixel(int x, int y, COLORREF color) {
  GdiDataPtr d = LookupGdiObject(ToGdi(m_hBitmap), GdiKind::Bitmap);
  if (!d || x < 0 || y < 0 || x >= d->surface->width() || y >= d->surface->height()) return;
  d->surface->Set(x, y, platform::PixelFromColor(color));
}

HRESULT CImage::Save(LPCWSTR pszFileName, Gdiplus::ImageFormatId guidFileType) const {
  GdiDataPtr d = LookupGdiObject(ToGdi(m_hBitmap), GdiKind::Bitmap);
  if (!d || !pszFileName || !*pszFileName) return E_FAIL;
  std::string path = WideToFileSystem(pszFileName);
  if (!(guidFileType == Gdiplus::ImageFormatJPEG) && !HasJpegExtension(path)) return E_FAIL;

  const platform::Surface& s = *d->surface;
  std::unique_ptr<void, TjDeleter> tj(tjInitCompress());
  if (!tj) return E_FAIL;
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  // Surface bytes are B, G, R, x in memory, top row first.
  int rc = tjCompress2(tj.get(), reinterpret_cast<const unsigned char*>(s.pixels()), s.width(), s.stride(), s.height(),
                       TJPF_BGRX, &out, &outSize, TJSAMP_420, kJpegQuality, 0);
  std::unique_ptr<unsigned char, TjBufferDeleter> jpeg(out);
  if (rc != 0) {
    PlatformLog("gdi", "JPEG encoding failed: %s", tjGetErrorStr2(tj.get()));
    return E_FAIL;
  }
  HRESULT hr = WriteAtomically(path, jpeg.get(), outSize);
  if (FAILED(hr)) PlatformLog("gdi", "cannot write %s", path.c_str());
  return hr;
}

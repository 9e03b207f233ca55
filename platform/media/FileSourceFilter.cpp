#include <sys/stat.h>

#include <cstdio>

#include "platform/base/Log.h"
#include "platform/base/String.h"
#include "platform/media/detail/GstFilters.h"

namespace platform::detail {

FileSourceFilter* FileSourceFilter::Create() {
  ElementRef src = MakeElement("filesrc");
  if (!src) return nullptr;
  auto* filter = new FileSourceFilter(std::move(src));
  filter->AddStaticPin(PINDIR_OUTPUT, GUID_NULL, "src");
  return filter;
}

FileSourceFilter::FileSourceFilter(ElementRef element) : GstFilterBase(std::move(element)) {}

HRESULT FileSourceFilter::QueryExtra(REFIID riid, void** ppv) {
  if (riid == IID_IFileSourceFilter) return AnswerInterface<IFileSourceFilter>(this, ppv);
  *ppv = nullptr;
  return E_NOINTERFACE;
}

// filesrc reports a missing file only when the graph starts; the open is tried here so
// that a bad path fails the load, as callers expect.
HRESULT FileSourceFilter::Load(LPCOLESTR fileName, const AM_MEDIA_TYPE*) {
  if (!fileName) return E_POINTER;
  std::string path = WideToFileSystem(fileName);
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    PlatformLog("media", "cannot load %s", path.c_str());
    return E_FAIL;
  }
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return E_ACCESSDENIED;
  std::fclose(f);
  m_location = path;
  g_object_set(element(), "location", path.c_str(), nullptr);
  return S_OK;
}

}  // namespace platform::detail

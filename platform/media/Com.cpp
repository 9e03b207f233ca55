#include "platform/media/Com.h"

#include <cstdlib>
#include <map>
#include <mutex>

#include "platform/media/Enumerators.h"
#include "platform/media/detail/ClassTable.h"

namespace {

thread_local int t_comInits = 0;

std::mutex& TableMutex() {
  static std::mutex m;
  return m;
}

// Replacements made by tests; a class id absent here uses the built-in factory.
std::map<CLSID, platform::MediaClassFactory>& Overrides() {
  static std::map<CLSID, platform::MediaClassFactory> table;
  return table;
}

}  // namespace

HRESULT CoInitialize(LPVOID) {
  platform::detail::EnsureMediaFramework();
  return t_comInits++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize() {
  if (t_comInits > 0) --t_comInits;
}

HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN outer, DWORD, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (outer) return E_INVALIDARG;
  platform::MediaClassFactory factory;
  {
    std::lock_guard<std::mutex> lock(TableMutex());
    auto it = Overrides().find(rclsid);
    if (it != Overrides().end()) {
      if (!it->second) return REGDB_E_CLASSNOTREG;
      factory = it->second;
    }
  }
  IUnknown* object = factory ? factory() : platform::detail::CreateBuiltInClass(rclsid);
  if (!object) return REGDB_E_CLASSNOTREG;
  HRESULT hr = object->QueryInterface(riid, ppv);
  object->Release();
  return hr;
}

LPVOID CoTaskMemAlloc(size_t size) { return std::malloc(size ? size : 1); }
void CoTaskMemFree(LPVOID p) { std::free(p); }

void DeleteMediaType(AM_MEDIA_TYPE* pmt) {
  if (!pmt) return;
  CoTaskMemFree(pmt->pbFormat);
  if (pmt->pUnk) pmt->pUnk->Release();
  CoTaskMemFree(pmt);
}

namespace platform {

void RegisterMediaClass(REFCLSID clsid, MediaClassFactory factory) {
  std::lock_guard<std::mutex> lock(TableMutex());
  Overrides()[clsid] = std::move(factory);
}

void RestoreMediaClass(REFCLSID clsid) {
  std::lock_guard<std::mutex> lock(TableMutex());
  Overrides().erase(clsid);
}

bool IsMediaClassReplaced(REFCLSID clsid) {
  std::lock_guard<std::mutex> lock(TableMutex());
  return Overrides().count(clsid) != 0;
}

void RestoreAllMediaClasses() {
  std::lock_guard<std::mutex> lock(TableMutex());
  Overrides().clear();
}

HRESULT MediaTypeEnumerator::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IEnumMediaTypes) return AnswerInterface<IEnumMediaTypes>(this, ppv);
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT MediaTypeEnumerator::Next(ULONG count, AM_MEDIA_TYPE** types, ULONG* fetched) {
  if (!types) return E_POINTER;
  ULONG n = 0;
  while (n < count && m_next < m_majors.size()) {
    auto* mt = static_cast<AM_MEDIA_TYPE*>(CoTaskMemAlloc(sizeof(AM_MEDIA_TYPE)));
    *mt = AM_MEDIA_TYPE{};
    mt->majortype = m_majors[m_next++];
    types[n++] = mt;
  }
  if (fetched) *fetched = n;
  return n == count ? S_OK : S_FALSE;
}

}  // namespace platform

#pragma once
// The component object model the media code is written against: class and interface ids,
// reference-counted interfaces, and creation of objects by class id through a class table
// that tests can replace entry by entry.
#include <atomic>
#include <cstdint>
#include <functional>

#include "platform/base/ComPtr.h"
#include "platform/base/Result.h"
#include "platform/base/WinTypes.h"

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};
using IID = GUID;
using CLSID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

bool operator==(const GUID& a, const GUID& b);
inline bool operator!=(const GUID& a, const GUID& b) { return !(a == b); }
inline bool IsEqualGUID(REFGUID a, REFGUID b) { return a == b; }
bool operator<(const GUID& a, const GUID& b);

struct IUnknown {
  virtual HRESULT QueryInterface(REFIID riid, void** ppv) = 0;
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

protected:
  ~IUnknown() = default;
};
using LPUNKNOWN = IUnknown*;

extern const IID IID_IUnknown;

constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;

// Counted per thread; the first call also starts the media framework.
HRESULT CoInitialize(LPVOID reserved);
void CoUninitialize();
HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN outer, DWORD context, REFIID riid, LPVOID* ppv);
LPVOID CoTaskMemAlloc(size_t size);
void CoTaskMemFree(LPVOID p);

namespace platform {

// Makes a new object with one reference held by the caller, or null.
using MediaClassFactory = std::function<IUnknown*()>;

// Replaces the factory of a class id (tests register fakes); a null factory makes the
// class unavailable. RestoreMediaClass puts the built-in factory back.
void RegisterMediaClass(REFCLSID clsid, MediaClassFactory factory);
void RestoreMediaClass(REFCLSID clsid);
void RestoreAllMediaClasses();
bool IsMediaClassReplaced(REFCLSID clsid);

// The reference count and the interface table of a simple object. Derive from the
// interfaces and from this, and answer QueryInterface through Find.
class RefCounted {
public:
  ULONG AddRefImpl() { return ++m_refs; }
  ULONG ReleaseImpl() {
    ULONG left = --m_refs;
    if (left == 0) DeleteThis();
    return left;
  }

protected:
  virtual ~RefCounted() = default;
  virtual void DeleteThis() { delete this; }

private:
  std::atomic<ULONG> m_refs{1};
};

#define RODEMIR_IUNKNOWN_IMPL                      \
  ULONG AddRef() override { return AddRefImpl(); } \
  ULONG Release() override { return ReleaseImpl(); }

// Hands out `self` as interface `iid` with a new reference.
template <typename I, typename T>
HRESULT AnswerInterface(T* self, void** ppv) {
  *ppv = static_cast<I*>(self);
  self->AddRef();
  return S_OK;
}

}  // namespace platform

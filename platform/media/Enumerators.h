#pragma once
// Enumerators over a snapshot of pins or filters, for the layer's objects and test fakes.
#include <vector>

#include "platform/media/MediaInterfaces.h"

namespace platform {

template <typename IEnum, typename Item>
class SnapshotEnumerator : public IEnum, public RefCounted {
public:
  explicit SnapshotEnumerator(std::vector<Item*> items) : m_items(std::move(items)) {
    for (Item* i : m_items) i->AddRef();
  }
  RODEMIR_IUNKNOWN_IMPL
  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown) return AnswerInterface<IEnum>(this, ppv);
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT Next(ULONG count, Item** out, ULONG* fetched) override {
    if (!out) return E_POINTER;
    ULONG n = 0;
    while (n < count && m_next < m_items.size()) {
      out[n] = m_items[m_next++];
      out[n]->AddRef();
      ++n;
    }
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }

protected:
  ~SnapshotEnumerator() override {
    for (Item* i : m_items) i->Release();
  }

private:
  std::vector<Item*> m_items;
  size_t m_next = 0;
};

using PinEnumerator = SnapshotEnumerator<IEnumPins, IPin>;
using FilterEnumerator = SnapshotEnumerator<IEnumFilters, IBaseFilter>;

// Hands out one media type of the given major type per call of Next.
class MediaTypeEnumerator : public IEnumMediaTypes, public RefCounted {
public:
  explicit MediaTypeEnumerator(std::vector<GUID> majors) : m_majors(std::move(majors)) {}
  RODEMIR_IUNKNOWN_IMPL
  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  HRESULT Next(ULONG count, AM_MEDIA_TYPE** types, ULONG* fetched) override;

private:
  std::vector<GUID> m_majors;
  size_t m_next = 0;
};

}  // namespace platform

#pragma once
// CMap: the class library's hash map. Text keys (CString or wide C strings) are hashed
// and compared by content and stored as copies, so a key never dangles.
#include <type_traits>
#include <unordered_map>

#include "platform/base/Object.h"
#include "platform/base/String.h"

namespace platform::detail {
template <typename KEY>
using MapStoredKey =
    std::conditional_t<std::is_same_v<std::decay_t<KEY>, const wchar_t*> || std::is_same_v<std::decay_t<KEY>, wchar_t*>,
                       CString, std::decay_t<KEY>>;
}

// POSITION-style iteration is by a cursor index into the insertion-independent hash order.
using POSITION = void*;

template <typename KEY, typename ARG_KEY, typename VALUE, typename ARG_VALUE>
class CMap : public CObject {
  using Stored = platform::detail::MapStoredKey<KEY>;

public:
  CMap() = default;
  CMap(const CMap&) = delete;
  CMap& operator=(const CMap&) = delete;

  void InitHashTable(UINT nHashSize, BOOL = TRUE) { m_map.reserve(nHashSize); }
  INT_PTR GetCount() const { return static_cast<INT_PTR>(m_map.size()); }
  INT_PTR GetSize() const { return GetCount(); }
  BOOL IsEmpty() const { return m_map.empty(); }

  BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
    auto it = m_map.find(Stored(key));
    if (it == m_map.end()) return FALSE;
    rValue = it->second;
    return TRUE;
  }
  VALUE& operator[](ARG_KEY key) { return m_map[Stored(key)]; }
  void SetAt(ARG_KEY key, ARG_VALUE value) { m_map[Stored(key)] = value; }
  BOOL RemoveKey(ARG_KEY key) { return m_map.erase(Stored(key)) > 0; }
  void RemoveAll() { m_map.clear(); }

  POSITION GetStartPosition() const { return m_map.empty() ? nullptr : ToPos(0); }
  void GetNextAssoc(POSITION& rPos, Stored& rKey, VALUE& rValue) const {
    size_t i = reinterpret_cast<size_t>(rPos) - 1;
    auto it = std::next(m_map.begin(), static_cast<long>(i));
    rKey = it->first;
    rValue = it->second;
    rPos = (i + 1 < m_map.size()) ? ToPos(i + 1) : nullptr;
  }

private:
  static POSITION ToPos(size_t i) { return reinterpret_cast<POSITION>(i + 1); }
  std::unordered_map<Stored, VALUE> m_map;
};

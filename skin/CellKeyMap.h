#pragma once
// Cell keys and the ordered map of the recording list's cells by key.
//
// A key holds the row above the low 16 bits and the column in them, like the 32-bit
// (row << 16) | column, but 64 bits wide so that no row aliases another. Ascending key
// order is row-major. Shifting every row at or after a given one costs nothing when that
// is every row (the map keeps a row offset) or none, so filling a list from the end and
// emptying it from the top stay linear.
#include <cstdint>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

#include "platform/base/WinTypes.h"

using CELLKEY = std::uint64_t;
constexpr CELLKEY CELLKEY_NONE = ~CELLKEY{0};

constexpr CELLKEY MakeCellKey(int row, int column) {
  return (static_cast<CELLKEY>(static_cast<std::uint32_t>(row)) << 16) | static_cast<CELLKEY>(column & 0xFFFF);
}
constexpr int CellKeyRow(CELLKEY key) { return static_cast<int>(key >> 16); }
constexpr int CellKeyColumn(CELLKEY key) { return static_cast<int>(key & 0xFFFF); }

template <typename VALUE>
class CCellKeyMap {
public:
  INT_PTR GetCount() const { return static_cast<INT_PTR>(m_items.size()); }
  BOOL IsEmpty() const { return m_items.empty(); }

  BOOL Lookup(CELLKEY key, VALUE& rValue) const {
    auto it = m_items.find(Stored(key));
    if (it == m_items.end()) return FALSE;
    rValue = it->second;
    return TRUE;
  }
  BOOL Contains(CELLKEY key) const { return m_items.count(Stored(key)) != 0; }
  void SetAt(CELLKEY key, VALUE value) { m_items[Stored(key)] = value; }
  BOOL RemoveKey(CELLKEY key) { return m_items.erase(Stored(key)) != 0; }
  void RemoveAll() { m_items.clear(); }

  CELLKEY First() const { return m_items.empty() ? CELLKEY_NONE : KeyOf(m_items.begin()->first); }
  CELLKEY Last() const { return m_items.empty() ? CELLKEY_NONE : KeyOf(std::prev(m_items.end())->first); }
  // The key after (before) `key`, which must be in the map; CELLKEY_NONE at the end.
  CELLKEY Next(CELLKEY key) const {
    auto it = m_items.find(Stored(key));
    if (it == m_items.end() || ++it == m_items.end()) return CELLKEY_NONE;
    return KeyOf(it->first);
  }
  CELLKEY Prev(CELLKEY key) const {
    auto it = m_items.find(Stored(key));
    if (it == m_items.end() || it == m_items.begin()) return CELLKEY_NONE;
    return KeyOf(std::prev(it)->first);
  }

  // Calls fn(key, value) in ascending key order.
  template <typename FN>
  void ForEach(FN fn) const {
    for (const auto& [stored, value] : m_items) fn(KeyOf(stored), value);
  }

  // The keys of one row, ascending.
  std::vector<CELLKEY> KeysOfRow(int row) const {
    std::vector<CELLKEY> keys;
    for (auto it = m_items.lower_bound({row - m_base, 0}); it != m_items.end() && it->first.first == row - m_base; ++it)
      keys.push_back(KeyOf(it->first));
    return keys;
  }

  // Moves every key whose row is at or after `row` by `delta` rows. The caller makes sure
  // no key lands on one that stays.
  void ShiftRows(int row, int delta) {
    if (m_items.empty() || delta == 0) return;
    const long long from = row - m_base;
    if (from <= m_items.begin()->first.first) {
      m_base += delta;
      return;
    }
    auto first = m_items.lower_bound({from, 0});
    std::vector<typename Items::node_type> moved;
    while (first != m_items.end()) moved.push_back(m_items.extract(first++));
    for (auto& node : moved) {
      node.key().first += delta;
      m_items.insert(std::move(node));
    }
  }

  // Moves every key whose column is at or after `column` one column right.
  void ShiftColumnsRight(int column) {
    Items shifted;
    for (auto& [stored, value] : m_items)
      shifted.emplace(std::make_pair(stored.first, stored.second >= column ? stored.second + 1 : stored.second), value);
    m_items.swap(shifted);
  }

private:
  using StoredKey = std::pair<long long, int>;  // (row less the offset, column)
  using Items = std::map<StoredKey, VALUE>;

  StoredKey Stored(CELLKEY key) const { return {static_cast<long long>(key >> 16) - m_base, CellKeyColumn(key)}; }
  CELLKEY KeyOf(const StoredKey& stored) const {
    return MakeCellKey(static_cast<int>(stored.first + m_base), stored.second);
  }

  Items m_items;
  long long m_base = 0;
};

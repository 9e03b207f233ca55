#pragma once
// CArray and CStringArray: the class library's value arrays, with its growth rule
// (grow by the set step, or by a size-dependent step when none is set).
#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/base/Object.h"
#include "platform/base/String.h"

#include "platform/base/System.h"

template <typename TYPE, typename ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
  CArray() = default;
  CArray(const CArray&) = delete;
  CArray& operator=(const CArray&) = delete;

  INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  BOOL IsEmpty() const { return m_data.empty(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }

  // nGrowBy of -1 keeps the current step.
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) {
    if (nNewSize < 0) AfxThrowInvalidArgException();
    if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
    size_t n = static_cast<size_t>(nNewSize);
    if (n == 0) {
      std::vector<TYPE>().swap(m_data);
      return;
    }
    if (m_data.capacity() == 0) {
      m_data.reserve(std::max(n, static_cast<size_t>(m_nGrowBy)));
    } else if (n > m_data.capacity()) {
      size_t step = static_cast<size_t>(m_nGrowBy);
      if (m_nGrowBy == 0) step = std::min<size_t>(1024, std::max<size_t>(4, m_data.size() / 8));
      Reallocate(std::max(n, m_data.capacity() + step));
    }
    m_data.resize(n);
  }

  INT_PTR Add(ARG_TYPE element) {
    INT_PTR index = GetSize();
    SetAtGrow(index, element);
    return index;
  }

  void SetAtGrow(INT_PTR nIndex, ARG_TYPE element) {
    if (nIndex < 0) AfxThrowInvalidArgException();
    if (nIndex >= GetSize()) {
      TYPE copy(element);  // element may live in the storage that grows
      SetSize(nIndex + 1);
      m_data[static_cast<size_t>(nIndex)] = std::move(copy);
    } else {
      m_data[static_cast<size_t>(nIndex)] = element;
    }
  }

  void RemoveAll() { SetSize(0); }

  const TYPE& GetAt(INT_PTR i) const { return m_data[Checked(i)]; }
  TYPE& GetAt(INT_PTR i) { return m_data[Checked(i)]; }
  TYPE& ElementAt(INT_PTR i) { return m_data[Checked(i)]; }
  void SetAt(INT_PTR i, ARG_TYPE element) { m_data[Checked(i)] = element; }
  const TYPE& operator[](INT_PTR i) const { return GetAt(i); }
  TYPE& operator[](INT_PTR i) { return GetAt(i); }
  const TYPE* GetData() const { return m_data.data(); }
  TYPE* GetData() { return m_data.data(); }

  void InsertAt(INT_PTR nIndex, ARG_TYPE element, INT_PTR nCount = 1) {
    if (nIndex < 0 || nCount < 0) AfxThrowInvalidArgException();
    TYPE copy(element);
    if (nIndex >= GetSize()) {
      SetSize(nIndex + nCount);
    } else {
      SetSize(GetSize() + nCount);
      std::move_backward(m_data.begin() + nIndex, m_data.end() - nCount, m_data.end());
    }
    std::fill(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount, copy);
  }

  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
    if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize()) AfxThrowInvalidArgException();
    m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
  }

  void Copy(const CArray& src) {
    SetSize(src.GetSize());
    std::copy(src.m_data.begin(), src.m_data.end(), m_data.begin());
  }

  INT_PTR Append(const CArray& src) {
    INT_PTR old = GetSize();
    for (const TYPE& e : src.m_data) Add(e);
    return old;
  }

  // Capacity in elements; not part of the class library, read by tests of the growth rule.
  size_t AllocatedSize() const { return m_data.capacity(); }

  auto begin() { return m_data.begin(); }
  auto end() { return m_data.end(); }
  auto begin() const { return m_data.begin(); }
  auto end() const { return m_data.end(); }

private:
  size_t Checked(INT_PTR i) const {
    if (i < 0 || i >= GetSize()) AfxThrowInvalidArgException();
    return static_cast<size_t>(i);
  }

  void Reallocate(size_t capacity) {
    std::vector<TYPE> bigger;
    bigger.reserve(capacity);
    for (TYPE& e : m_data) bigger.push_back(std::move(e));
    m_data.swap(bigger);
  }

  std::vector<TYPE> m_data;
  INT_PTR m_nGrowBy = 0;  // 0: the library's size-dependent step
};

class CStringArray : public CArray<CString, const wchar_t*> {};

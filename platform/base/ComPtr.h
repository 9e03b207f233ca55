#pragma once
// The owner of one reference to an object counted by AddRef and Release, such as an
// interface of the media layer. Each call that hands a pointer over says which it is:
// Adopt takes over a reference the caller was given, Share adds one of its own, Receive
// lets a call that hands out a new reference fill the owner, and Detach gives the
// reference back to the caller.
#include <cstddef>
#include <utility>

namespace platform {

template <typename T>
class ComPtr {
public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  ComPtr(const ComPtr& o) : m_p(o.m_p) {
    if (m_p) m_p->AddRef();
  }
  ComPtr(ComPtr&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
  ~ComPtr() { Reset(); }
  ComPtr& operator=(ComPtr o) noexcept {
    std::swap(m_p, o.m_p);
    return *this;
  }

  static ComPtr Adopt(T* p) {
    ComPtr c;
    c.m_p = p;
    return c;
  }
  static ComPtr Share(T* p) {
    if (p) p->AddRef();
    return Adopt(p);
  }

  void Reset() {
    if (T* p = std::exchange(m_p, nullptr)) p->Release();
  }
  T* get() const { return m_p; }
  T* operator->() const { return m_p; }
  explicit operator bool() const { return m_p != nullptr; }

  // For a call that hands out a new reference through T** (or void**): what the owner held
  // is released first.
  T** Receive() {
    Reset();
    return &m_p;
  }
  void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
  [[nodiscard]] T* Detach() { return std::exchange(m_p, nullptr); }

private:
  T* m_p = nullptr;
};

}  // namespace platform

#pragma once
// The owner of one reference to a counted object; Ops says how the object is counted (Ref,
// Unref, and RefSink for objects that start floating). Each call that hands a pointer over
// says which it is: Adopt takes over a reference the caller was given, Share adds one of its
// own, SinkFloating takes over a floating one, Receive lets a call that hands out a new
// reference fill the owner, and Detach gives the reference back to the caller.
#include <cstddef>
#include <utility>

namespace platform {

template <typename T, typename Ops>
class RefOwner {
public:
  RefOwner() = default;
  RefOwner(std::nullptr_t) {}
  RefOwner(const RefOwner& o) : m_p(o.m_p) {
    if (m_p) Ops::Ref(m_p);
  }
  RefOwner(RefOwner&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
  ~RefOwner() { Reset(); }
  RefOwner& operator=(RefOwner o) noexcept {
    std::swap(m_p, o.m_p);
    return *this;
  }

  static RefOwner Adopt(T* p) {
    RefOwner r;
    r.m_p = p;
    return r;
  }
  static RefOwner Share(T* p) {
    if (p) Ops::Ref(p);
    return Adopt(p);
  }
  static RefOwner SinkFloating(T* p) {
    if (p) Ops::RefSink(p);
    return Adopt(p);
  }

  void Reset() {
    if (T* p = std::exchange(m_p, nullptr)) Ops::Unref(p);
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

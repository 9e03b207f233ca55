#pragma once
// Owners for GLib objects used by the shell and browser code. Adopt takes over a reference
// the caller was given; Share adds one; SinkFloating takes over a floating one.
#include <glib-object.h>

#include <memory>
#include <utility>

namespace platform::detail {

template <typename T>
class GObjectRef {
public:
  GObjectRef() = default;
  GObjectRef(const GObjectRef& o) : m_p(o.m_p) { if (m_p) g_object_ref(m_p); }
  GObjectRef(GObjectRef&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
  ~GObjectRef() { Reset(); }
  GObjectRef& operator=(GObjectRef o) { std::swap(m_p, o.m_p); return *this; }

  static GObjectRef Adopt(T* p) { GObjectRef r; r.m_p = p; return r; }
  static GObjectRef Share(T* p) { if (p) g_object_ref(p); return Adopt(p); }
  static GObjectRef SinkFloating(T* p) { if (p) g_object_ref_sink(p); return Adopt(p); }

  void Reset() { if (T* p = std::exchange(m_p, nullptr)) g_object_unref(p); }
  T* get() const { return m_p; }
  explicit operator bool() const { return m_p != nullptr; }

private:
  T* m_p = nullptr;
};

struct GlibFree { void operator()(void* p) const { g_free(p); } };
template <typename T>
using GlibOwned = std::unique_ptr<T, GlibFree>;

struct GErrorFree { void operator()(GError* e) const { g_error_free(e); } };
using GErrorOwned = std::unique_ptr<GError, GErrorFree>;

// A signal handler that is disconnected when its owner goes.
class GSignalHandler {
public:
  GSignalHandler() = default;
  GSignalHandler(gpointer instance, gulong id) : m_instance(instance), m_id(id) {}
  GSignalHandler(const GSignalHandler&) = delete;
  GSignalHandler& operator=(const GSignalHandler&) = delete;
  GSignalHandler(GSignalHandler&& o) noexcept
      : m_instance(std::exchange(o.m_instance, nullptr)), m_id(std::exchange(o.m_id, 0)) {}
  GSignalHandler& operator=(GSignalHandler&& o) noexcept {
    Disconnect();
    m_instance = std::exchange(o.m_instance, nullptr);
    m_id = std::exchange(o.m_id, 0);
    return *this;
  }
  ~GSignalHandler() { Disconnect(); }
  void Disconnect() {
    // Disposing an object drops its handlers; the id may be gone already.
    if (m_instance && m_id && g_signal_handler_is_connected(m_instance, m_id))
      g_signal_handler_disconnect(m_instance, m_id);
    m_instance = nullptr;
    m_id = 0;
  }

private:
  gpointer m_instance = nullptr;
  gulong m_id = 0;
};

}  // namespace platform::detail

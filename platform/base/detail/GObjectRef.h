#pragma once
// Owners of GLib objects, for every part of the layer. The reference functions are a
// parameter of the one owner, so GStreamer's and cairo's objects use it too.
#include <glib-object.h>

#include <memory>
#include <utility>

#include "platform/base/RefOwner.h"

namespace platform::detail {

struct GObjectRefOps {
  static gpointer Ref(gpointer p) { return g_object_ref(p); }
  static gpointer RefSink(gpointer p) { return g_object_ref_sink(p); }
  static void Unref(gpointer p) { g_object_unref(p); }
};

template <typename T, typename Ops = GObjectRefOps>
using GRef = platform::RefOwner<T, Ops>;

template <typename T>
using GObjectRef = GRef<T, GObjectRefOps>;

struct GlibFree {
  void operator()(void* p) const { g_free(p); }
};
template <typename T>
using GlibOwned = std::unique_ptr<T, GlibFree>;

struct GErrorFree {
  void operator()(GError* e) const { g_error_free(e); }
};
using GErrorOwned = std::unique_ptr<GError, GErrorFree>;

// A boxed value, freed through its type.
template <typename T, GType (*Type)()>
struct GBoxedFree {
  void operator()(T* p) const { g_boxed_free(Type(), p); }
};
template <typename T, GType (*Type)()>
using GBoxedOwned = std::unique_ptr<T, GBoxedFree<T, Type>>;

// A list whose elements someone else owns.
struct GListFree {
  void operator()(GList* l) const { g_list_free(l); }
};
using GListOwned = std::unique_ptr<GList, GListFree>;

struct GSourceRefOps {
  static GSource* Ref(GSource* s) { return g_source_ref(s); }
  static void Unref(GSource* s) { g_source_unref(s); }
};
using GSourceRef = GRef<GSource, GSourceRefOps>;

// A source attached to a context: taken off it and released when its owner goes.
struct GSourceDetach {
  void operator()(GSource* s) const {
    g_source_destroy(s);
    g_source_unref(s);
  }
};
using AttachedSource = std::unique_ptr<GSource, GSourceDetach>;

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
    if (this != &o) {
      Disconnect();
      m_instance = std::exchange(o.m_instance, nullptr);
      m_id = std::exchange(o.m_id, 0);
    }
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

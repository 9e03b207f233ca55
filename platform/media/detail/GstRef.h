#pragma once
// Owners of GLib and GStreamer objects. Adopt takes over a reference the caller was given;
// Share adds one; SinkFloating takes over a new, floating element.
#include <gst/gst.h>

#include <memory>
#include <utility>

namespace platform::detail {

template <typename T>
class GstRef {
public:
  GstRef() = default;
  GstRef(const GstRef& o) : m_p(o.m_p) { if (m_p) gst_object_ref(m_p); }
  GstRef(GstRef&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
  ~GstRef() { Reset(); }
  GstRef& operator=(GstRef o) { std::swap(m_p, o.m_p); return *this; }

  static GstRef Adopt(T* p) { GstRef r; r.m_p = p; return r; }
  static GstRef Share(T* p) { if (p) gst_object_ref(p); return Adopt(p); }
  static GstRef SinkFloating(T* p) { if (p) gst_object_ref_sink(p); return Adopt(p); }

  void Reset() { if (T* p = std::exchange(m_p, nullptr)) gst_object_unref(p); }
  T* get() const { return m_p; }
  explicit operator bool() const { return m_p != nullptr; }

private:
  T* m_p = nullptr;
};

using ElementRef = GstRef<GstElement>;
using PadRef = GstRef<GstPad>;
using BusRef = GstRef<GstBus>;

struct CapsUnref { void operator()(GstCaps* c) const { gst_caps_unref(c); } };
using CapsPtr = std::unique_ptr<GstCaps, CapsUnref>;
struct SampleUnref { void operator()(GstSample* s) const { gst_sample_unref(s); } };
using SamplePtr = std::unique_ptr<GstSample, SampleUnref>;
struct MessageUnref { void operator()(GstMessage* m) const { gst_message_unref(m); } };
using MessagePtr = std::unique_ptr<GstMessage, MessageUnref>;
struct GFreeDeleter { void operator()(gchar* s) const { g_free(s); } };
using GCharPtr = std::unique_ptr<gchar, GFreeDeleter>;
struct GErrorDeleter { void operator()(GError* e) const { g_error_free(e); } };
using GErrorPtr = std::unique_ptr<GError, GErrorDeleter>;
struct PluginFeatureListDeleter { void operator()(GList* l) const { gst_plugin_feature_list_free(l); } };
using FeatureListPtr = std::unique_ptr<GList, PluginFeatureListDeleter>;

// A signal connection that is cut when its owner goes.
class SignalConnection {
public:
  SignalConnection() = default;
  SignalConnection(gpointer instance, gulong id) : m_instance(instance), m_id(id) {}
  SignalConnection(const SignalConnection&) = delete;
  SignalConnection& operator=(const SignalConnection&) = delete;
  SignalConnection(SignalConnection&& o) noexcept
      : m_instance(std::exchange(o.m_instance, nullptr)), m_id(std::exchange(o.m_id, 0)) {}
  SignalConnection& operator=(SignalConnection&& o) noexcept {
    if (this != &o) {
      Disconnect();
      m_instance = std::exchange(o.m_instance, nullptr);
      m_id = std::exchange(o.m_id, 0);
    }
    return *this;
  }
  ~SignalConnection() { Disconnect(); }
  void Disconnect() {
    if (m_instance && m_id) g_signal_handler_disconnect(m_instance, m_id);
    m_instance = nullptr;
    m_id = 0;
  }

private:
  gpointer m_instance = nullptr;
  gulong m_id = 0;
};

// Makes an element of the given factory, owned; null when the factory is missing.
ElementRef MakeElement(const char* factory, const char* name = nullptr);
// Makes a bin of elements linked in a row, with ghost pads "sink" and "src" on its ends.
ElementRef MakeChainBin(const char* name, std::initializer_list<GstElement*> elements);


}  // namespace platform::detail

#pragma once
// Owners of GStreamer objects, on the layer's GLib owner.
#include <gst/gst.h>

#include "platform/base/detail/GObjectRef.h"

#include <memory>
#include <utility>

namespace platform::detail {

struct GstObjectRefOps {
  static gpointer Ref(gpointer p) { return gst_object_ref(p); }
  static gpointer RefSink(gpointer p) { return gst_object_ref_sink(p); }
  static void Unref(gpointer p) { gst_object_unref(p); }
};

template <typename T>
using GstRef = GRef<T, GstObjectRefOps>;

using ElementRef = GstRef<GstElement>;
using PadRef = GstRef<GstPad>;
using BusRef = GstRef<GstBus>;

struct CapsUnref {
  void operator()(GstCaps* c) const { gst_caps_unref(c); }
};
using CapsPtr = std::unique_ptr<GstCaps, CapsUnref>;
struct SampleUnref {
  void operator()(GstSample* s) const { gst_sample_unref(s); }
};
using SamplePtr = std::unique_ptr<GstSample, SampleUnref>;
struct BufferUnref {
  void operator()(GstBuffer* b) const { gst_buffer_unref(b); }
};
using BufferPtr = std::unique_ptr<GstBuffer, BufferUnref>;
struct MessageUnref {
  void operator()(GstMessage* m) const { gst_message_unref(m); }
};
using MessagePtr = std::unique_ptr<GstMessage, MessageUnref>;
using GCharPtr = GlibOwned<gchar>;
using GErrorPtr = GErrorOwned;
struct PluginFeatureListDeleter {
  void operator()(GList* l) const { gst_plugin_feature_list_free(l); }
};
using FeatureListPtr = std::unique_ptr<GList, PluginFeatureListDeleter>;

using SignalConnection = GSignalHandler;

// A bus watch, removed exactly once when its holder goes. It keeps the bus, so the
// pipeline may go first.
class BusWatch {
public:
  BusWatch() = default;
  BusWatch(GstBus* bus, GstBusFunc func, gpointer data) {
    if (bus && gst_bus_add_watch(bus, func, data) != 0) m_bus = BusRef::Share(bus);
  }
  BusWatch(BusWatch&& o) noexcept = default;
  BusWatch& operator=(BusWatch&& o) noexcept {
    if (this != &o) {
      Remove();
      m_bus = std::move(o.m_bus);
    }
    return *this;
  }
  ~BusWatch() { Remove(); }
  void Remove() {
    if (m_bus) gst_bus_remove_watch(m_bus.get());
    m_bus.Reset();
  }
  explicit operator bool() const { return static_cast<bool>(m_bus); }

private:
  BusRef m_bus;
};

// Makes an element of the given factory, owned; null when the factory is missing.
ElementRef MakeElement(const char* factory, const char* name = nullptr);
// Makes a bin of elements linked in a row, with ghost pads "sink" and "src" on its ends.
ElementRef MakeChainBin(const char* name, std::initializer_list<GstElement*> elements);


}  // namespace platform::detail

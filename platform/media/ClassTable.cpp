#include "platform/media/detail/ClassTable.h"

#include <gst/gst.h>

#include "platform/media/detail/GstFilters.h"
#include "platform/media/detail/GstGraph.h"
#include "platform/media/detail/VideoRendererFilter.h"

namespace platform::detail {

void EnsureMediaFramework() {
  static const bool started = [] {
    gst_init(nullptr, nullptr);
    return true;
  }();
  (void)started;
}

namespace {

template <typename T>
IUnknown* AsUnknown(T* object) {
  return object ? static_cast<IBaseFilter*>(object) : nullptr;
}

}  // namespace

IUnknown* CreateBuiltInClass(REFCLSID clsid) {
  EnsureMediaFramework();
  if (clsid == CLSID_FilterGraph) return static_cast<IGraphBuilder*>(new GstGraph());
  if (clsid == CLSID_AsyncReader) return AsUnknown(FileSourceFilter::Create());
  if (clsid == CLSID_AviSplitter) return AsUnknown(AviSplitterFilter::Create());
  if (clsid == CLSID_VideoDecoder) return AsUnknown(DecoderFilter::Create());
  if (clsid == CLSID_Colour) return AsUnknown(ConverterFilter::Create());
  if (clsid == CLSID_VideoMixingRenderer) return AsUnknown(VideoRendererFilter::Create());
  if (clsid == CLSID_DSoundRender) return AsUnknown(AudioRendererFilter::Create());
  if (clsid == CLSID_AacDecoder) return AsUnknown(CheckOnlyFilter::CreateAacDecoder());
  if (clsid == CLSID_BrightnessFilter) return AsUnknown(CheckOnlyFilter::CreateBrightness());
  return nullptr;
}

}  // namespace platform::detail

#include "platform/media/FilterElements.h"

#include <gst/gst.h>

#include <algorithm>

#include "platform/media/MediaInterfaces.h"
#include "platform/media/detail/ClassTable.h"
#include "platform/media/detail/FilterElementNames.h"

namespace platform {

namespace {

using Alternatives = std::vector<const char*>;

struct ClassNeeds {
  const CLSID* clsid;
  std::vector<Alternatives> needs;  // each one of them, by any of its names
};

const std::vector<ClassNeeds>& Table() {
  using namespace detail::elements;
  static const std::vector<ClassNeeds> table = {
      {&CLSID_VideoDecoder, {{kH264Parser}, {kH264Decoder}, {kBalance}, {kFlip}}},
      {&CLSID_AacDecoder, {{kAacDecoders[0], kAacDecoders[1], kAacDecoders[2]}}},
      {&CLSID_BrightnessFilter, {{kBalance}}},
  };
  return table;
}

bool Installed(const char* name) {
  GstElementFactory* factory = gst_element_factory_find(name);
  if (factory) gst_object_unref(factory);
  return factory != nullptr;
}

// The first name of the alternatives when none is installed, else null.
const char* Missing(const Alternatives& alternatives) {
  for (const char* name : alternatives)
    if (Installed(name)) return nullptr;
  return alternatives.front();
}

bool MadeAndReleased(REFCLSID clsid) {
  IBaseFilter* object = nullptr;
  HRESULT hr =
      CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter, reinterpret_cast<void**>(&object));
  if (object) object->Release();
  return SUCCEEDED(hr) && object;
}

}  // namespace

bool IsMediaClassAvailable(REFCLSID clsid) {
  if (IsMediaClassReplaced(clsid)) return MadeAndReleased(clsid);
  for (const ClassNeeds& c : Table()) {
    if (*c.clsid != clsid) continue;
    detail::EnsureMediaFramework();
    for (const Alternatives& a : c.needs)
      if (Missing(a)) return false;
    return true;
  }
  return MadeAndReleased(clsid);
}

std::vector<std::string> MissingFilterElements() {
  detail::EnsureMediaFramework();
  std::vector<std::string> missing;
  for (const ClassNeeds& c : Table()) {
    for (const Alternatives& a : c.needs) {
      const char* name = Missing(a);
      if (name && std::find(missing.begin(), missing.end(), name) == missing.end()) missing.push_back(name);
    }
  }
  return missing;
}

}  // namespace platform

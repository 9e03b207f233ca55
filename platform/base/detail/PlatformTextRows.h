#pragma once
// The rows of the layer's own text table: one per PlatformText, in its order.
#include <cstddef>

#include "platform/base/PlatformText.h"

namespace platform::detail {

struct PlatformTextRow {
  PlatformText id;
  const wchar_t* korean;
  const wchar_t* english;
  const wchar_t* japanese;
  const wchar_t* russian;
};

const PlatformTextRow* PlatformTextRows(size_t* count);

}  // namespace platform::detail

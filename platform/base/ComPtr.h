#pragma once
// The owner of one reference to an object counted by AddRef and Release, such as an
// interface of the media layer.
#include "platform/base/RefOwner.h"

namespace platform {

struct ComRefOps {
  template <typename T>
  static void Ref(T* p) {
    p->AddRef();
  }
  template <typename T>
  static void Unref(T* p) {
    p->Release();
  }
};

template <typename T>
using ComPtr = RefOwner<T, ComRefOps>;

}  // namespace platform

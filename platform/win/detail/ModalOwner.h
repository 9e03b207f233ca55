#pragma once
// The owner of a modal box or chooser: disabled for the time it runs, enabled and
// activated again afterwards (if it still exists and was enabled before).
#include "platform/win/Window.h"

namespace platform::detail {

class ModalOwner {
public:
  explicit ModalOwner(HWND owner);
  ~ModalOwner();
  ModalOwner(const ModalOwner&) = delete;
  ModalOwner& operator=(const ModalOwner&) = delete;
  HWND handle() const { return m_owner; }

private:
  HWND m_owner = nullptr;
  bool m_disabled = false;
};

// The window a box without an explicit owner belongs to: the active window's top-level
// window, else the application's main window; null when there is neither.
HWND SafeOwner(HWND preferred);

}  // namespace platform::detail

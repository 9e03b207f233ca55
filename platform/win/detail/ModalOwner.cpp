#include "platform/win/detail/ModalOwner.h"

#include "platform/win/Input.h"
#include "platform/win/WinApp.h"

namespace platform::detail {

ModalOwner::ModalOwner(HWND owner) : m_owner(owner && IsWindow(owner) ? GetAncestor(owner, GA_ROOT) : nullptr) {
  if (m_owner && IsWindowEnabled(m_owner)) {
    EnableWindow(m_owner, FALSE);
    m_disabled = true;
  }
}

ModalOwner::~ModalOwner() {
  if (!m_disabled || !IsWindow(m_owner)) return;
  EnableWindow(m_owner, TRUE);
  if (IsWindowVisible(m_owner)) SetActiveWindow(m_owner);
}

HWND SafeOwner(HWND preferred) {
  if (preferred && IsWindow(preferred)) return GetAncestor(preferred, GA_ROOT);
  if (HWND active = GetActiveWindow()) return GetAncestor(active, GA_ROOT);
  CWnd* main = AfxGetMainWnd();
  return main && IsWindow(main->GetSafeHwnd()) ? main->GetSafeHwnd() : nullptr;
}

}  // namespace platform::detail

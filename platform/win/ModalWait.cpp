#include "platform/win/ModalWait.h"

#include <glib.h>

#include "platform/base/detail/GObjectRef.h"
#include "platform/win/detail/MessageLoop.h"

namespace platform {

namespace {

// Wakes the loop from the signalling thread for as long as it lives.
class LoopWaker {
public:
  explicit LoopWaker(std::shared_ptr<detail::KernelObject> object)
      : m_object(std::move(object)), m_id(m_object->AddWaker(detail::WakeLoop)) {}
  ~LoopWaker() { m_object->RemoveWaker(m_id); }
  LoopWaker(const LoopWaker&) = delete;
  LoopWaker& operator=(const LoopWaker&) = delete;

private:
  std::shared_ptr<detail::KernelObject> m_object;
  int m_id;
};

gboolean MarkExpired(gpointer expired) {
  *static_cast<bool*>(expired) = true;
  return G_SOURCE_REMOVE;
}

// A real-time source that sets `*expired` once the bound has passed; none for INFINITE.
detail::AttachedSource Deadline(DWORD milliseconds, bool* expired) {
  if (milliseconds == INFINITE) return nullptr;
  detail::AttachedSource source(g_timeout_source_new(milliseconds));
  g_source_set_callback(source.get(), MarkExpired, expired, nullptr);
  g_source_attach(source.get(), g_main_context_default());
  return source;
}

}  // namespace

DWORD WaitPumpingMessages(HANDLE hObject, DWORD milliseconds) {
  auto object = detail::FindHandle(hObject);
  if (!object) return WAIT_FAILED;
  LoopWaker waker(object);
  bool expired = false;
  detail::AttachedSource deadline = Deadline(milliseconds, &expired);
  detail::RunLoop([&] { return expired || object->IsSignaled(); });
  return object->IsSignaled() ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

}  // namespace platform

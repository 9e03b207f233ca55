#pragma once
// Kernel object handles (threads, processes): waitable objects with an exit code,
// looked up through a table so that a stale or foreign handle is refused.
#include <functional>
#include <memory>

#include "platform/base/WinTypes.h"

constexpr DWORD WAIT_OBJECT_0 = 0;
constexpr DWORD WAIT_TIMEOUT = 258;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;

BOOL CloseHandle(HANDLE h);
DWORD WaitForSingleObject(HANDLE h, DWORD dwMilliseconds);

namespace platform::detail {

class KernelObject {
public:
  virtual ~KernelObject();
  // Marks the object ended with its exit code and wakes every waiter.
  void Signal(DWORD exitCode);
  bool IsSignaled() const;
  // STILL_ACTIVE until signalled.
  DWORD ExitCode() const;
  bool WaitFor(DWORD milliseconds) const;
  // `fn` runs on the signalling thread when the object is signalled, at once when it already
  // is, and never after RemoveWaker returns. It runs under the object's lock: it may only
  // hand the news on, never call the object.
  int AddWaker(std::function<void()> fn);
  void RemoveWaker(int id);

private:
  struct State;
  std::shared_ptr<State> m_state = MakeState();
  static std::shared_ptr<State> MakeState();
};

HANDLE AddHandle(std::shared_ptr<KernelObject> object);
std::shared_ptr<KernelObject> FindHandle(HANDLE h);

template <typename T>
std::shared_ptr<T> FindHandleAs(HANDLE h) {
  return std::dynamic_pointer_cast<T>(FindHandle(h));
}

}  // namespace platform::detail

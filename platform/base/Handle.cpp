#include "platform/base/Handle.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <unordered_map>

namespace platform::detail {

struct KernelObject::State {
  mutable std::mutex mutex;
  mutable std::condition_variable cv;
  bool signaled = false;
  DWORD exitCode = STILL_ACTIVE;
};

std::shared_ptr<KernelObject::State> KernelObject::MakeState() { return std::make_shared<State>(); }

KernelObject::~KernelObject() = default;

void KernelObject::Signal(DWORD exitCode) {
  {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->exitCode = exitCode;
    m_state->signaled = true;
  }
  m_state->cv.notify_all();
}

bool KernelObject::IsSignaled() const {
  std::lock_guard<std::mutex> lock(m_state->mutex);
  return m_state->signaled;
}

DWORD KernelObject::ExitCode() const {
  std::lock_guard<std::mutex> lock(m_state->mutex);
  return m_state->exitCode;
}

bool KernelObject::WaitFor(DWORD milliseconds) const {
  std::unique_lock<std::mutex> lock(m_state->mutex);
  if (milliseconds == INFINITE) {
    m_state->cv.wait(lock, [this] { return m_state->signaled; });
    return true;
  }
  return m_state->cv.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return m_state->signaled; });
}

namespace {

struct Table {
  std::mutex mutex;
  std::unordered_map<UINT_PTR, std::shared_ptr<KernelObject>> objects;
  UINT_PTR next = 0x1000;
};

Table& TheTable() {
  static Table* table = new Table;  // lives until exit; threads may close handles late
  return *table;
}

}  // namespace

HANDLE AddHandle(std::shared_ptr<KernelObject> object) {
  Table& t = TheTable();
  std::lock_guard<std::mutex> lock(t.mutex);
  UINT_PTR id = (t.next += 4);
  t.objects.emplace(id, std::move(object));
  return reinterpret_cast<HANDLE>(id);
}

std::shared_ptr<KernelObject> FindHandle(HANDLE h) {
  Table& t = TheTable();
  std::lock_guard<std::mutex> lock(t.mutex);
  auto it = t.objects.find(reinterpret_cast<UINT_PTR>(h));
  return it == t.objects.end() ? nullptr : it->second;
}

}  // namespace platform::detail

BOOL CloseHandle(HANDLE h) {
  auto& t = platform::detail::TheTable();
  std::lock_guard<std::mutex> lock(t.mutex);
  return t.objects.erase(reinterpret_cast<UINT_PTR>(h)) > 0;
}

DWORD WaitForSingleObject(HANDLE h, DWORD dwMilliseconds) {
  auto object = platform::detail::FindHandle(h);
  if (!object) return WAIT_FAILED;
  return object->WaitFor(dwMilliseconds) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

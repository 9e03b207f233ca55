#include "platform/base/Handle.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace platform::detail {

struct KernelObject::State {
  mutable std::mutex mutex;
  mutable std::condition_variable cv;
  bool signaled = false;
  DWORD exitCode = STILL_ACTIVE;
  std::vector<std::pair<int, std::function<void()>>> wakers;
  int nextWaker = 0;
};

std::shared_ptr<KernelObject::State> KernelObject::MakeState() { return std::make_shared<State>(); }

KernelObject::~KernelObject() = default;

void KernelObject::Signal(DWORD exitCode) {
  {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->exitCode = exitCode;
    m_state->signaled = true;
    for (const auto& waker : m_state->wakers) waker.second();
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

int KernelObject::AddWaker(std::function<void()> fn) {
  std::lock_guard<std::mutex> lock(m_state->mutex);
  if (m_state->signaled) fn();
  int id = ++m_state->nextWaker;
  m_state->wakers.emplace_back(id, std::move(fn));
  return id;
}

void KernelObject::RemoveWaker(int id) {
  std::lock_guard<std::mutex> lock(m_state->mutex);
  auto& wakers = m_state->wakers;
  wakers.erase(std::remove_if(wakers.begin(), wakers.end(), [id](const auto& w) { return w.first == id; }),
               wakers.end());
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

#include "platform/win/WaitCursor.h"

#include <atomic>

#include "platform/base/UiDispatch.h"
#include "platform/win/Input.h"
#include "platform/win/Resources.h"
#include "platform/win/detail/MessageLoop.h"

namespace {

std::atomic<int> g_count{0};

// Shows the wait cursor while counted; once the count is back to 0, the arrow replaces it
// until the next WM_SETCURSOR picks the window's own.
void Refresh() {
  HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
  if (g_count.load() > 0) SetCursor(wait);
  else if (GetCursor() == wait) SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

void RefreshOnUiThread() {
  if (platform::detail::IsKnownUiThread()) Refresh();
  else platform::PostToUiThread(Refresh);
}

}  // namespace

namespace platform {

void BeginWaitCursor() {
  g_count.fetch_add(1);
  RefreshOnUiThread();
}

void EndWaitCursor() {
  // An unpaired End leaves the count at 0.
  int count = g_count.load();
  while (count > 0 && !g_count.compare_exchange_weak(count, count - 1)) {
  }
  RefreshOnUiThread();
}

int WaitCursorCount() { return g_count.load(); }

}  // namespace platform

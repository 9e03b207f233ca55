#pragma once
// The application's wait cursor: counted, shown while the count is above zero. Begin and
// End may be called from any thread (a worker may show it for its own run); the cursor
// itself is changed on the UI thread.
namespace platform {

void BeginWaitCursor();
void EndWaitCursor();
int WaitCursorCount();

}  // namespace platform

// The wait cursor for as long as the object lives, on whichever thread it lives.
class CWaitCursor {
public:
  CWaitCursor() { platform::BeginWaitCursor(); }
  ~CWaitCursor() { platform::EndWaitCursor(); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
};

#include "platform/media/VideoWindow.h"

namespace platform {

namespace {

VideoWindowRectSource& Source() {
  static VideoWindowRectSource source;
  return source;
}

}  // namespace

void SetVideoWindowRectSource(VideoWindowRectSource source) { Source() = std::move(source); }

bool GetVideoWindowClientRect(HWND hwnd, RECT* clientRect) {
  if (!clientRect) return false;
  *clientRect = RECT{};
  if (!hwnd || !Source()) return false;
  return Source()(hwnd, clientRect);
}

}  // namespace platform

#pragma once
// Hands work to the UI thread. The UI thread's message loop runs the process's default
// GLib main context; a function posted here runs there, in posting order. Safe from any
// thread. Streaming and worker threads use it to post, never to touch windows themselves.
#include <functional>

namespace platform {

void PostToUiThread(std::function<void()> fn);
// Like PostToUiThread, but the work waits for the toolkit's pending layout and drawing: video
// pictures arriving faster than they are shown never hold the window's drawing back.
void PostPictureToUiThread(std::function<void()> fn);
// Runs pending UI-thread work for at most `milliseconds` (0: only what is ready now), for
// tests and modal waits that have no message loop of their own. Returns whether anything ran.
bool PumpUiThread(int milliseconds = 0);

}  // namespace platform

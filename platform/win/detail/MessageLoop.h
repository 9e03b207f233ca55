#pragma once
// The UI thread's message queue and loop. The queue is a GLib source on the default main
// context; each dispatch handles one unit of work in Win32's order: a posted message,
// else an input event, else a painting pass, else one due timer.
#include <functional>

#include "platform/win/InputEvent.h"
#include "platform/win/Messages.h"

namespace platform::detail {

void PostQueued(const MSG& msg);          // any thread
void PostInput(const InputEvent& event);  // any thread
void WakeLoop();
void EnsureSource();  // first call: the calling thread becomes the UI thread                          // any thread: something outside the queue has work

// Runs the loop until `done` says so or a quit is posted. Nests.
void RunLoop(const std::function<bool()>& done);
// Handles everything that is ready now, timers included; returns whether anything ran.
bool PumpReady();
// One non-blocking iteration of the main context; returns whether anything ran.
bool PumpOnce();
int LoopDepth();
bool QuitRequested();
void ClearQuit();

// Pre-translation walk and dispatch of a retrieved message.
bool PreTranslate(MSG& msg);
void DispatchRetrieved(MSG& msg);
bool IsUiThread();
// The same, except that it never makes the caller the UI thread when none is known yet.
bool IsKnownUiThread();

}  // namespace platform::detail

#include "platform/base/UiDispatch.h"

#include <glib.h>

#include "platform/base/detail/GObjectRef.h"

#include <chrono>

namespace platform {

namespace {

gboolean RunPosted(gpointer data) {
  auto* fn = static_cast<std::function<void()>*>(data);
  (*fn)();
  return G_SOURCE_REMOVE;
}

void DeletePosted(gpointer data) { delete static_cast<std::function<void()>*>(data); }

// Just below the toolkit's redraw (G_PRIORITY_HIGH_IDLE + 20).
constexpr int kPicturePriority = G_PRIORITY_HIGH_IDLE + 30;

void Post(std::function<void()> fn, int priority) {
  auto* boxed = new std::function<void()>(std::move(fn));
  auto source = detail::GSourceRef::Adopt(g_idle_source_new());  // the context holds its own
  g_source_set_priority(source.get(), priority);
  g_source_set_callback(source.get(), RunPosted, boxed, DeletePosted);
  g_source_attach(source.get(), g_main_context_default());
}

}  // namespace

void PostToUiThread(std::function<void()> fn) { Post(std::move(fn), G_PRIORITY_DEFAULT); }

void PostPictureToUiThread(std::function<void()> fn) { Post(std::move(fn), kPicturePriority); }

bool PumpUiThread(int milliseconds) {
  GMainContext* context = g_main_context_default();
  bool ran = false;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  // Work that keeps coming (pictures posted faster than they are shown) ends the pump at its
  // deadline, not when the queue runs dry.
  auto due = [&] { return milliseconds > 0 && std::chrono::steady_clock::now() >= deadline; };
  do {
    while (!due() && g_main_context_iteration(context, FALSE)) ran = true;
    if (milliseconds <= 0 || due()) break;
    g_usleep(1000);
  } while (true);
  return ran;
}

}  // namespace platform

#include <cstdlib>
#include <cstring>

#include "platform/base/Log.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/present/detail/GtkPresenter.h"

namespace platform {

bool HeadlessPresenterRequested() {
  const char* name = std::getenv("RODEMIR_PRESENTER");
  return name && std::strcmp(name, "headless") == 0;
}

bool IsHeadlessPresenter() { return dynamic_cast<HeadlessPresenter*>(&GetPresenter()) != nullptr; }

namespace detail {

// gtk unless RODEMIR_PRESENTER says "headless"; headless too when there is no display.
std::unique_ptr<Presenter> CreateDefaultPresenter() {
  if (HeadlessPresenterRequested()) return std::make_unique<HeadlessPresenter>();
  if (auto gtk = CreateGtkPresenter()) return gtk;
  PlatformLog("present", "no display; falling back to the headless presenter");
  return std::make_unique<HeadlessPresenter>();
}

}  // namespace detail

}  // namespace platform

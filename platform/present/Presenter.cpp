#include "platform/present/Presenter.h"

#include <cstdlib>
#include <cstring>

#include "platform/base/Log.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/present/detail/GtkPresenter.h"

namespace platform {

namespace {

std::unique_ptr<Presenter>& Current() {
  static std::unique_ptr<Presenter> presenter;
  return presenter;
}

bool WantsHeadless() {
  const char* name = std::getenv("RODEMIR_PRESENTER");
  return name && std::strcmp(name, "headless") == 0;
}

}  // namespace

Presenter& GetPresenter() {
  auto& current = Current();
  if (!current) {
    if (!WantsHeadless()) current = detail::CreateGtkPresenter();
    if (!current) {
      if (!WantsHeadless()) PlatformLog("present", "no display; falling back to the headless presenter");
      current = std::make_unique<HeadlessPresenter>();
    }
  }
  return *current;
}

void SetPresenter(std::unique_ptr<Presenter> presenter) { Current() = std::move(presenter); }

bool IsHeadlessPresenter() { return dynamic_cast<HeadlessPresenter*>(&GetPresenter()) != nullptr; }

}  // namespace platform

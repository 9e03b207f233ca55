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

}  // namespace

bool HeadlessPresenterRequested() {
  const char* name = std::getenv("RODEMIR_PRESENTER");
  return name && std::strcmp(name, "headless") == 0;
}

Presenter& GetPresenter() {
  auto& current = Current();
  if (!current) {
    if (!HeadlessPresenterRequested()) current = detail::CreateGtkPresenter();
    if (!current) {
      if (!HeadlessPresenterRequested()) PlatformLog("present", "no display; falling back to the headless presenter");
      current = std::make_unique<HeadlessPresenter>();
    }
  }
  return *current;
}

void SetPresenter(std::unique_ptr<Presenter> presenter) { Current() = std::move(presenter); }

bool IsHeadlessPresenter() { return dynamic_cast<HeadlessPresenter*>(&GetPresenter()) != nullptr; }

}  // namespace platform

#include "platform/win/Presenter.h"

namespace platform {

namespace {

std::unique_ptr<Presenter>& Current() {
  static std::unique_ptr<Presenter> presenter;
  return presenter;
}

}  // namespace

Presenter& GetPresenter() {
  auto& current = Current();
  if (!current) current = detail::CreateDefaultPresenter();
  return *current;
}

void SetPresenter(std::unique_ptr<Presenter> presenter) { Current() = std::move(presenter); }

}  // namespace platform

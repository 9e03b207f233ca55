#pragma once
// GTK on the X11 backend, started once on the UI thread when the gtk presenter has not
// already done so. False when there is no display or the headless presenter is chosen.
namespace platform::detail {

bool GtkPresenterActive();
bool StartGtk();

}  // namespace platform::detail

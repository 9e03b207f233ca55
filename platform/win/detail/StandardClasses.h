#pragma once
// The standard control classes ("Button", "Static", the trackbar, the tooltip, the progress
// bar, the month calendar, the combo box). They are
// registered on the first window creation, so templates can name them without any set-up.
namespace platform::detail {

void EnsureStandardClasses();

void RegisterButtonClass();
void RegisterStaticClass();
void RegisterTrackbarClass();
void RegisterToolTipClass();
void RegisterProgressClass();
void RegisterMonthCalClass();
void RegisterComboBoxClass();

}  // namespace platform::detail

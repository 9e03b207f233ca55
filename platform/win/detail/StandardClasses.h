#pragma once
// The standard control classes ("Button", "Static", the trackbar, the tooltip, the list
// view, the progress bar, the month calendar, the combo box). They are registered on the
// first window creation, so templates can name them without any set-up.
namespace platform::detail {

void EnsureStandardClasses();

void RegisterButtonClass();
void RegisterStaticClass();
void RegisterTrackbarClass();
void RegisterToolTipClass();
// The list view and its header.
void RegisterListViewClass();
void RegisterProgressClass();
void RegisterMonthCalClass();
// The combo box and its drop-down list.
void RegisterComboBoxClass();

}  // namespace platform::detail

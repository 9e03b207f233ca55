#include "platform/win/detail/StandardClasses.h"

namespace platform::detail {

void EnsureStandardClasses() {
  static bool done = [] {
    RegisterButtonClass();
    RegisterStaticClass();
    RegisterTrackbarClass();
    RegisterToolTipClass();
    RegisterListViewClass();
    RegisterProgressClass();
    RegisterMonthCalClass();
    RegisterComboBoxClass();
    return true;
  }();
  (void)done;
}

}  // namespace platform::detail

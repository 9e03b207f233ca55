#include "res/dialogs/ChooserTemplates.h"

#include "platform/win/Button.h"
#include "platform/win/ComboBox.h"
#include "platform/win/DialogTemplate.h"
#include "platform/win/MonthCalCtrl.h"
#include "platform/win/Static.h"
#include "platform/win/WindowStyles.h"

namespace {

constexpr DWORD kPopupStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

// Rectangles from position and size, in dialog units.
CRect At(int x, int y, int cx, int cy) { return CRect(x, y, x + cx, y + cy); }

DialogTemplate SelectDriveTemplate() {
  DialogTemplate t;
  t.id = IDD_SELECT_DRIVE;
  t.style = kPopupStyle;
  t.rect = At(0, 0, 191, 72);
  t.fontFace = L"굴림";
  t.fontPointSize = 10;
  // 45 units of the combo box's height are its open list.
  t.controls = {
      {WC_COMBOBOX, L"", IDC_COMBO_DRIVE, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, 0,
       At(52, 7, 124, 45)},
      {WC_BUTTON, L"OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, At(70, 51, 50, 14)},
      {WC_STATIC, L"Drive:", IDC_STATIC_DRIVE, WS_VISIBLE | SS_LEFT, 0, At(13, 10, 38, 8)},
      {WC_STATIC, L"Select a drive with a memory card.", IDC_STATIC_SELECT, WS_VISIBLE | SS_CENTER, 0,
       At(7, 32, 177, 8)},
  };
  return t;
}

DialogTemplate SelectMonthTemplate() {
  DialogTemplate t;
  t.id = IDD_SELECT_MONTH;
  t.style = kPopupStyle;
  t.exStyle = WS_EX_TOOLWINDOW;
  t.rect = At(0, 0, 149, 115);
  t.caption = L"Date Selection";
  t.fontFace = L"MS Shell Dlg";
  t.fontPointSize = 8;
  t.controls = {
      {MONTHCAL_CLASS, L"", IDC_MONTHCALENDAR, WS_VISIBLE | WS_TABSTOP, 0, At(0, 0, 149, 100)},
      {WC_BUTTON, L"OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, At(24, 101, 50, 14)},
      {WC_BUTTON, L"Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, At(75, 101, 50, 14)},
  };
  return t;
}

}  // namespace

void RegisterChooserTemplates() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  platform::RegisterDialogTemplate(SelectDriveTemplate());
  platform::RegisterDialogTemplate(SelectMonthTemplate());
}

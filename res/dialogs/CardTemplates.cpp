#include "res/dialogs/CardTemplates.h"

#include "platform/win/Button.h"
#include "platform/win/DialogTemplate.h"
#include "platform/win/ProgressCtrl.h"
#include "platform/win/Static.h"
#include "platform/win/WindowStyles.h"

namespace {

// Rectangles from position and size, in dialog units.
CRect At(int x, int y, int cx, int cy) { return CRect(x, y, x + cx, y + cy); }

// Its size and the button's place are set in pixels when it opens.
DialogTemplate InformationTemplate() {
  DialogTemplate t;
  t.id = IDD_INFORMATION;
  t.style = WS_POPUP | WS_SYSMENU | DS_SETFONT;
  t.rect = At(0, 0, 225, 190);
  t.fontFace = L"MS Shell Dlg";
  t.fontPointSize = 8;
  t.controls = {
      {WC_BUTTON, L"", IDC_BTN_INFO_CLOSE, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, At(205, 2, 19, 14)},
  };
  return t;
}

// Every text is replaced when it opens.
DialogTemplate SplitTemplate() {
  DialogTemplate t;
  t.id = IDD_SPLIT;
  t.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  t.rect = At(0, 0, 179, 81);
  t.caption = L"Split";
  t.fontFace = L"MS Shell Dlg";
  t.fontPointSize = 8;
  t.controls = {
      {WC_BUTTON, L"Start", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, At(35, 60, 50, 14)},
      {WC_BUTTON, L"Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, At(93, 60, 50, 14)},
      {WC_STATIC, L"", IDC_SPLIT_FILENAME, WS_VISIBLE | SS_CENTER, 0, At(7, 7, 163, 10)},
      {WC_BUTTON, L"Front", IDC_SPLIT_FRONT, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, At(46, 27, 33, 10)},
      {WC_BUTTON, L"Rear", IDC_SPLIT_REAR, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, At(98, 27, 33, 10)},
      {PROGRESS_CLASS, L"", IDC_SPLIT_PROGRESS, WS_VISIBLE | WS_BORDER | PBS_SMOOTH | PBS_MARQUEE, 0,
       At(7, 45, 165, 8)},
  };
  return t;
}

}  // namespace

void RegisterCardTemplates() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  platform::RegisterDialogTemplate(InformationTemplate());
  platform::RegisterDialogTemplate(SplitTemplate());
}

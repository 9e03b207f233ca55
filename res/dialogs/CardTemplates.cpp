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

}  // namespace

void RegisterCardTemplates() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  platform::RegisterDialogTemplate(InformationTemplate());
}

#include "res/dialogs/PanelTemplates.h"

#include "platform/win/Button.h"
#include "platform/win/DialogTemplate.h"
#include "platform/win/ListView.h"
#include "platform/win/SliderCtrl.h"
#include "platform/win/Static.h"
#include "platform/win/WindowStyles.h"

namespace {

// The panels are placed and sized by the main window; the template rectangles only give
// them a size until then.
constexpr DWORD kPanelStyle = WS_POPUP | DS_SETFONT;
constexpr DWORD kPush = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kCheck = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kGroupCheck = kCheck | WS_GROUP;
constexpr DWORD kSlider = WS_VISIBLE | WS_TABSTOP | TBS_BOTH | TBS_NOTICKS;
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kList = WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED |
                        LVS_ALIGNLEFT | LVS_NOCOLUMNHEADER;

// Rectangles from position and size, in dialog units.
CRect At(int x, int y, int cx, int cy) { return CRect(x, y, x + cx, y + cy); }

DialogTemplate PanelTemplate(UINT id, CRect rect) {
  DialogTemplate t;
  t.id = id;
  t.style = kPanelStyle;
  t.rect = rect;
  t.fontFace = L"MS Shell Dlg";
  t.fontPointSize = 8;
  return t;
}

DialogTemplate ControlPanelTemplate() {
  DialogTemplate t = PanelTemplate(IDD_CONTROL_PANEL, At(0, 0, 680, 27));
  t.controls = {
      {TRACKBAR_CLASS, L"", IDC_PANEL_SLIDER_SEEK, kSlider, 0, At(13, 3, 265, 12)},
      {WC_BUTTON, L"", IDC_PANEL_REWIND, kPush, 0, At(300, 5, 24, 17)},
      {WC_BUTTON, L"", IDC_PANEL_FORWARD, kPush, 0, At(324, 5, 24, 17)},
      {WC_BUTTON, L"", IDC_PANEL_PLAY, kPush, 0, At(357, 5, 24, 17)},
      {WC_BUTTON, L"", IDC_PANEL_PREV, kPush, 0, At(389, 5, 24, 17)},
      {WC_BUTTON, L"", IDC_PANEL_NEXT, kPush, 0, At(413, 5, 24, 17)},
      {WC_BUTTON, L"", IDC_PANEL_MUTE, kCheck, 0, At(454, 7, 15, 10)},
      {TRACKBAR_CLASS, L"", IDC_PANEL_SLIDER_VOLUME, kSlider, 0, At(473, 8, 121, 9)},
      {WC_BUTTON, L"", IDC_PANEL_INFORMATION, kPush, 0, At(618, 5, 24, 17)},
      {WC_STATIC, L"00:00:00", IDC_PANEL_ELAPSED, kLabel, 0, At(13, 15, 33, 9)},
      {WC_STATIC, L"00:00:00", IDC_PANEL_DURATION, kLabel, 0, At(240, 15, 33, 9)},
      {WC_BUTTON, L"", IDC_PANEL_FILELIST, kCheck, 0, At(642, 5, 25, 17)},
  };
  return t;
}

DialogTemplate ControlTopTemplate() {
  DialogTemplate t = PanelTemplate(IDD_CONTROL_TOP, At(0, 0, 680, 25));
  t.controls = {
      {WC_STATIC, L"", IDC_TOP_FILENAME, kLabel, 0, At(19, 7, 200, 9)},
      {WC_BUTTON, L"", IDC_TOP_REDUCE, kPush, 0, At(643, 4, 25, 17)},
      {WC_BUTTON, L"", IDC_TOP_FRONT, kGroupCheck, 0, At(501, 4, 27, 17)},
      {WC_BUTTON, L"", IDC_TOP_REAR, kGroupCheck, 0, At(528, 4, 27, 17)},
      {WC_BUTTON, L"", IDC_TOP_ALL, kGroupCheck, 0, At(555, 4, 27, 17)},
      {WC_BUTTON, L"", IDC_TOP_ROTATE, kGroupCheck, 0, At(586, 4, 25, 17)},
      {WC_BUTTON, L"", IDC_TOP_REVERSE, kGroupCheck, 0, At(614, 4, 25, 17)},
  };
  return t;
}

DialogTemplate ControlFileListTemplate() {
  DialogTemplate t = PanelTemplate(IDD_CONTROL_FILELIST, At(0, 0, 217, 361));
  t.controls = {
      {WC_LISTVIEW, L"", IDC_FILELIST_LIST, kList, 0, At(1, 49, 205, 312)},
      {WC_BUTTON, L"", IDC_FILELIST_FOLDER, kGroupCheck, 0, At(119, 4, 24, 14)},
      {WC_BUTTON, L"", IDC_FILELIST_CALENDAR, kGroupCheck, 0, At(143, 4, 24, 14)},
      {WC_BUTTON, L"", IDC_FILELIST_SAVE, kPush, 0, At(165, 4, 23, 14)},
      {WC_BUTTON, L"", IDC_FILELIST_DELETE, kPush, 0, At(187, 4, 24, 14)},
      {WC_BUTTON, L"", IDC_FILELIST_CHECKALL, kGroupCheck, 0, At(180, 37, 26, 12)},
      {WC_BUTTON, L"", IDC_FILELIST_ALL, kGroupCheck, 0, At(1, 19, 54, 18)},
      {WC_BUTTON, L"", IDC_FILELIST_NORMAL, kGroupCheck, 0, At(55, 19, 54, 18)},
      {WC_BUTTON, L"", IDC_FILELIST_EVENT, kGroupCheck, 0, At(109, 19, 54, 18)},
      {WC_BUTTON, L"", IDC_FILELIST_MOTION, kGroupCheck, 0, At(163, 19, 55, 18)},
  };
  return t;
}

}  // namespace

void RegisterPanelTemplates() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  platform::RegisterDialogTemplate(ControlPanelTemplate());
  platform::RegisterDialogTemplate(ControlTopTemplate());
  platform::RegisterDialogTemplate(ControlFileListTemplate());
}

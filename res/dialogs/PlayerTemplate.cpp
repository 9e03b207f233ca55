#include "res/dialogs/PlayerTemplate.h"

#include "platform/web/WebBrowserWindow.h"
#include "platform/win/Accelerator.h"
#include "platform/win/Button.h"
#include "platform/win/DialogTemplate.h"
#include "platform/win/Keys.h"
#include "platform/win/Resources.h"
#include "platform/win/ListView.h"
#include "platform/win/SliderCtrl.h"
#include "platform/win/Static.h"
#include "platform/win/WinApp.h"
#include "platform/win/WindowStyles.h"

namespace {

constexpr DWORD kVisible = WS_VISIBLE;
constexpr DWORD kPush = kVisible | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kCheck = kVisible | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX;
constexpr DWORD kSlider = kVisible | WS_TABSTOP | TBS_BOTH | TBS_NOTICKS;
constexpr DWORD kList = kVisible | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED |
                        LVS_ALIGNLEFT | LVS_NOCOLUMNHEADER;

DialogControlTemplate Push(int id) { return {WC_BUTTON, L"", id, kPush, 0, CRect(0, 0, 20, 12)}; }
DialogControlTemplate Check(int id) { return {WC_BUTTON, L"", id, kCheck, 0, CRect(0, 0, 20, 12)}; }
DialogControlTemplate Slider(int id) { return {TRACKBAR_CLASS, L"", id, kSlider, 0, CRect(0, 0, 100, 10)}; }
DialogControlTemplate Label(int id, const wchar_t* text, DWORD align) {
  return {WC_STATIC, text, id, kVisible | align, 0, CRect(0, 0, 30, 8)};
}

// Every layout places the controls, so their template rectangles are placeholders; the
// order is the tab order.
DialogTemplate MainTemplate() {
  DialogTemplate t;
  t.id = IDD_TAVRENPLAYER_DIALOG;
  t.style = WS_POPUP | WS_VISIBLE | DS_SETFONT | DS_FIXEDSYS;
  t.exStyle = WS_EX_APPWINDOW;
  t.rect = CRect(0, 0, 583, 387);
  t.fontFace = L"MS Shell Dlg";
  t.fontPointSize = 9;
  t.controls = {
      Push(IDC_BTN_MINIMIZE),
      Push(IDC_BTN_CLOSE),
      Push(IDC_BTN_INFORMATION),
      Check(IDC_BTN_FOLDER),
      Check(IDC_BTN_CALENDAR),
      Push(IDC_BTN_SAVE),
      Push(IDC_BTN_DELETE),
      Check(IDC_BTN_ROTATE),
      Push(IDC_BTN_CAPTURE),
      Push(IDC_BTN_EXTEND),
      Check(IDC_BTN_FILE_ALL),
      Check(IDC_BTN_FILE_NORMAL),
      Check(IDC_BTN_FILE_EVENT),
      Check(IDC_BTN_FILE_MOTION),
      Push(IDC_BTN_REWIND),
      Push(IDC_BTN_FORWARD),
      Push(IDC_BTN_PLAY),
      Push(IDC_BTN_PREV),
      Push(IDC_BTN_NEXT),
      Push(IDC_BTN_LARGEMAP),
      Push(IDC_BTN_SHOWMAP),
      Slider(IDC_SLIDER_SEEK),
      Slider(IDC_SLIDER_SPEED),
      Slider(IDC_SLIDER_VOLUME),
      Slider(IDC_SLIDER_BRIGHTNESS),
      Label(IDC_LBL_ELAPSED, L"00:00:00", SS_LEFT),
      Label(IDC_LBL_DURATION, L"00:00:00", SS_LEFT),
      {WC_BUTTON, L"", IDC_BTN_MUTE, kVisible | WS_TABSTOP | BS_AUTOCHECKBOX, 0, CRect(0, 0, 12, 9)},
      {WC_LISTVIEW, L"", IDC_LIST_FILES, kList, 0, CRect(0, 0, 176, 290)},
      {platform::WEBBROWSER_CLASS, L"", IDC_MAP, kVisible, 0, CRect(0, 0, 0, 0)},
      Label(IDC_LBL_FILENAME, L"", SS_CENTER),
      Check(IDC_BTN_CHECKALL),
      Check(IDC_BTN_REVERSE),
      Check(IDC_BTN_FRONT),
      Check(IDC_BTN_REAR),
      Check(IDC_BTN_ALL),
      Push(IDC_BTN_SPEEDICON),
      Push(IDC_BTN_BRIGHTNESSICON),
      Push(IDC_BTN_SPLIT),
  };
  return t;
}

}  // namespace

void RegisterPlayerResources() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  platform::RegisterWebBrowserClass();
  platform::RegisterDialogTemplate(MainTemplate());
  // The caption of every message box.
  platform::RegisterStringResource(AFX_IDS_APP_TITLE, L"RODEMIR");
  platform::RegisterAcceleratorResource(IDR_ACCELERATOR, {{FVIRTKEY | FNOINVERT, VK_PRIOR, ID_ACCEL_PREVFILE},
                                                          {FVIRTKEY | FNOINVERT, VK_NEXT, ID_ACCEL_NEXTFILE}});
}

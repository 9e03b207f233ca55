#pragma once
// What the three panels of the full window share: their base class with their keys,
// finding the main dialog they work for, their backgrounds, and the mute face.
#include "platform/win/Dialog.h"
#include "player/SkinTable.h"

class CDC;
class COktSkinButton;
class CTavrenPlayerDlg;

// The main dialog a panel works for: the window object of the panel's owner when that is
// the main dialog, else null.
CTavrenPlayerDlg* PanelMainDialog(const CWnd* pPanel);

// Calls the main dialog's handler when the panel has a main dialog.
using MainDialogHandler = void (CTavrenPlayerDlg::*)();
void ForwardToMainDialog(const CWnd* pPanel, MainDialogHandler handler);

// A mute button's check and face, repainted.
void ShowMuteState(COktSkinButton& button, BOOL bMuted, const MuteFaces& faces);

// A panel of the full window. Its keys: Page Up and Page Down through the main window's
// accelerator table; Enter, Esc, Space, Left and Right never reach the dialog's own handling
// (which would hide the panel, press its focused button or move its focused slider) and go
// on to the main dialog's pre-translation when there is one, else nothing happens. Each
// panel paints its own background.
class CPanelDlg : public CDialog {
  DECLARE_DYNAMIC(CPanelDlg)

public:
  HACCEL m_hAccel = nullptr;

protected:
  explicit CPanelDlg(UINT nIDTemplate);
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override {}

  virtual BOOL OnEraseBkgnd(CDC* pDC) = 0;
  DECLARE_MESSAGE_MAP()
};

// Copies the part `source` of the skin bitmap (all of it when empty) to `target`,
// stretched when the sizes differ.
void DrawPanelBackground(CDC* pDC, UINT nBitmapId, CRect source, const CRect& target);

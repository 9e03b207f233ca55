#include "player/PanelSupport.h"

#include "platform/gdi/DC.h"
#include "platform/win/Accelerator.h"
#include "platform/win/Keys.h"
#include "player/TavrenPlayerDlg.h"
#include "res/dialogs/PlayerTemplate.h"
#include "skin/OktSkinButton.h"

namespace {

// Keys the main dialog answers wherever its focus is: Enter and Esc, and Space, Left and
// Right for playback. In a panel they would press or move its focused control instead.
bool IsMainDialogKey(const MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN) return false;
  switch (pMsg->wParam) {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_SPACE:
    case VK_LEFT:
    case VK_RIGHT: return true;
    default: return false;
  }
}

}  // namespace

CTavrenPlayerDlg* PanelMainDialog(const CWnd* pPanel) {
  if (!pPanel || !pPanel->m_hWnd) return nullptr;
  CWnd* pOwner = CWnd::FromHandlePermanent(::GetParent(pPanel->m_hWnd));
  if (!pOwner || !pOwner->IsKindOf(RUNTIME_CLASS(CTavrenPlayerDlg))) return nullptr;
  return static_cast<CTavrenPlayerDlg*>(pOwner);
}

void ForwardToMainDialog(const CWnd* pPanel, MainDialogHandler handler) {
  if (CTavrenPlayerDlg* pMain = PanelMainDialog(pPanel)) (pMain->*handler)();
}

void ShowMuteState(COktSkinButton& button, BOOL bMuted, const MuteFaces& faces) {
  button.SetCheck(bMuted ? BST_CHECKED : BST_UNCHECKED);
  SetSkinFaces(button, bMuted ? faces.muted : faces.unmuted);
  button.Invalidate();
}

IMPLEMENT_DYNAMIC(CPanelDlg, CDialog)

BEGIN_MESSAGE_MAP(CPanelDlg, CDialog)
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CPanelDlg::CPanelDlg(UINT nIDTemplate) : CDialog(nIDTemplate, nullptr) {}

BOOL CPanelDlg::PreTranslateMessage(MSG* pMsg) {
  if (m_hAccel && TranslateAccelerator(m_hWnd, m_hAccel, pMsg)) return TRUE;
  if (IsMainDialogKey(pMsg)) return PanelMainDialog(this) ? FALSE : TRUE;
  return CDialog::PreTranslateMessage(pMsg);
}

// The main window's table: Page Up and Page Down for the previous and the next recording.
BOOL CPanelDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  RegisterPlayerResources();
  m_hAccel = LoadAccelerators(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_ACCELERATOR));
  return TRUE;
}

void DrawPanelBackground(CDC* pDC, UINT nBitmapId, CRect source, const CRect& target) {
  CBitmap bitmap;
  if (!bitmap.LoadBitmap(nBitmapId)) return;
  if (source.IsRectEmpty()) {
    BITMAP bm{};
    bitmap.GetBitmap(&bm);
    source = CRect(0, 0, bm.bmWidth, bm.bmHeight);
  }
  CDC mem;
  if (!mem.CreateCompatibleDC(pDC)) return;
  CSelectObjectScope selected(&mem, &bitmap);
  CDCStateRestorer restorer(pDC);
  pDC->SetBkMode(TRANSPARENT);
  pDC->StretchBlt(target.left, target.top, target.Width(), target.Height(), &mem, source.left, source.top,
                  source.Width(), source.Height(), SRCCOPY);
}

// A small dialog for the end-to-end test: a dark background, a red pane that turns green
// when clicked, a blue pane, and a yellow pane that closes the dialog with IDOK. It
// places itself at (100, 100), 400 x 300 pixels.
#include "platform/win/Dialog.h"
#include "platform/win/WindowClass.h"

namespace {

constexpr UINT kTemplate = 100;
constexpr int kRed = 1000, kBlue = 1001, kClose = 1002;

class CColorPane : public CWnd {
public:
  explicit CColorPane(COLORREF color) : m_color(color) {}
  COLORREF m_color;

protected:
  void OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_color);
  }
  BOOL OnEraseBkgnd(CDC*) { return TRUE; }
  void OnLButtonDown(UINT, CPoint) {
    if (GetDlgCtrlID() == kClose) {
      GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
      return;
    }
    m_color = RGB(0, 200, 0);
    Invalidate(FALSE);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorPane, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class CE2eDlg : public CDialog {
public:
  CE2eDlg() : CDialog(kTemplate) {}

protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, kRed, m_red);
    DDX_Control(pDX, kBlue, m_blue);
    DDX_Control(pDX, kClose, m_close);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    MoveWindow(100, 100, 400, 300);
    SetTimer(1, 30000, nullptr);  // never hang a test run
    return TRUE;
  }
  BOOL OnEraseBkgnd(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, RGB(20, 20, 60));
    return TRUE;
  }
  void OnTimer(UINT_PTR) { EndDialog(IDABORT); }
  CColorPane m_red{RGB(220, 0, 0)};
  CColorPane m_blue{RGB(0, 0, 220)};
  CColorPane m_close{RGB(230, 230, 0)};
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CE2eDlg, CDialog)
  ON_WM_ERASEBKGND()
  ON_WM_TIMER()
END_MESSAGE_MAP()

void RegisterTemplate() {
  DialogTemplate t;
  t.id = kTemplate;
  t.style = WS_POPUP | WS_VISIBLE | DS_SETFONT;
  t.caption = L"Window E2E";
  t.rect = CRect(0, 0, 200, 150);
  t.fontPointSize = 8;
  // Dialog units at 6 x 13 base units: x * 1.5, y * 13 / 8 pixels.
  t.controls = {
      {L"Pane", L"", kRed, WS_VISIBLE | WS_TABSTOP, 0, CRect(20, 16, 80, 64)},  // 30,26 - 120,104
      {L"Pane", L"", kBlue, WS_VISIBLE, 0, CRect(120, 16, 180, 64)},            // 180,26 - 270,104
      {L"Pane", L"", kClose, WS_VISIBLE, 0, CRect(20, 100, 80, 140)},           // 30,163 - 120,228
  };
  platform::RegisterDialogTemplate(t);
}

}  // namespace

int main() {
  RegisterTemplate();
  CE2eDlg dlg;
  return dlg.DoModal() == IDOK ? 0 : 1;
}

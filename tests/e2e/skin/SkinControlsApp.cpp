// A dialog showing the skinned controls through the GTK presenter: push buttons, a group
// of three view buttons acting as radio buttons (the middle one checked), a disabled
// button, a check box, the seek and volume sliders, and the labels in their three modes.
// It places itself at (100, 100), 520 x 200 pixels, and closes itself after 30 s.
#include "platform/win/Dialog.h"
#include "skin/OktImageSlider.h"
#include "skin/OktSkinButton.h"
#include "skin/OktStaticTrans.h"

namespace {

constexpr UINT kTemplate = 101;
enum {
  kPlay = 1000,
  kClose,
  kFront,
  kRear,
  kBoth,
  kFlip,
  kMute,
  kSeek,
  kVolume,
  kElapsed,
  kDuration,
  kName,
  kTitle,
  kValue
};

struct Placed {
  int id;
  CRect rect;
};

const Placed kPlaces[] = {
    {kPlay, CRect(CPoint(20, 20), CSize(37, 28))},      {kClose, CRect(CPoint(463, 8), CSize(37, 28))},
    {kFront, CRect(CPoint(80, 23), CSize(36, 22))},     {kRear, CRect(CPoint(116, 23), CSize(36, 22))},
    {kBoth, CRect(CPoint(152, 23), CSize(36, 22))},     {kFlip, CRect(CPoint(200, 23), CSize(36, 22))},
    {kMute, CRect(CPoint(300, 137), CSize(22, 16))},    {kSeek, CRect(CPoint(20, 90), CSize(391, 20))},
    {kVolume, CRect(CPoint(330, 138), CSize(179, 15))}, {kElapsed, CRect(CPoint(420, 93), CSize(50, 13))},
    {kDuration, CRect(CPoint(470, 93), CSize(50, 13))}, {kName, CRect(CPoint(20, 60), CSize(290, 15))},
    {kTitle, CRect(CPoint(250, 25), CSize(200, 18))},   {kValue, CRect(CPoint(20, 135), CSize(120, 20))},
};

class CSkinDemoDlg : public CDialog {
public:
  CSkinDemoDlg() : CDialog(kTemplate) {}

protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, kPlay, m_btnPlay);
    DDX_Control(pDX, kClose, m_btnClose);
    DDX_Control(pDX, kFront, m_btnFront);
    DDX_Control(pDX, kRear, m_btnRear);
    DDX_Control(pDX, kBoth, m_btnBoth);
    DDX_Control(pDX, kFlip, m_btnFlip);
    DDX_Control(pDX, kMute, m_btnMute);
    DDX_Control(pDX, kSeek, m_sliderSeek);
    DDX_Control(pDX, kVolume, m_sliderVolume);
    DDX_Control(pDX, kElapsed, m_lblElapsed);
    DDX_Control(pDX, kDuration, m_lblDuration);
    DDX_Control(pDX, kName, m_lblName);
    DDX_Control(pDX, kTitle, m_lblTitle);
    DDX_Control(pDX, kValue, m_lblValue);
  }

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    MoveWindow(100, 100, 520, 200);
    for (const Placed& p : kPlaces) GetDlgItem(p.id)->MoveWindow(p.rect);
    m_btnPlay.SetBitmaps(200, 202, 201, 200, 200);
    m_btnClose.SetBitmaps(130, 132, 131, 130, 130);
    m_btnFront.SetBitmaps(456, 458, 457, 455, 456);
    m_btnRear.SetBitmaps(460, 462, 461, 459, 460);
    m_btnBoth.SetBitmaps(464, 466, 465, 463, 464);
    m_btnFlip.SetBitmaps(145, 147, 146, 467, 145);
    m_btnMute.SetBitmaps(223, 225, 224, 225, 223);
    m_btnPlay.SetTooltipText(L"Play");
    m_btnRear.SetCheck(1);
    m_btnFlip.EnableWindow(FALSE);
    m_sliderSeek.SetBitmaps(209, 210, 213, 213, 213);
    m_sliderSeek.SetRange(0, 1000);
    m_sliderSeek.SetPos(400);
    m_sliderVolume.SetBitmaps(268, 216, 219, 219, 219);
    m_sliderVolume.SetRange(0, 99);
    m_sliderVolume.SetPos(70);
    m_lblElapsed.m_bmpBack.LoadBitmap(293);
    m_lblElapsed.m_crText = RGB(0xA4, 0xA4, 0xA4);
    m_lblDuration.m_bmpBack.LoadBitmap(294);
    m_lblDuration.m_crText = RGB(0xA4, 0xA4, 0xA4);
    m_lblName.m_bmpBack.LoadBitmap(312);
    m_lblName.m_crText = RGB(0x92, 0x92, 0x92);
    m_lblTitle.m_crText = RGB(0xFF, 0xFF, 0xFF);
    m_lblValue.m_crBack = RGB(0x1E, 0x1E, 0x1E);
    m_lblValue.m_crText = RGB(0x1A, 0xB7, 0xEF);
    SetTimer(1, 30000, nullptr);  // never hang a test run
    return TRUE;
  }

  BOOL OnEraseBkgnd(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, RGB(0x1B, 0x1B, 0x1B));
    pDC->FillSolidRect(0, 0, client.Width(), 56, RGB(0x24, 0x24, 0x24));
    return TRUE;
  }
  void OnTimer(UINT_PTR) { EndDialog(IDABORT); }
  void OnClose() { EndDialog(IDOK); }

  COktSkinButton m_btnPlay, m_btnClose, m_btnFront, m_btnRear, m_btnBoth, m_btnFlip, m_btnMute;
  COktImageSlider m_sliderSeek, m_sliderVolume;
  COktStaticTrans m_lblElapsed, m_lblDuration, m_lblName, m_lblTitle, m_lblValue;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSkinDemoDlg, CDialog)
  ON_WM_ERASEBKGND()
  ON_WM_TIMER()
  ON_BN_CLICKED(kClose, OnClose)
END_MESSAGE_MAP()

void RegisterTemplate() {
  DialogTemplate t;
  t.id = kTemplate;
  t.style = WS_POPUP | WS_VISIBLE | DS_SETFONT;
  t.caption = L"Skin Controls";
  t.rect = CRect(0, 0, 340, 120);
  auto add = [&t](LPCWSTR cls, LPCWSTR text, int id, DWORD style) {
    t.controls.push_back({cls, text, id, WS_CHILD | WS_VISIBLE | style, 0, CRect(0, 0, 10, 10)});
  };
  add(WC_BUTTON, L"", kPlay, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP);
  add(WC_BUTTON, L"", kClose, BS_PUSHBUTTON | WS_TABSTOP);
  add(WC_BUTTON, L"", kFront, BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP);
  add(WC_BUTTON, L"", kRear, BS_AUTORADIOBUTTON);
  add(WC_BUTTON, L"", kBoth, BS_AUTORADIOBUTTON);
  add(WC_BUTTON, L"", kFlip, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP);
  add(WC_BUTTON, L"", kMute, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP);
  add(TRACKBAR_CLASS, L"", kSeek, TBS_BOTH | TBS_NOTICKS | WS_TABSTOP | WS_GROUP);
  add(TRACKBAR_CLASS, L"", kVolume, TBS_BOTH | TBS_NOTICKS | WS_TABSTOP | WS_GROUP);
  add(WC_STATIC, L"00:02:13", kElapsed, SS_LEFT | WS_GROUP);
  add(WC_STATIC, L"00:05:00", kDuration, SS_LEFT);
  add(WC_STATIC, L"20261208_141503_NOR_2.AVI", kName, SS_CENTER);
  add(WC_STATIC, L"\uC804\uBC29 / \u524D\u65B9 / \u0421\u043F\u0435\u0440\u0435\u0434\u0438", kTitle, SS_LEFT);
  add(WC_STATIC, L"29.7 GB", kValue, SS_LEFT);
  platform::RegisterDialogTemplate(t);
}

}  // namespace

int main() {
  RegisterTemplate();
  CSkinDemoDlg dlg;
  return dlg.DoModal() == IDOK ? 0 : 1;
}

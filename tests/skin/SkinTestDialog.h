#pragma once
// A dialog holding every skinned control, built from a template and bound with
// DDX_Control as the program's dialogs are. It paints a known background colour when it
// erases, and records the clicks and scroll notifications it hears.
#include <vector>

#include "platform/base/Registry.h"
#include "platform/win/Dialog.h"
#include "platform/win/DataExchange.h"
#include "platform/win/DialogTemplate.h"
#include "skin/OktImageSlider.h"
#include "skin/OktSkinButton.h"
#include "skin/OktStaticTrans.h"
#include "tests/support/WindowHarness.h"

namespace skintest {

constexpr UINT kTemplate = 9100;
constexpr int kPush = 2001, kCheck = 2002, kRadio1 = 2003, kRadio2 = 2004, kRadio3 = 2005, kOther = 2006;
constexpr int kSlider = 2010, kNarrow = 2011;
constexpr int kLabel = 2020, kImageLabel = 2021, kSolidLabel = 2022;
constexpr COLORREF kBackground = RGB(0x30, 0x50, 0x70);

// Button faces and slider images of the generated skin.
constexpr WORD kNormal = 456, kPressed = 458, kHover = 457, kDisabled = 455, kFocusFace = 466;
constexpr WORD kChannel = 209, kFilled = 210, kThumb = 213;
constexpr WORD kLabelBox = 278;  // 50 x 15, green corners

struct Heard {
  int id;
  UINT code;
  LRESULT checkThen;  // the sender's check when the parent heard the click
};

struct Scroll {
  UINT code;
  int pos;  // the packed position
  HWND from;
};

inline void RegisterSkinTemplate() {
  DialogTemplate t;
  t.id = kTemplate;
  t.style = WS_POPUP | WS_VISIBLE | DS_SETFONT;
  t.caption = L"Skin";
  t.fontFace = L"MS Shell Dlg";
  t.rect = CRect(0, 0, 300, 130);
  auto add = [&t](LPCWSTR cls, LPCWSTR text, int id, DWORD style) {
    t.controls.push_back({cls, text, id, WS_CHILD | WS_VISIBLE | style, 0, CRect(0, 0, 10, 10)});
  };
  add(WC_BUTTON, L"", kPush, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP);
  add(WC_BUTTON, L"", kCheck, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP);
  add(WC_BUTTON, L"", kRadio1, BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP);
  add(WC_BUTTON, L"", kRadio2, BS_AUTORADIOBUTTON);
  add(WC_BUTTON, L"", kRadio3, BS_AUTORADIOBUTTON);
  add(WC_BUTTON, L"", kOther, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP);
  add(TRACKBAR_CLASS, L"", kSlider, TBS_BOTH | TBS_NOTICKS | WS_TABSTOP | WS_GROUP);
  add(TRACKBAR_CLASS, L"", kNarrow, TBS_BOTH | TBS_NOTICKS | WS_TABSTOP);
  add(WC_STATIC, L"00:00:00", kLabel, SS_LEFT | WS_GROUP);
  add(WC_STATIC, L"", kImageLabel, SS_LEFT);
  add(WC_STATIC, L"solid", kSolidLabel, SS_LEFT);
  platform::RegisterDialogTemplate(t);
}

class CSkinTestDlg : public CDialog {
public:
  CSkinTestDlg() : CDialog(kTemplate) {}

  COktSkinButton m_btnPush, m_btnCheck, m_btnRadio1, m_btnRadio2, m_btnRadio3, m_btnOther;
  COktImageSlider m_slider, m_sliderNarrow;
  COktStaticTrans m_lblText, m_lblImage, m_lblSolid;
  std::vector<Heard> m_heard;
  std::vector<Scroll> m_scrolls;

  static CRect Place(int id) {
    switch (id) {
      case kPush: return CRect(CPoint(10, 10), CSize(36, 22));
      case kCheck: return CRect(CPoint(50, 10), CSize(36, 22));
      case kRadio1: return CRect(CPoint(90, 10), CSize(36, 22));
      case kRadio2: return CRect(CPoint(130, 10), CSize(36, 22));
      case kRadio3: return CRect(CPoint(170, 10), CSize(36, 22));
      case kOther: return CRect(CPoint(210, 10), CSize(36, 22));
      case kSlider: return CRect(CPoint(10, 50), CSize(391, 20));
      case kNarrow: return CRect(CPoint(420, 50), CSize(15, 20));
      case kLabel: return CRect(CPoint(10, 100), CSize(120, 20));
      case kImageLabel: return CRect(CPoint(150, 100), CSize(60, 20));
      case kSolidLabel: return CRect(CPoint(230, 100), CSize(100, 20));
      default: return CRect();
    }
  }

protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, kPush, m_btnPush);
    DDX_Control(pDX, kCheck, m_btnCheck);
    DDX_Control(pDX, kRadio1, m_btnRadio1);
    DDX_Control(pDX, kRadio2, m_btnRadio2);
    DDX_Control(pDX, kRadio3, m_btnRadio3);
    DDX_Control(pDX, kOther, m_btnOther);
    DDX_Control(pDX, kSlider, m_slider);
    DDX_Control(pDX, kNarrow, m_sliderNarrow);
    DDX_Control(pDX, kLabel, m_lblText);
    DDX_Control(pDX, kImageLabel, m_lblImage);
    DDX_Control(pDX, kSolidLabel, m_lblSolid);
  }

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    MoveWindow(100, 100, 460, 200);
    for (int id :
         {kPush, kCheck, kRadio1, kRadio2, kRadio3, kOther, kSlider, kNarrow, kLabel, kImageLabel, kSolidLabel})
      GetDlgItem(id)->MoveWindow(Place(id));
    for (COktSkinButton* b : {&m_btnPush, &m_btnCheck, &m_btnRadio1, &m_btnRadio2, &m_btnRadio3, &m_btnOther})
      b->SetBitmaps(kNormal, kPressed, kHover, kDisabled, 0);
    for (COktImageSlider* s : {&m_slider, &m_sliderNarrow}) {
      s->SetBitmaps(kChannel, kFilled, kThumb, kThumb, kThumb);
      s->SetRange(0, 100);
    }
    m_lblImage.m_bmpBack.LoadBitmap(kLabelBox);
    m_lblSolid.m_crBack = RGB(0x1E, 0x1E, 0x1E);
    return FALSE;
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_ERASEBKGND) {
      CRect client;
      GetClientRect(&client);
      CDC::FromHandle(reinterpret_cast<HDC>(wParam))->FillSolidRect(&client, kBackground);
      return TRUE;
    }
    if (message == WM_COMMAND && lParam) {
      auto sender = reinterpret_cast<HWND>(lParam);
      m_heard.push_back({LOWORD(wParam), HIWORD(wParam), ::SendMessage(sender, BM_GETCHECK, 0, 0)});
    }
    if (message == WM_HSCROLL)
      m_scrolls.push_back({LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)), reinterpret_cast<HWND>(lParam)});
    return CDialog::WindowProc(message, wParam, lParam);
  }
};

// The colour of a pixel of a skin bitmap.
inline COLORREF BitmapPixel(UINT id, int x, int y) {
  CBitmap bitmap;
  if (!bitmap.LoadBitmap(id)) return CLR_INVALID;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap* old = dc.SelectObject(&bitmap);
  COLORREF colour = dc.GetPixel(x, y);
  dc.SelectObject(old);
  return colour;
}

inline DWORD UsageMarker(LPCWSTR name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Oktavine", 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  DWORD value = 0, size = sizeof(value), type = 0;
  RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size);
  RegCloseKey(key);
  return type == REG_DWORD ? value : 0;
}

// Every test gets a fresh dialog on the headless presenter.
class SkinDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterSkinTemplate();
    ASSERT_TRUE(dlg.Create(kTemplate));
    harness.Pump();
  }
  void TearDown() override {
    if (dlg.m_hWnd) dlg.DestroyWindow();
    harness.Pump();
  }
  COLORREF Pixel(CWnd& w, int x, int y) const { return harness.Pixel(w.m_hWnd, CPoint(x, y)); }
  // Pixels of a control's rectangle that differ from `colour`.
  int CountOther(CWnd& w, COLORREF colour, int inset = 0) const {
    CRect r;
    w.GetClientRect(&r);
    r.DeflateRect(inset, inset);
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += Pixel(w, x, y) != colour;
    return n;
  }

  platform::test::WindowHarness harness;
  CSkinTestDlg dlg;
};

}  // namespace skintest

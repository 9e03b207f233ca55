#include <gtest/gtest.h>

#include <vector>

#include "platform/base/UiDispatch.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Dialog.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

namespace {

constexpr int kId = 1024;

class ComboBoxTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterRecorderClasses();
    parent = MakeTop(CRect(100, 100, 400, 300));
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL,
                             CRect(10, 10, 190, 80), CWnd::FromHandle(parent), kId));
    harness.Pump();
    Log().clear();
  }
  void TearDown() override { DestroyWindow(parent); }

  // The notification codes the parent received from the combo box, in order.
  std::vector<UINT> Codes() {
    std::vector<UINT> codes;
    for (const Logged& l : Only(WM_COMMAND))
      if (l.hwnd == parent && LOWORD(l.wParam) == kId) codes.push_back(HIWORD(l.wParam));
    return codes;
  }
  CString Text() {
    CString text;
    combo.GetWindowText(text);
    return text;
  }
  // A point on item `index` of the open list, in the combo box's client coordinates.
  CPoint ItemPoint(int index) {
    CRect r;
    combo.GetClientRect(&r);
    int h = static_cast<int>(combo.SendMessage(CB_GETITEMHEIGHT));
    return CPoint(20, r.bottom + 1 + index * h + h / 2);
  }

  // The pixels of a window's client rectangle, row by row.
  std::vector<COLORREF> Pixels(HWND hwnd, const CRect& r) {
    harness.Pump();
    std::vector<COLORREF> pixels;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) pixels.push_back(harness.Pixel(hwnd, CPoint(x, y)));
    return pixels;
  }
  std::vector<COLORREF> Face() {
    CRect r;
    combo.GetClientRect(&r);
    return Pixels(combo, r);
  }
  // The row of the open list that shows item `index` (the list's first item is shown).
  std::vector<COLORREF> ListRow(HWND list, int index) {
    CRect r;
    ::GetClientRect(list, &r);
    int h = static_cast<int>(combo.SendMessage(CB_GETITEMHEIGHT));
    return Pixels(list, CRect(1, 1 + index * h, r.right - 1, 1 + (index + 1) * h));
  }
  static CRect WindowRect(HWND hwnd) {
    CRect r;
    ::GetWindowRect(hwnd, &r);
    return r;
  }

  platform::test::WindowHarness harness;
  HWND parent = nullptr;
  CComboBox combo;
};

TEST_F(ComboBoxTest, SortedItemsWithoutRegardToCaseAndQuietSelection) {
  EXPECT_EQ(combo.AddString(L"G:\\[Portable Disk]"), 0);
  EXPECT_EQ(combo.AddString(L"E:\\[CARD]"), 0);
  EXPECT_EQ(combo.AddString(L"f:\\[x]"), 1);
  EXPECT_EQ(combo.GetCount(), 3);
  EXPECT_EQ(combo.GetCurSel(), CB_ERR);
  EXPECT_EQ(Text(), L"");
  EXPECT_EQ(combo.SetCurSel(0), 0);
  EXPECT_EQ(Text(), L"E:\\[CARD]");
  EXPECT_EQ(combo.SetCurSel(5), CB_ERR);
  EXPECT_EQ(combo.GetCurSel(), CB_ERR);
  combo.SetCurSel(2);
  EXPECT_EQ(combo.DeleteString(0), 2);
  EXPECT_EQ(combo.GetCurSel(), 1);  // the selection follows its item
  CString item;
  combo.GetLBText(1, item);
  EXPECT_EQ(item, L"G:\\[Portable Disk]");
  EXPECT_EQ(combo.FindString(-1, L"g:"), 1);
  EXPECT_EQ(combo.FindStringExact(-1, L"F:\\[X]"), 0);
  EXPECT_TRUE(Codes().empty());
}

TEST_F(ComboBoxTest, DataExchangeReadsAndSelectsTheText) {
  combo.AddString(L"E:\\[CARD]");
  combo.AddString(L"G:\\[Portable Disk]");
  CDataExchange load(CWnd::FromHandle(parent), FALSE);
  CString value = L"G:";
  DDX_CBString(&load, kId, value);
  EXPECT_EQ(combo.GetCurSel(), 1);
  combo.SetCurSel(0);
  CDataExchange save(CWnd::FromHandle(parent), TRUE);
  DDX_CBString(&save, kId, value);
  EXPECT_EQ(value, L"E:\\[CARD]");
}

TEST_F(ComboBoxTest, FaceTakesTheTextHeightAndTheListOpensBelowIt) {
  CRect face;
  combo.GetWindowRect(&face);
  EXPECT_LT(face.Height(), 70);
  combo.AddString(L"a");
  combo.AddString(L"b");
  harness.Click(combo, CPoint(20, 5));
  EXPECT_TRUE(combo.GetDroppedState());
  EXPECT_EQ(CWnd::GetFocus(), &combo);
  EXPECT_EQ(Codes(), (std::vector<UINT>{CBN_SETFOCUS, CBN_DROPDOWN}));
}

TEST_F(ComboBoxTest, ClickOnAnItemChoosesItAndClosesTheList) {
  combo.AddString(L"a");
  combo.AddString(L"b");
  combo.AddString(L"c");
  combo.SetCurSel(0);
  harness.Click(combo, CPoint(20, 5));
  Log().clear();
  harness.MoveTo(combo, ItemPoint(2));
  harness.Click(combo, ItemPoint(2));
  EXPECT_FALSE(combo.GetDroppedState());
  EXPECT_EQ(combo.GetCurSel(), 2);
  EXPECT_EQ(Text(), L"c");
  EXPECT_EQ(Codes(), (std::vector<UINT>{CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, PressOutsideClosesTheListUnchanged) {
  combo.AddString(L"a");
  combo.AddString(L"b");
  combo.SetCurSel(1);
  harness.Click(combo, CPoint(20, 5));
  Log().clear();
  harness.MoveTo(combo, ItemPoint(0));
  harness.Press(parent, CPoint(280, 180));
  harness.Release(parent, CPoint(280, 180));
  EXPECT_FALSE(combo.GetDroppedState());
  EXPECT_EQ(combo.GetCurSel(), 1);
  EXPECT_EQ(Codes(), (std::vector<UINT>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, KeysMoveTheSelectionAndOpenAndCloseTheList) {
  combo.AddString(L"a");
  combo.AddString(L"b");
  combo.AddString(L"c");
  combo.SetCurSel(0);
  combo.SetFocus();
  Log().clear();
  harness.Key(VK_DOWN);
  EXPECT_EQ(combo.GetCurSel(), 1);
  harness.Key(VK_UP);
  harness.Key(VK_UP);
  EXPECT_EQ(combo.GetCurSel(), 0);
  harness.Key(VK_F4);
  EXPECT_TRUE(combo.GetDroppedState());
  harness.Key(VK_END);
  harness.Key(VK_RETURN);
  EXPECT_FALSE(combo.GetDroppedState());
  EXPECT_EQ(combo.GetCurSel(), 2);
  EXPECT_EQ(Codes(),
            (std::vector<UINT>{CBN_SELCHANGE, CBN_SELCHANGE, CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
  harness.Key(VK_F4);
  harness.Key(VK_ESCAPE);
  EXPECT_FALSE(combo.GetDroppedState());
  harness.Key('A', L'a');
  EXPECT_EQ(combo.GetCurSel(), 0);
}

// Two drives whose mount points differ only at their ends tell apart, in the face and in
// the list: an item too long for either loses its middle, not its end.
TEST_F(ComboBoxTest, LongItemsThatDifferAtTheirEndsLookDifferent) {
  combo.AddString(L"/media/alice/a-rather-long-mount-point/[DASHCAM]");
  combo.AddString(L"/media/alice/a-rather-long-mount-point/[USBSTICK]");
  combo.AddString(L"a");
  combo.SetCurSel(0);
  const std::vector<COLORREF> card = Face();
  combo.SetCurSel(1);
  EXPECT_NE(Face(), card);

  combo.SetCurSel(2);  // the highlighted row of the open list
  harness.Click(combo, CPoint(20, 5));
  ASSERT_TRUE(combo.GetDroppedState());
  HWND list = ::GetCapture();
  EXPECT_NE(ListRow(list, 0), ListRow(list, 1));
}

TEST_F(ComboBoxTest, TheListOpensAsWideAsAskedAndStaysOnTheScreen) {
  CRect face = WindowRect(combo);
  EXPECT_EQ(combo.GetDroppedWidth(), face.Width());
  EXPECT_EQ(combo.SetDroppedWidth(50), face.Width());  // never narrower than the combo box
  EXPECT_EQ(combo.SetDroppedWidth(400), 400);
  EXPECT_EQ(combo.GetDroppedWidth(), 400);
  combo.AddString(L"a");
  combo.AddString(L"b");
  harness.Click(combo, CPoint(20, 5));
  CRect list = WindowRect(::GetCapture());
  EXPECT_EQ(list, CRect(face.left, face.bottom, face.left + 400, face.bottom + list.Height()));
  harness.Key(VK_ESCAPE);
  ASSERT_FALSE(combo.GetDroppedState());

  // At the screen's bottom right corner: moved in from the right edge, and above the face.
  ::SetWindowPos(parent, nullptr, 1920 - 250, 1080 - 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  face = WindowRect(combo);
  harness.Click(combo, CPoint(20, 5));
  list = WindowRect(::GetCapture());
  EXPECT_EQ(list.right, 1920);
  EXPECT_EQ(list.Width(), 400);
  EXPECT_EQ(list.bottom, face.top);
}

}  // namespace

namespace {

constexpr UINT kDriveTemplate = 9130;

class CDriveDlg : public CDialog {
public:
  CDriveDlg() : CDialog(kDriveTemplate) {}
  CComboBox m_combo;
  CString m_strDrive;

protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, kId, m_combo);
    DDX_CBString(pDX, kId, m_strDrive);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_combo.AddString(L"G:\\[Portable Disk]");
    m_combo.AddString(L"E:\\[CARD]");
    m_combo.SetCurSel(0);
    return TRUE;
  }
};

TEST_F(ComboBoxTest, DropListInATemplateDialogGivesItsTextOnOk) {
  DialogTemplate t;
  t.id = kDriveTemplate;
  t.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT;
  t.rect = CRect(0, 0, 191, 72);
  t.fontFace = L"MS Shell Dlg";
  t.fontPointSize = 8;
  t.controls = {{WC_COMBOBOX, L"", kId, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL, 0,
                 CRect(52, 7, 176, 52)}};
  platform::RegisterDialogTemplate(t);
  CDriveDlg dlg;
  platform::PostToUiThread([this, &dlg] {
    EXPECT_EQ(CWnd::GetFocus(), &dlg.m_combo);
    harness.Key(VK_DOWN);  // the second entry
    dlg.SendMessage(WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_strDrive, L"G:\\[Portable Disk]");
}

}  // namespace

#include <gtest/gtest.h>

#include "platform/win/Button.h"
#include "platform/win/Dialog.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

namespace {

// What the parent heard, with the sender's check as it stood at that moment.
struct Heard {
  int id;
  UINT code;
  LRESULT checkThen;
};

std::vector<Heard>& Commands() {
  static std::vector<Heard> heard;
  return heard;
}

std::vector<DRAWITEMSTRUCT>& Draws() {
  static std::vector<DRAWITEMSTRUCT> draws;
  return draws;
}

LRESULT ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    auto sender = reinterpret_cast<HWND>(lParam);
    Commands().push_back({LOWORD(wParam), HIWORD(wParam), SendMessage(sender, BM_GETCHECK, 0, 0)});
  }
  if (message == WM_DRAWITEM) Draws().push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
  return DefWindowProc(hwnd, message, wParam, lParam);
}

class ButtonTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterRecorderClasses();
    WNDCLASS wc;
    wc.lpszClassName = L"ButtonParent";
    wc.lpfnWndProc = ParentProc;
    RegisterClass(&wc);
    top = MakeTop(CRect(100, 100, 400, 300), WS_POPUP | WS_VISIBLE, L"ButtonParent");
    Commands().clear();
    Draws().clear();
  }
  void TearDown() override { DestroyWindow(top); }

  HWND Make(DWORD style, int id, CRect rect = CRect(10, 10, 90, 30)) {
    HWND h = MakeChild(top, rect, id, WS_CHILD | WS_VISIBLE | style, WC_BUTTON);
    harness.Pump();
    return h;
  }
  UINT State(HWND h) { return static_cast<UINT>(SendMessage(h, BM_GETSTATE, 0, 0)); }

  platform::test::WindowHarness harness;
  HWND top = nullptr;
};

TEST_F(ButtonTest, AutoCheckBoxTogglesBeforeTheParentHearsTheClick) {
  HWND box = Make(BS_AUTOCHECKBOX | WS_TABSTOP, 7);
  harness.Click(box, CPoint(5, 5));
  ASSERT_EQ(Commands().size(), 1u);
  EXPECT_EQ(Commands()[0].id, 7);
  EXPECT_EQ(Commands()[0].code, BN_CLICKED);
  EXPECT_EQ(Commands()[0].checkThen, BST_CHECKED);
  harness.Click(box, CPoint(5, 5));
  EXPECT_EQ(Commands().at(1).checkThen, BST_UNCHECKED);
  EXPECT_EQ(GetFocus(), box);
  EXPECT_EQ(IsDlgButtonChecked(top, 7), BST_UNCHECKED);
  CheckDlgButton(top, 7, BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(top, 7), BST_CHECKED);
}

TEST_F(ButtonTest, PushedLookFollowsThePointerAndReleaseOutsideIsNoClick) {
  HWND box = Make(BS_AUTOCHECKBOX, 7);
  harness.Press(box, CPoint(5, 5));
  EXPECT_EQ(GetCapture(), box);
  EXPECT_TRUE(State(box) & BST_PUSHED);
  harness.MoveTo(box, CPoint(200, 5));
  EXPECT_FALSE(State(box) & BST_PUSHED);
  harness.MoveTo(box, CPoint(6, 6));
  EXPECT_TRUE(State(box) & BST_PUSHED);
  harness.MoveTo(box, CPoint(200, 5));
  harness.Release(box, CPoint(200, 5));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(Commands().empty());
  EXPECT_EQ(SendMessage(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ButtonTest, SpacePressesAtKeyDownAndClicksAtKeyUp) {
  HWND box = Make(BS_AUTOCHECKBOX, 7);
  SetFocus(box);
  harness.KeyDown(VK_SPACE, L' ');
  EXPECT_TRUE(State(box) & BST_PUSHED);
  EXPECT_TRUE(State(box) & BST_FOCUS);
  EXPECT_TRUE(Commands().empty());
  harness.KeyUp(VK_SPACE);
  ASSERT_EQ(Commands().size(), 1u);
  EXPECT_EQ(Commands()[0].checkThen, BST_CHECKED);
  EXPECT_FALSE(State(box) & BST_PUSHED);
}

TEST_F(ButtonTest, CaptureTakenAwayEndsThePressWithoutAClick) {
  HWND button = Make(BS_PUSHBUTTON, 3);
  HWND other = Make(BS_PUSHBUTTON, 4, CRect(100, 10, 180, 30));
  harness.Press(button, CPoint(5, 5));
  SetCapture(other);
  EXPECT_FALSE(State(button) & BST_PUSHED);
  ReleaseCapture();
  harness.Release(button, CPoint(5, 5));
  EXPECT_TRUE(Commands().empty());
}

TEST_F(ButtonTest, CheckingAnAutoRadioClearsTheOthersOfItsGroupOnly) {
  HWND a = Make(BS_AUTORADIOBUTTON | WS_GROUP, 1, CRect(10, 10, 90, 30));
  HWND b = Make(BS_AUTORADIOBUTTON, 2, CRect(10, 40, 90, 60));
  HWND c = Make(BS_AUTORADIOBUTTON, 3, CRect(10, 70, 90, 90));
  HWND d = Make(BS_AUTORADIOBUTTON | WS_GROUP, 4, CRect(10, 100, 90, 120));
  SendMessage(a, BM_SETCHECK, BST_CHECKED, 0);
  SendMessage(d, BM_SETCHECK, BST_CHECKED, 0);
  harness.Click(c, CPoint(5, 5));
  EXPECT_EQ(SendMessage(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessage(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessage(c, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessage(d, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(Commands().at(0).checkThen, BST_CHECKED);
}

TEST_F(ButtonTest, KindsWithoutACheckKeepNone) {
  HWND push = Make(BS_PUSHBUTTON, 1);
  HWND owner = Make(BS_OWNERDRAW, 2, CRect(100, 10, 180, 30));
  HWND three = Make(BS_3STATE, 3, CRect(10, 40, 90, 60));
  HWND box = Make(BS_CHECKBOX, 4, CRect(100, 40, 180, 60));
  SendMessage(push, BM_SETCHECK, BST_CHECKED, 0);
  SendMessage(owner, BM_SETCHECK, BST_CHECKED, 0);
  SendMessage(three, BM_SETCHECK, BST_INDETERMINATE, 0);
  SendMessage(box, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(SendMessage(push, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessage(owner, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessage(three, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(SendMessage(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  // A plain check box clicks but leaves its check to the parent.
  harness.Click(box, CPoint(5, 5));
  EXPECT_EQ(Commands().at(0).checkThen, BST_CHECKED);
  EXPECT_EQ(SendMessage(push, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON));
  EXPECT_EQ(SendMessage(owner, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(DLGC_BUTTON));
}

TEST_F(ButtonTest, SetStateInvalidatesOnlyOnAChange) {
  HWND button = Make(BS_OWNERDRAW, 1);
  CRect update;
  EXPECT_FALSE(GetUpdateRect(button, &update, FALSE));
  SendMessage(button, BM_SETSTATE, FALSE, 0);
  EXPECT_FALSE(GetUpdateRect(button, &update, FALSE));
  SendMessage(button, BM_SETSTATE, TRUE, 0);
  EXPECT_TRUE(GetUpdateRect(button, &update, FALSE));
  EXPECT_EQ(update, CRect(0, 0, 80, 20));
}

TEST_F(ButtonTest, OwnerDrawnButtonAsksTheParentWithItsState) {
  HWND button = Make(BS_OWNERDRAW, 9);
  ASSERT_FALSE(Draws().empty());
  EXPECT_EQ(Draws().back().CtlType, ODT_BUTTON);
  EXPECT_EQ(Draws().back().CtlID, 9u);
  EXPECT_EQ(Draws().back().hwndItem, button);
  EXPECT_EQ(CRect(Draws().back().rcItem), CRect(0, 0, 80, 20));
  EXPECT_EQ(Draws().back().itemState, 0u);
  harness.Press(button, CPoint(5, 5));
  EXPECT_EQ(Draws().back().itemState, static_cast<UINT>(ODS_SELECTED | ODS_FOCUS));
  harness.Release(button, CPoint(5, 5));
  EXPECT_EQ(Draws().back().itemState, static_cast<UINT>(ODS_FOCUS));
  EnableWindow(button, FALSE);
  harness.Pump();
  EXPECT_TRUE(Draws().back().itemState & ODS_DISABLED);
  // A double click on an owner-drawn button is its own notification.
  EnableWindow(button, TRUE);
  harness.AdvanceTime(1000);
  Commands().clear();
  harness.Click(button, CPoint(5, 5));
  harness.Click(button, CPoint(5, 5));
  ASSERT_EQ(Commands().size(), 2u);
  EXPECT_EQ(Commands()[1].code, BN_DOUBLECLICKED);
}

class CCountingButton : public CButton {
public:
  int drawn = 0;
  UINT lastState = 0;
  void DrawItem(LPDRAWITEMSTRUCT dis) override {
    ++drawn;
    lastState = dis->itemState;
  }
};

TEST_F(ButtonTest, ParentObjectReflectsDrawingToTheButtonObject) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, L"Recorder", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
  CCountingButton button;
  ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 50, 20), &parent, 5));
  harness.Pump();
  EXPECT_GE(button.drawn, 1);
  button.SetState(TRUE);
  harness.Pump();
  EXPECT_TRUE(button.lastState & ODS_SELECTED);
  EXPECT_TRUE(button.GetState() & BST_PUSHED);
  EXPECT_EQ(button.GetButtonStyle() & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(ButtonTest, PlainLooksPaintFaceAndCheckMark) {
  HWND push = Make(BS_PUSHBUTTON, 1);
  EXPECT_EQ(harness.Pixel(push, CPoint(40, 10)), GetSysColor(COLOR_BTNFACE));
  HWND box = Make(BS_AUTOCHECKBOX, 2, CRect(10, 40, 90, 60));
  // The glyph's inside is blank until the box is checked.
  auto inkInGlyph = [&] {
    int ink = 0;
    for (int y = 3; y < 17; ++y)
      for (int x = 1; x < 12; ++x) ink += harness.Pixel(box, CPoint(x, y)) == GetSysColor(COLOR_WINDOWTEXT);
    return ink;
  };
  EXPECT_EQ(inkInGlyph(), 0);
  SendMessage(box, BM_SETCHECK, BST_CHECKED, 0);
  harness.Pump();
  EXPECT_GT(inkInGlyph(), 10);
}

}  // namespace

namespace {

// A button in the way skinned buttons use the class: owner-drawn on attachment, its own
// check through BM_SETCHECK/BM_GETCHECK, the check changed before the default release.
class CSelfCheckingButton : public CButton {
public:
  BOOL checked = FALSE;

protected:
  void PreSubclassWindow() override { ModifyStyle(0, BS_OWNERDRAW, 0); }
  void OnLButtonUp(UINT, CPoint point) {
    ClientToScreen(&point);
    if (CWnd::WindowFromPoint(point) == this) SendMessage(BM_SETCHECK, !checked);
    Default();
  }
  LRESULT OnSetCheck(WPARAM wParam, LPARAM) {
    checked = wParam != 0;
    Invalidate();
    return 0;
  }
  LRESULT OnGetCheck(WPARAM, LPARAM) { return checked; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfCheckingButton, CButton)
  ON_WM_LBUTTONUP()
  ON_MESSAGE(BM_SETCHECK, OnSetCheck)
  ON_MESSAGE(BM_GETCHECK, OnGetCheck)
END_MESSAGE_MAP()

class CClickParent : public CWnd {
public:
  CSelfCheckingButton box;
  std::vector<int> checkAtClick;

protected:
  void OnBoxClicked() { checkAtClick.push_back(box.GetCheck()); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickParent, CWnd)
  ON_BN_CLICKED(1003, OnBoxClicked)
END_MESSAGE_MAP()

TEST_F(ButtonTest, SubclassedOwnerDrawnCheckBoxIsCheckedBeforeItsClick) {
  CClickParent parent;
  ASSERT_TRUE(parent.CreateEx(0, L"Recorder", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
  HWND raw =
      MakeChild(parent, CRect(10, 10, 40, 40), 1003, WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTOCHECKBOX, WC_BUTTON);
  ASSERT_TRUE(parent.box.SubclassWindow(raw));
  EXPECT_EQ(parent.box.GetButtonStyle() & BS_TYPEMASK, BS_OWNERDRAW);
  harness.Click(raw, CPoint(5, 5));
  harness.AdvanceTime(1000);
  harness.Click(raw, CPoint(5, 5));
  EXPECT_EQ(parent.checkAtClick, (std::vector<int>{1, 0}));
}

}  // namespace

#include <gtest/gtest.h>

#include "platform/win/Static.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;

namespace {

constexpr COLORREF kParentColour = RGB(10, 120, 30);
constexpr COLORREF kBrushColour = RGB(200, 20, 20);
constexpr COLORREF kOwnColour = RGB(20, 20, 200);

// A parent that paints itself green and answers the colour message with a red brush.
class CColourParent : public CSolidWnd {
public:
  CColourParent() : CSolidWnd(kParentColour) { m_brush.CreateSolidBrush(kBrushColour); }
  CBrush m_brush;
  UINT lastKind = 99;

protected:
  HBRUSH OnCtlColor(CDC*, CWnd*, UINT nCtlColor) {
    lastKind = nCtlColor;
    return reinterpret_cast<HBRUSH>(m_brush.GetSafeHandle());
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourParent, CSolidWnd)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A label that picks its own brush: solid blue, or the stock null brush.
class COwnColourStatic : public CStatic {
public:
  bool transparent = false;
  CBrush m_brush;

protected:
  HBRUSH CtlColor(CDC* pDC, UINT) {
    m_brush.DeleteObject();
    if (transparent) {
      pDC->SetBkMode(TRANSPARENT);
      return reinterpret_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    m_brush.CreateSolidBrush(kOwnColour);
    return reinterpret_cast<HBRUSH>(m_brush.GetSafeHandle());
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnColourStatic, CStatic)
  ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class StaticTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterRecorderClasses();
    top = MakeTop(CRect(100, 100, 400, 300), WS_POPUP | WS_VISIBLE);
    harness.Pump();
    Log().clear();
  }
  void TearDown() override { DestroyWindow(top); }

  platform::test::WindowHarness harness;
  HWND top = nullptr;
};

TEST_F(StaticTest, WithoutNotifyTheClickGoesToTheWindowBeneath) {
  HWND label = MakeChild(top, CRect(10, 10, 110, 30), 5, WS_CHILD | WS_VISIBLE | SS_LEFT, WC_STATIC);
  harness.Click(label, CPoint(5, 5));
  ASSERT_EQ(Only(WM_LBUTTONDOWN).size(), 1u);
  EXPECT_EQ(Only(WM_LBUTTONDOWN)[0].hwnd, top);
  EXPECT_TRUE(Only(WM_COMMAND).empty());
}

TEST_F(StaticTest, WithNotifyItTakesClicksAndTellsTheParent) {
  HWND label = MakeChild(top, CRect(10, 10, 110, 30), 5, WS_CHILD | WS_VISIBLE | SS_NOTIFY, WC_STATIC);
  harness.Click(label, CPoint(5, 5));
  EXPECT_TRUE(Only(WM_LBUTTONDOWN).empty());
  ASSERT_EQ(Only(WM_COMMAND).size(), 1u);
  EXPECT_EQ(Only(WM_COMMAND)[0].wParam, MAKEWPARAM(5, STN_CLICKED));
  EXPECT_EQ(Only(WM_COMMAND)[0].lParam, reinterpret_cast<LPARAM>(label));
  harness.Click(label, CPoint(5, 5));
  EXPECT_EQ(Only(WM_COMMAND).at(1).wParam, MAKEWPARAM(5, STN_DBLCLK));
}

TEST_F(StaticTest, BlackRectangleIsFilledBlack) {
  CStatic pane;
  ASSERT_TRUE(pane.Create(L"Video window1", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, CRect(10, 10, 60, 40),
                          CWnd::FromHandle(top)));
  harness.Pump();
  EXPECT_EQ(harness.Pixel(pane, CPoint(25, 15)), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(pane.GetDlgCtrlID(), 0xFFFF);
}

TEST_F(StaticTest, TextKindsFillWithTheBrushTheParentOrTheLabelGives) {
  CColourParent parent;
  ASSERT_TRUE(parent.CreateEx(0, L"Recorder", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
  CStatic plain;
  plain.Create(L"", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(0, 0, 50, 20), &parent, 1);
  COwnColourStatic own;
  own.Create(L"", WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(60, 0, 110, 20), &parent, 2);
  COwnColourStatic clear;
  clear.transparent = true;
  clear.Create(L"", WS_CHILD | WS_VISIBLE | SS_RIGHT, CRect(120, 0, 170, 20), &parent, 3);
  harness.Pump();
  EXPECT_EQ(parent.lastKind, CTLCOLOR_STATIC);
  EXPECT_EQ(harness.Pixel(plain, CPoint(25, 10)), kBrushColour);
  EXPECT_EQ(harness.Pixel(own, CPoint(25, 10)), kOwnColour);
  EXPECT_EQ(harness.Pixel(clear, CPoint(25, 10)), kParentColour);
}

TEST_F(StaticTest, NewTextRepaintsTheLabel) {
  HWND label = MakeChild(top, CRect(10, 10, 110, 30), 5, WS_CHILD | WS_VISIBLE, WC_STATIC);
  harness.Pump();
  SetWindowText(label, L"00:00:01");
  CRect update;
  EXPECT_TRUE(GetUpdateRect(label, &update, FALSE));
  EXPECT_EQ(update, CRect(0, 0, 100, 20));
  harness.Pump();
  EXPECT_FALSE(GetUpdateRect(label, &update, FALSE));
  wchar_t text[16] = {};
  GetWindowText(label, text, 16);
  EXPECT_EQ(std::wstring(text), L"00:00:01");
  EXPECT_EQ(SendMessage(label, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(0x0100));
}

}  // namespace

#include <gtest/gtest.h>

#include "tests/skin/SkinTestDialog.h"

using namespace skintest;

namespace {

// A point on each face away from its glyph.
const CPoint kFacePoint(3, 11);

class OktSkinButtonTest : public SkinDialogTest {
protected:
  LRESULT Check(CWnd& w) { return w.SendMessage(BM_GETCHECK); }
  COLORREF Face(CWnd& w) { return Pixel(w, kFacePoint.x, kFacePoint.y); }
  COLORREF FaceOf(WORD id) { return BitmapPixel(id, kFacePoint.x, kFacePoint.y); }
  CPoint Centre(CWnd& w) {
    CRect r;
    w.GetClientRect(&r);
    return r.CenterPoint();
  }
};

TEST_F(OktSkinButtonTest, EveryKindBecomesOwnerDrawnAndOnlyCheckKindsHoldACheck) {
  for (CWnd* w :
       {static_cast<CWnd*>(&dlg.m_btnPush), static_cast<CWnd*>(&dlg.m_btnCheck), static_cast<CWnd*>(&dlg.m_btnRadio1)})
    EXPECT_EQ(w->GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
  dlg.m_btnPush.SetCheck(1);
  EXPECT_EQ(Check(dlg.m_btnPush), 0);
  dlg.m_btnCheck.SetCheck(1);
  EXPECT_EQ(Check(dlg.m_btnCheck), 1);
  EXPECT_EQ(UsageMarker(L"usingOktButton"), 1u);
}

TEST_F(OktSkinButtonTest, ClickTogglesTheCheckBoxBeforeTheParentHearsIt) {
  ASSERT_NE(FaceOf(kNormal), FaceOf(kPressed));
  EXPECT_EQ(Face(dlg.m_btnCheck), FaceOf(kNormal));
  harness.Click(dlg.m_btnCheck, Centre(dlg.m_btnCheck));
  harness.Pump();
  ASSERT_EQ(dlg.m_heard.size(), 1u);
  EXPECT_EQ(dlg.m_heard[0].id, kCheck);
  EXPECT_EQ(dlg.m_heard[0].code, BN_CLICKED);
  EXPECT_EQ(dlg.m_heard[0].checkThen, 1);
  EXPECT_FALSE(dlg.m_btnCheck.GetState() & BST_PUSHED);
  EXPECT_EQ(Face(dlg.m_btnCheck), FaceOf(kPressed));  // checked shows the pressed face

  harness.Click(dlg.m_btnCheck, Centre(dlg.m_btnCheck));
  harness.Pump();
  ASSERT_EQ(dlg.m_heard.size(), 2u);
  EXPECT_EQ(dlg.m_heard[1].checkThen, 0);
  EXPECT_EQ(Check(dlg.m_btnCheck), 0);
}

TEST_F(OktSkinButtonTest, PressedLookFollowsThePointerAndReleaseOutsideChangesNothing) {
  harness.Press(dlg.m_btnCheck, CPoint(5, 5));
  harness.Pump();
  EXPECT_EQ(GetCapture(), dlg.m_btnCheck.m_hWnd);
  EXPECT_EQ(Face(dlg.m_btnCheck), FaceOf(kPressed));
  harness.MoveTo(dlg.m_btnCheck, CPoint(5, 60));
  harness.Pump();
  EXPECT_FALSE(dlg.m_btnCheck.GetState() & BST_PUSHED);
  EXPECT_NE(Face(dlg.m_btnCheck), FaceOf(kPressed));
  harness.MoveTo(dlg.m_btnCheck, CPoint(6, 6));
  harness.Pump();
  EXPECT_TRUE(dlg.m_btnCheck.GetState() & BST_PUSHED);
  EXPECT_EQ(Face(dlg.m_btnCheck), FaceOf(kPressed));
  harness.MoveTo(dlg.m_btnCheck, CPoint(5, 60));
  harness.Release(dlg.m_btnCheck, CPoint(5, 60));
  harness.Pump();
  EXPECT_TRUE(dlg.m_heard.empty());
  EXPECT_EQ(Check(dlg.m_btnCheck), 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(OktSkinButtonTest, AReleaseWithoutAPressOnTheButtonChangesNoCheck) {
  // Pressed on the dialog's background, released over the check box.
  harness.Press(dlg, CPoint(300, 180));
  harness.MoveTo(dlg.m_btnCheck, CPoint(5, 5));
  harness.Release(dlg.m_btnCheck, CPoint(5, 5));
  harness.Pump();
  EXPECT_EQ(Check(dlg.m_btnCheck), 0);
  EXPECT_TRUE(dlg.m_heard.empty());

  // A press ended by a focus change: the release that follows is no click either.
  harness.Press(dlg.m_btnCheck, CPoint(5, 5));
  dlg.m_btnOther.SetFocus();
  EXPECT_NE(GetCapture(), dlg.m_btnCheck.m_hWnd);
  harness.Release(dlg.m_btnCheck, CPoint(5, 5));
  harness.Pump();
  EXPECT_EQ(Check(dlg.m_btnCheck), 0);
  EXPECT_TRUE(dlg.m_heard.empty());
}

TEST_F(OktSkinButtonTest, ADoubleClickIsTwoClicks) {
  harness.Click(dlg.m_btnCheck, CPoint(5, 5));
  harness.Click(dlg.m_btnCheck, CPoint(5, 5));
  harness.Pump();
  ASSERT_EQ(dlg.m_heard.size(), 2u);
  EXPECT_EQ(dlg.m_heard[0].checkThen, 1);
  EXPECT_EQ(dlg.m_heard[1].checkThen, 0);
  EXPECT_EQ(Check(dlg.m_btnCheck), 0);
}

TEST_F(OktSkinButtonTest, CheckingARadioClearsItsGroupOnceTheQueueRuns) {
  dlg.m_btnRadio1.SetCheck(1);
  dlg.m_btnOther.SetCheck(1);
  harness.Pump();
  harness.Click(dlg.m_btnRadio3, CPoint(5, 5));
  ASSERT_EQ(dlg.m_heard.size(), 1u);
  EXPECT_EQ(dlg.m_heard[0].checkThen, 1);
  harness.Pump();
  EXPECT_EQ(Check(dlg.m_btnRadio1), 0);
  EXPECT_EQ(Check(dlg.m_btnRadio2), 0);
  EXPECT_EQ(Check(dlg.m_btnRadio3), 1);
  EXPECT_EQ(Check(dlg.m_btnOther), 1);  // another group
  EXPECT_EQ(Face(dlg.m_btnRadio1), FaceOf(kNormal));
  EXPECT_EQ(Face(dlg.m_btnRadio3), FaceOf(kPressed));

  // Clicking a checked radio keeps it checked.
  harness.Click(dlg.m_btnRadio3, CPoint(5, 5));
  harness.Pump();
  EXPECT_EQ(Check(dlg.m_btnRadio3), 1);
}

TEST_F(OktSkinButtonTest, AHiddenOrDisabledRadioCheckedByCodeStillEndsItsGroupWalk) {
  dlg.m_btnRadio1.SetCheck(1);
  harness.Pump();
  dlg.m_btnRadio2.ShowWindow(SW_HIDE);
  dlg.m_btnRadio2.SetCheck(1);  // would walk the group forever
  harness.Pump();
  EXPECT_EQ(Check(dlg.m_btnRadio1), 0);
  EXPECT_EQ(Check(dlg.m_btnRadio2), 1);

  dlg.m_btnRadio3.EnableWindow(FALSE);
  dlg.m_btnRadio1.SetCheck(1);
  harness.Pump();
  dlg.m_btnRadio3.SetCheck(1);
  harness.Pump();
  EXPECT_EQ(Check(dlg.m_btnRadio1), 0);
  EXPECT_EQ(Check(dlg.m_btnRadio3), 1);
}

TEST_F(OktSkinButtonTest, SpaceChangesTheCheckOnceAndClicksAtKeyUp) {
  dlg.m_btnCheck.SetFocus();
  harness.KeyDown(VK_SPACE, L' ');
  EXPECT_EQ(Check(dlg.m_btnCheck), 1);
  EXPECT_TRUE(dlg.m_heard.empty());
  harness.KeyDown(VK_SPACE, L' ', true);
  harness.KeyDown(VK_SPACE, L' ', true);
  EXPECT_EQ(Check(dlg.m_btnCheck), 1);
  harness.KeyUp(VK_SPACE);
  harness.Pump();
  ASSERT_EQ(dlg.m_heard.size(), 1u);
  EXPECT_EQ(dlg.m_heard[0].checkThen, 1);

  dlg.m_btnRadio2.SetFocus();
  harness.Key(VK_SPACE, L' ');
  harness.Pump();
  EXPECT_EQ(Check(dlg.m_btnRadio2), 1);
}

TEST_F(OktSkinButtonTest, HoverWinsOverFocusAndLeavingRestoresTheFace) {
  dlg.m_btnPush.SetBitmaps(kNormal, kPressed, kHover, kDisabled, kFocusFace);
  dlg.m_btnPush.SetFocus();
  dlg.m_btnPush.Invalidate();
  harness.Pump();
  EXPECT_EQ(Face(dlg.m_btnPush), FaceOf(kFocusFace));
  harness.MoveTo(dlg.m_btnPush, CPoint(5, 5));
  harness.Pump();
  EXPECT_EQ(Face(dlg.m_btnPush), FaceOf(kHover));
  harness.MoveTo(dlg, CPoint(300, 180));
  harness.Pump();
  EXPECT_EQ(Face(dlg.m_btnPush), FaceOf(kFocusFace));
  dlg.m_btnOther.SetFocus();
  harness.Pump();
  EXPECT_EQ(Face(dlg.m_btnPush), FaceOf(kNormal));
}

TEST_F(OktSkinButtonTest, DisabledFaceFallsBackToTheNormalImage) {
  dlg.m_btnPush.EnableWindow(FALSE);
  harness.Pump();
  EXPECT_EQ(Face(dlg.m_btnPush), FaceOf(kDisabled));
  dlg.m_btnPush.SetBitmaps(kPressed, kNormal, 0, 0, 0);
  dlg.m_btnPush.Invalidate();
  harness.Pump();
  EXPECT_EQ(Face(dlg.m_btnPush), FaceOf(kPressed));
  // Without a hover image the pointer changes nothing.
  dlg.m_btnPush.EnableWindow(TRUE);
  harness.MoveTo(dlg.m_btnPush, CPoint(5, 5));
  harness.Pump();
  EXPECT_EQ(Face(dlg.m_btnPush), FaceOf(kPressed));
}

TEST_F(OktSkinButtonTest, MissingImagesGiveThePlainButtonFace) {
  dlg.m_btnPush.SetBitmaps(1, 2, 0, 0, 0);  // no such resources
  dlg.m_btnPush.Invalidate();
  harness.Pump();
  EXPECT_EQ(Face(dlg.m_btnPush), GetSysColor(COLOR_BTNFACE));
}

// A button made at run time, with its tooltip in view.
class CTipButton : public COktSkinButton {
public:
  CToolTipCtrl& Tip() { return m_toolTip; }
  int Kind() const { return m_nButtonKind; }
};

TEST_F(OktSkinButtonTest, RunTimeButtonsTakeTheirKindAndTheFirstTooltipTextMakesTheTool) {
  CTipButton button;
  ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, CRect(300, 150, 336, 172), &dlg, 2050));
  EXPECT_EQ(button.Kind(), 4);
  EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(button.Tip().m_hWnd, nullptr);
  button.SetTooltipText(L"Play");
  ASSERT_NE(button.Tip().m_hWnd, nullptr);
  button.SetTooltipText(L"Pause");
  EXPECT_EQ(button.Tip().GetToolCount(), 1);
  CString text;
  button.Tip().GetText(text, &button);
  EXPECT_EQ(text, CString(L"Pause"));
  button.DestroyWindow();
}

}  // namespace

// The skin table: faces, an empty caption, and a tooltip in the window's language, an empty
// tooltip, or none, as the table says.
#include <gtest/gtest.h>

#include "app/LangStringTable.h"
#include "player/SkinTable.h"
#include "tests/skin/SkinTestDialog.h"

namespace {

using namespace skintest;

// The tooltip of a skinned button, reached through a pointer to its protected member.
struct TipOf : COktSkinButton {
  static CToolTipCtrl& Of(COktSkinButton& button) {
    CToolTipCtrl COktSkinButton::*tip = &TipOf::m_toolTip;
    return button.*tip;
  }
};

CString TipText(COktSkinButton& button) {
  CString text;
  TipOf::Of(button).GetText(text, &button);
  return text;
}

class SkinTableTest : public SkinDialogTest {};

TEST_F(SkinTableTest, ButtonsTakeTheirFacesAnEmptyCaptionAndTheTooltipTheTableGives) {
  // The dialog's pressed face as the normal and the focus face.
  const SkinFaces faces{kPressed, kNormal, kHover, kDisabled, kPressed};
  const CPoint onFace(3, 11);
  ASSERT_NE(BitmapPixel(kPressed, onFace.x, onFace.y), BitmapPixel(kNormal, onFace.x, onFace.y));
  for (COktSkinButton* button : {&dlg.m_btnPush, &dlg.m_btnCheck, &dlg.m_btnOther}) button->SetWindowText(L"x");
  SkinButtons({{&dlg.m_btnPush, faces, L"PLAYERDLG_PLAY"},
               {&dlg.m_btnCheck, faces, kEmptyTooltip},
               {&dlg.m_btnOther, faces, nullptr}});
  dlg.Invalidate();
  harness.Pump();

  for (COktSkinButton* button : {&dlg.m_btnPush, &dlg.m_btnCheck, &dlg.m_btnOther}) {
    CString caption;
    button->GetWindowText(caption);
    EXPECT_TRUE(caption.IsEmpty());
    EXPECT_EQ(Pixel(*button, onFace.x, onFace.y), BitmapPixel(kPressed, onFace.x, onFace.y));
  }
  EXPECT_EQ(TipText(dlg.m_btnPush), CLangStringTable().GetString(L"PLAYERDLG_PLAY"));
  ASSERT_NE(TipOf::Of(dlg.m_btnCheck).m_hWnd, nullptr);
  EXPECT_EQ(TipOf::Of(dlg.m_btnCheck).GetToolCount(), 1);
  EXPECT_TRUE(TipText(dlg.m_btnCheck).IsEmpty());
  EXPECT_EQ(TipOf::Of(dlg.m_btnOther).m_hWnd, nullptr);
}

}  // namespace

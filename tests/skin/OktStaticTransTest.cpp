#include <gtest/gtest.h>

#include "tests/skin/SkinTestDialog.h"

using namespace skintest;

namespace {

class OktStaticTransTest : public SkinDialogTest {};

TEST_F(OktStaticTransTest, ATransparentLabelDrawsOnlyItsTextOverTheParent) {
  int inked = CountOther(dlg.m_lblText, kBackground);
  EXPECT_GT(inked, 20);
  EXPECT_EQ(Pixel(dlg.m_lblText, 118, 18), kBackground);
  EXPECT_EQ(UsageMarker(L"usingOktStaticTrans"), 1u);
}

TEST_F(OktStaticTransTest, OldTextStaysUntilTheParentAreaIsRedrawn) {
  int before = CountOther(dlg.m_lblText, kBackground);
  dlg.m_lblText.SetWindowText(L"");
  harness.Pump();
  EXPECT_EQ(CountOther(dlg.m_lblText, kBackground), before);

  dlg.m_lblText.RedrawParentArea();
  dlg.m_lblText.SetWindowText(L"");
  harness.Pump();
  EXPECT_EQ(CountOther(dlg.m_lblText, kBackground, 2), 0);  // the 2-pixel border keeps its pixels
}

TEST_F(OktStaticTransTest, TheParentAreaLeavesATwoPixelBorderAndIsErased) {
  harness.Pump();
  dlg.m_lblText.RedrawParentArea();
  CRect update;
  ASSERT_TRUE(dlg.GetUpdateRect(&update, FALSE));
  CRect expected = CSkinTestDlg::Place(kLabel);
  expected.DeflateRect(2, 2);
  EXPECT_EQ(update, expected);
  // The erase that comes with it repaints the background under the label.
  CDC* dc = dlg.m_lblText.GetDC();
  CRect all;
  dlg.m_lblText.GetClientRect(&all);
  dc->FillSolidRect(&all, RGB(255, 0, 0));
  dlg.m_lblText.ReleaseDC(dc);
  dlg.m_lblText.SetWindowText(L"");
  harness.Pump();
  EXPECT_EQ(Pixel(dlg.m_lblText, 5, 5), kBackground);
  EXPECT_EQ(Pixel(dlg.m_lblText, 0, 0), RGB(255, 0, 0));  // the border was not redrawn
}

TEST_F(OktStaticTransTest, TheBackgroundImageIsDrawnAtItsSizeWithGreenShowingThrough) {
  ASSERT_EQ(BitmapPixel(kLabelBox, 0, 0), RGB(0, 255, 0));
  EXPECT_EQ(Pixel(dlg.m_lblImage, 0, 0), kBackground);
  EXPECT_EQ(Pixel(dlg.m_lblImage, 25, 7), BitmapPixel(kLabelBox, 25, 7));
  EXPECT_EQ(Pixel(dlg.m_lblImage, 55, 17), kBackground);  // beyond the 50 x 15 image
  // With an image the erase draws only the image, whatever the colour says.
  dlg.m_lblImage.m_crBack = RGB(200, 0, 0);
  dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  harness.Pump();
  EXPECT_EQ(Pixel(dlg.m_lblImage, 55, 17), RGB(200, 0, 0));  // the text paint fills with the solid brush
}

TEST_F(OktStaticTransTest, ASolidLabelFillsItsBackgroundColour) {
  EXPECT_EQ(Pixel(dlg.m_lblSolid, 95, 17), RGB(0x1E, 0x1E, 0x1E));
  EXPECT_GT(CountOther(dlg.m_lblSolid, RGB(0x1E, 0x1E, 0x1E)), 10);
}

TEST_F(OktStaticTransTest, FontChangesKeepEveryOtherAttribute) {
  dlg.m_lblText.SetFontHeight(17);
  dlg.m_lblText.SetFontWeight(700);
  LOGFONTW lf{};
  ASSERT_GT(dlg.m_lblText.m_font.GetLogFont(&lf), 0);
  EXPECT_EQ(lf.lfHeight, 17);
  EXPECT_EQ(lf.lfWeight, 700);
  EXPECT_FALSE(lf.lfUnderline);
  EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
  EXPECT_STREQ(lf.lfFaceName, L"\uB9D1\uC740 \uACE0\uB515");

  // Without a font the change starts from the label's usual one.
  dlg.m_lblText.m_font.DeleteObject();
  dlg.m_lblText.SetFontHeight(20);
  ASSERT_GT(dlg.m_lblText.m_font.GetLogFont(&lf), 0);
  EXPECT_EQ(lf.lfHeight, 20);
  EXPECT_EQ(lf.lfWeight, 400);
  EXPECT_STREQ(lf.lfFaceName, L"\uB9D1\uC740 \uACE0\uB515");
}

TEST_F(OktStaticTransTest, TheColourAnswerIsANullBrushWhenTransparent) {
  CDC mem;
  mem.CreateCompatibleDC(nullptr);
  HBRUSH first = reinterpret_cast<HBRUSH>(
      dlg.m_lblText.SendMessage(WM_REFLECT_BASE + WM_CTLCOLOR, reinterpret_cast<WPARAM>(mem.m_hDC), CTLCOLOR_STATIC));
  HBRUSH second = reinterpret_cast<HBRUSH>(
      dlg.m_lblText.SendMessage(WM_REFLECT_BASE + WM_CTLCOLOR, reinterpret_cast<WPARAM>(mem.m_hDC), CTLCOLOR_STATIC));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(first), GetStockObject(NULL_BRUSH));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(second), GetStockObject(NULL_BRUSH));
  EXPECT_EQ(mem.GetBkMode(), TRANSPARENT);
  EXPECT_EQ(mem.GetTextColor(), RGB(0xAB, 0xAB, 0xAB));
  LOGBRUSH lb{};
  ASSERT_GT(GetObject(GetStockObject(NULL_BRUSH), sizeof lb, &lb), 0);
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_NULL));
}

}  // namespace

#include <gtest/gtest.h>

#include "tests/platform/gdi/GdiTestCanvas.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST(ShapesTest, FillRectUsesTheBrushAndTheNullBrushFillsNothing) {
  GdiTestCanvas c(6, 6);
  CBrush red(kRed);
  CRect r(1, 1, 4, 3);
  c.dc.FillRect(&r, &red);
  EXPECT_EQ(c.Count(kRed), 6);
  EXPECT_EQ(c.At(3, 2), kRed);
  EXPECT_EQ(c.At(4, 2), RGB(0, 0, 0));
  c.dc.FillRect(CRect(0, 0, 6, 6), CBrush::FromHandle(reinterpret_cast<HBRUSH>(GetStockObject(NULL_BRUSH))));
  EXPECT_EQ(c.Count(kRed), 6);
}

TEST(ShapesTest, FillSolidRectLeavesTheColourAsBackground) {
  GdiTestCanvas c(4, 4);
  c.dc.FillSolidRect(CRect(0, 0, 2, 2), kBlue);
  EXPECT_EQ(c.dc.GetBkColor(), kBlue);
  EXPECT_EQ(c.Count(kBlue), 4);
}

TEST(ShapesTest, LineToExcludesItsEndPoint) {
  GdiTestCanvas c(10, 10);
  CPen pen(PS_SOLID, 1, kRed);
  c.dc.SelectObject(&pen);
  c.dc.MoveTo(1, 1);
  c.dc.LineTo(5, 1);
  EXPECT_EQ(c.Count(kRed), 4);
  EXPECT_EQ(c.At(4, 1), kRed);
  EXPECT_EQ(c.At(5, 1), RGB(0, 0, 0));
  EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(5, 1));
  c.dc.LineTo(5, 1);  // to the current point: nothing
  EXPECT_EQ(c.Count(kRed), 4);
  c.dc.LineTo(8, 4);  // diagonal
  EXPECT_EQ(c.At(5, 1), kRed);
  EXPECT_EQ(c.At(7, 3), kRed);
  EXPECT_EQ(c.At(8, 4), RGB(0, 0, 0));
}

TEST(ShapesTest, NullPenDrawsNoLine) {
  GdiTestCanvas c(4, 4);
  c.dc.SelectStockObject(NULL_PEN);
  c.dc.MoveTo(0, 0);
  c.dc.LineTo(4, 0);
  EXPECT_EQ(c.Count(RGB(0, 0, 0)), 16);
}

TEST(ShapesTest, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  GdiTestCanvas c(8, 8);
  CPen pen(PS_SOLID, 1, kRed);
  CBrush brush(kBlue);
  c.dc.SelectObject(&pen);
  c.dc.SelectObject(&brush);
  c.dc.Rectangle(1, 1, 6, 5);
  EXPECT_EQ(c.At(1, 1), kRed);
  EXPECT_EQ(c.At(5, 4), kRed);
  EXPECT_EQ(c.At(6, 4), RGB(0, 0, 0));
  EXPECT_EQ(c.At(3, 2), kBlue);
  EXPECT_EQ(c.Count(kBlue), 3 * 2);
}

TEST(ShapesTest, DrawEdgeRaisedIsLightTopLeftAndDarkBottomRight) {
  GdiTestCanvas c(10, 10, RGB(1, 2, 3));
  CRect r(0, 0, 10, 10);
  c.dc.DrawEdge(&r, EDGE_RAISED, BF_RECT | BF_ADJUST);
  EXPECT_EQ(r, CRect(2, 2, 8, 8));
  EXPECT_EQ(c.At(0, 5), RGB(227, 227, 227));
  EXPECT_EQ(c.At(9, 5), RGB(105, 105, 105));
  EXPECT_EQ(c.At(1, 5), kWhite);
  EXPECT_EQ(c.At(8, 5), RGB(160, 160, 160));
  EXPECT_EQ(c.At(5, 5), RGB(1, 2, 3));
  EXPECT_EQ(c.dc.GetBkColor(), RGB(1, 2, 3));
}

TEST(ShapesTest, FocusRectInvertsAndASecondCallRemovesIt) {
  GdiTestCanvas c(6, 6, kBlue);
  CRect r(0, 0, 6, 6);
  c.dc.DrawFocusRect(&r);
  EXPECT_EQ(c.At(0, 0), RGB(255, 255, 0));
  EXPECT_EQ(c.At(1, 0), kBlue);
  EXPECT_EQ(c.At(2, 2), kBlue);
  c.dc.DrawFocusRect(&r);
  EXPECT_EQ(c.Count(kBlue), 36);
}

TEST(ShapesTest, GetPixelOutsideTheClipIsInvalid) {
  GdiTestCanvas c(4, 4);
  EXPECT_EQ(c.dc.GetPixel(4, 0), CLR_INVALID);
  EXPECT_EQ(c.dc.SetPixel(-1, 0, kRed), CLR_INVALID);
  EXPECT_EQ(c.dc.SetPixel(3, 3, kRed), kRed);
}

}  // namespace

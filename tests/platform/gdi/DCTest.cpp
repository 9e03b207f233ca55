#include <gtest/gtest.h>

#include "platform/gdi/DC.h"
#include "tests/platform/gdi/GdiTestCanvas.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST(DCTest, AttachedSurfaceIsClippedAndOffset) {
  platform::Surface surface(20, 20);
  CDC dc;
  dc.AttachSurface(&surface, POINT{5, 5}, RECT{5, 5, 10, 10});
  dc.FillSolidRect(-10, -10, 100, 100, kRed);
  EXPECT_EQ(surface.At(5, 5), platform::PixelFromColor(kRed));
  EXPECT_EQ(surface.At(9, 9), platform::PixelFromColor(kRed));
  EXPECT_EQ(surface.At(4, 5), 0u);
  EXPECT_EQ(surface.At(10, 9), 0u);
  CRect box;
  EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
  EXPECT_EQ(box, CRect(0, 0, 5, 5));
  EXPECT_EQ(CDC::FromHandle(dc.GetSafeHdc()), &dc);
}

TEST(DCTest, WindowAndViewportOriginsShiftDrawing) {
  GdiTestCanvas c(20, 20);
  c.dc.SetWindowOrg(10, 0);
  c.dc.SetPixel(12, 3, kRed);
  EXPECT_EQ(c.At(2, 3), kRed);
  c.dc.SetViewportOrg(1, 1);
  c.dc.SetPixel(12, 3, kBlue);
  EXPECT_EQ(c.At(3, 4), kBlue);
  CRect box;
  c.dc.GetClipBox(&box);
  EXPECT_EQ(box, CRect(9, -1, 29, 19));
}

TEST(DCTest, IntersectClipRectNarrowsAndRestoreDCUndoesIt) {
  GdiTestCanvas c(10, 10);
  int saved = c.dc.SaveDC();
  c.dc.IntersectClipRect(2, 2, 4, 4);
  c.dc.SetTextColor(kRed);
  c.dc.FillSolidRect(0, 0, 10, 10, kBlue);
  EXPECT_EQ(c.Count(kBlue), 4);
  EXPECT_TRUE(c.dc.RestoreDC(saved));
  EXPECT_EQ(c.dc.GetTextColor(), RGB(0, 0, 0));
  c.dc.FillSolidRect(0, 0, 10, 10, kBlue);
  EXPECT_EQ(c.Count(kBlue), 100);
  EXPECT_FALSE(c.dc.RestoreDC(saved));
}

TEST(DCTest, RestoreDCWithNegativeStepsAndScopedRestorers) {
  GdiTestCanvas c(4, 4);
  CFont font;
  font.CreateFontW(20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Test");
  CFont* before = c.dc.GetCurrentFont();
  {
    CDCStateRestorer restore(&c.dc);
    c.dc.SelectObject(&font);
    c.dc.SetBkMode(TRANSPARENT);
    EXPECT_EQ(c.dc.GetCurrentFont(), &font);
  }
  EXPECT_EQ(c.dc.GetCurrentFont(), before);
  EXPECT_EQ(c.dc.GetBkMode(), OPAQUE);
  {
    CSelectObjectScope select(&c.dc, &font);
    EXPECT_EQ(c.dc.GetCurrentFont(), &font);
  }
  EXPECT_EQ(c.dc.GetCurrentFont(), before);
  c.dc.SaveDC();
  c.dc.SaveDC();
  c.dc.SetBkColor(kRed);
  EXPECT_TRUE(c.dc.RestoreDC(-2));
  EXPECT_EQ(c.dc.GetBkColor(), RGB(0, 0, 0));  // the canvas fill set it to black
}

TEST(DCTest, SelectObjectReturnsThePreviousObjectOfTheSameKind) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap a, b;
  a.CreateCompatibleBitmap(&dc, 2, 2);
  b.CreateCompatibleBitmap(&dc, 3, 3);
  CBitmap* original = dc.SelectObject(&a);
  ASSERT_NE(original, nullptr);
  EXPECT_EQ(dc.SelectObject(&b), &a);
  EXPECT_EQ(dc.GetSurface()->width(), 3);
  EXPECT_EQ(dc.SelectObject(original), &b);
  CBrush brush(kRed);
  CGdiObject* oldBrush = dc.SelectObject(static_cast<CGdiObject*>(&brush));
  EXPECT_EQ(oldBrush->m_hObject, GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(dc.SelectStockObject(NULL_BRUSH), &brush);
}

TEST(DCTest, WindowDCsTakeNoBitmap) {
  platform::Surface surface(4, 4);
  CDC dc;
  dc.AttachSurface(&surface, POINT{}, RECT{0, 0, 4, 4});
  CBitmap bm;
  bm.CreateCompatibleBitmap(&dc, 2, 2);
  EXPECT_EQ(dc.SelectObject(&bm), nullptr);
  EXPECT_EQ(dc.GetSurface(), &surface);
}

TEST(DCTest, AttachSharesAnotherContextUntilDetach) {
  GdiTestCanvas c(4, 4);
  CDC view;
  ASSERT_TRUE(view.Attach(c.dc.GetSafeHdc()));
  view.SetPixel(1, 1, kRed);
  view.SetTextColor(kBlue);
  EXPECT_EQ(c.At(1, 1), kRed);
  EXPECT_EQ(c.dc.GetTextColor(), kBlue);
  EXPECT_EQ(view.Detach(), c.dc.GetSafeHdc());
  EXPECT_EQ(view.GetSurface(), nullptr);
  EXPECT_EQ(CDC::FromHandle(c.dc.GetSafeHdc()), &c.dc);
}

TEST(DCTest, HandleFormsReachTheContext) {
  GdiTestCanvas c(6, 6);
  HDC hdc = c.dc.GetSafeHdc();
  HBRUSH red = CreateSolidBrush(kRed);
  RECT r{1, 1, 3, 3};
  EXPECT_EQ(FillRect(hdc, &r, red), 1);
  EXPECT_EQ(GetPixel(hdc, 2, 2), kRed);
  EXPECT_EQ(SetBkMode(hdc, TRANSPARENT), OPAQUE);
  EXPECT_EQ(FillRect(reinterpret_cast<HDC>(0x1), &r, red), 0);
  HDC mem = CreateCompatibleDC(hdc);
  ASSERT_NE(mem, nullptr);
  HBITMAP bm = CreateCompatibleBitmap(hdc, 2, 2);
  HGDIOBJ old = SelectObject(mem, reinterpret_cast<HGDIOBJ>(bm));
  EXPECT_NE(old, nullptr);
  SetPixel(mem, 0, 0, kBlue);
  EXPECT_TRUE(BitBlt(hdc, 4, 4, 2, 2, mem, 0, 0, SRCCOPY));
  EXPECT_EQ(c.At(4, 4), kBlue);
  SelectObject(mem, old);
  EXPECT_TRUE(DeleteDC(mem));
  EXPECT_FALSE(DeleteDC(mem));
  EXPECT_TRUE(DeleteObject(reinterpret_cast<HGDIOBJ>(bm)));
  EXPECT_TRUE(DeleteObject(reinterpret_cast<HGDIOBJ>(red)));
}

}  // namespace

#include <gtest/gtest.h>

#include <cwchar>

#include "tests/platform/gdi/GdiTestCanvas.h"

namespace {

TEST(GdiObjectTest, StockObjectsSurviveDeletion) {
  HGDIOBJ null = GetStockObject(NULL_BRUSH);
  ASSERT_NE(null, nullptr);
  DeleteObject(null);
  EXPECT_EQ(GetObjectType(null), OBJ_BRUSH);
  CBrush brush;
  brush.Attach(null);
  brush.DeleteObject();
  brush.CreateStockObject(NULL_BRUSH);
  brush.DeleteObject();
  EXPECT_EQ(GetStockObject(NULL_BRUSH), null);
  LOGBRUSH lb;
  ASSERT_EQ(GetObject(null, sizeof lb, &lb), static_cast<int>(sizeof lb));
  EXPECT_EQ(lb.lbStyle, BS_NULL);
}

TEST(GdiObjectTest, DeletedHandlesAreForgotten) {
  CBrush brush(RGB(1, 2, 3));
  HGDIOBJ h = brush.m_hObject;
  EXPECT_EQ(CGdiObject::FromHandle(h), &brush);
  EXPECT_TRUE(brush.DeleteObject());
  EXPECT_EQ(brush.m_hObject, nullptr);
  EXPECT_EQ(GetObjectType(h), 0u);
  EXPECT_EQ(CGdiObject::FromHandle(h), nullptr);
  EXPECT_FALSE(brush.DeleteObject());
}

TEST(GdiObjectTest, DeletingThroughTheHandleEmptiesItsOwner) {
  CPen pen(PS_SOLID, 2, RGB(9, 9, 9));
  EXPECT_TRUE(DeleteObject(pen.m_hObject));
  EXPECT_EQ(pen.GetSafeHandle(), nullptr);
}

TEST(GdiObjectTest, FromHandleGivesAWrapperOfTheRightKind) {
  HBRUSH h = CreateSolidBrush(RGB(4, 5, 6));
  CBrush* wrapper = CBrush::FromHandle(h);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->GetObjectType(), OBJ_BRUSH);
  LOGBRUSH lb;
  wrapper->GetLogBrush(&lb);
  EXPECT_EQ(lb.lbColor, RGB(4, 5, 6));
  EXPECT_EQ(CBrush::FromHandle(h), wrapper);
  EXPECT_TRUE(DeleteObject(reinterpret_cast<HGDIOBJ>(h)));
}

TEST(GdiObjectTest, FontKeepsItsLogicalDescription) {
  CFont font;
  ASSERT_TRUE(font.CreateFontW(16, 0, 0, 0, 400, FALSE, TRUE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                               L"\uB9D1\uC740 \uACE0\uB515"));
  LOGFONTW lf;
  ASSERT_EQ(font.GetLogFont(&lf), static_cast<int>(sizeof lf));
  EXPECT_EQ(lf.lfHeight, 16);
  EXPECT_EQ(lf.lfUnderline, 1);
  EXPECT_EQ(std::wcscmp(lf.lfFaceName, L"\uB9D1\uC740 \uACE0\uB515"), 0);
  lf.lfWeight = FW_BOLD;
  CFont bold;
  ASSERT_TRUE(bold.CreateFontIndirect(&lf));
  LOGFONTW back;
  bold.GetLogFont(&back);
  EXPECT_EQ(back.lfWeight, FW_BOLD);
  EXPECT_EQ(back.lfUnderline, 1);
}

TEST(GdiObjectTest, BitmapsAre32BitAndCreatedBlack) {
  CBitmap bm;
  ASSERT_TRUE(bm.CreateCompatibleBitmap(nullptr, 30, 15));
  BITMAP info;
  ASSERT_EQ(bm.GetBitmap(&info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 30);
  EXPECT_EQ(info.bmHeight, 15);
  EXPECT_EQ(info.bmBitsPixel, 32);
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap* old = dc.SelectObject(&bm);
  EXPECT_EQ(dc.GetPixel(29, 14), RGB(0, 0, 0));
  dc.SelectObject(old);
}

TEST(GdiObjectTest, CreateBitmapTakesTopDownBgrxRows) {
  const uint32_t pixels[2] = {0x00112233, 0x00445566};  // bytes B, G, R, x
  CBitmap bm;
  ASSERT_TRUE(bm.CreateBitmap(1, 2, 1, 32, pixels));
  GdiTestCanvas c(1, 2);
  CDC mem;
  mem.CreateCompatibleDC(&c.dc);
  CBitmap* old = mem.SelectObject(&bm);
  EXPECT_EQ(mem.GetPixel(0, 0), RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(mem.GetPixel(0, 1), RGB(0x44, 0x55, 0x66));
  mem.SelectObject(old);
  CBitmap wrongDepth;
  EXPECT_FALSE(wrongDepth.CreateBitmap(1, 1, 1, 24, nullptr));
}

TEST(GdiObjectTest, ASelectedBitmapOutlivesItsDeletion) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  {
    CBitmap bm;
    bm.CreateCompatibleBitmap(&dc, 4, 4);
    dc.SelectObject(&bm);
  }
  EXPECT_EQ(dc.SetPixel(3, 3, RGB(7, 7, 7)), RGB(7, 7, 7));
  EXPECT_EQ(dc.GetPixel(3, 3), RGB(7, 7, 7));
}

}  // namespace

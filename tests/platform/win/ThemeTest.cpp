#include <gtest/gtest.h>

#include "platform/gdi/DC.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Theme.h"

namespace {

TEST(ThemeTest, OnlyTheButtonClassHasThemeData) {
  EXPECT_EQ(OpenThemeData(nullptr, L"Button1"), nullptr);
  EXPECT_EQ(OpenThemeData(nullptr, nullptr), nullptr);
  HTHEME theme = OpenThemeData(nullptr, L"Window;BUTTON");
  ASSERT_NE(theme, nullptr);
  EXPECT_EQ(CloseThemeData(theme), S_OK);
  EXPECT_EQ(CloseThemeData(theme), E_INVALIDARG);
}

TEST(ThemeTest, CheckBoxPartIsSizedAndDrawnByState) {
  HTHEME theme = OpenThemeData(nullptr, L"Button");
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(40, 20, 1, 32, nullptr));
  dc.SelectObject(&bitmap);
  SIZE size{};
  CRect rc(0, 0, 20, 20);
  ASSERT_EQ(GetThemePartSize(theme, dc, BP_CHECKBOX, CBS_CHECKEDNORMAL, &rc, TS_DRAW, &size), S_OK);
  EXPECT_EQ(size.cx, 13);
  EXPECT_EQ(size.cy, 13);
  EXPECT_EQ(GetThemePartSize(theme, dc, BP_GROUPBOX, 1, &rc, TS_DRAW, &size), E_NOTIMPL);
  CRect left(0, 0, 20, 20), right(20, 0, 40, 20);
  dc.FillSolidRect(0, 0, 40, 20, RGB(1, 2, 3));
  EXPECT_EQ(DrawThemeBackground(theme, dc, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, &left, nullptr), S_OK);
  EXPECT_EQ(DrawThemeBackground(theme, dc, BP_CHECKBOX, CBS_CHECKEDNORMAL, &right, nullptr), S_OK);
  auto ink = [&](int x0) {
    int n = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = x0; x < x0 + 20; ++x) n += dc.GetPixel(x, y) == GetSysColor(COLOR_WINDOWTEXT);
    return n;
  };
  EXPECT_EQ(ink(0), 0);
  EXPECT_GT(ink(20), 10);
  EXPECT_EQ(dc.GetPixel(1, 1), RGB(1, 2, 3));  // centred in the rectangle, the rest untouched
  CloseThemeData(theme);
  EXPECT_EQ(DrawThemeBackground(theme, dc, BP_CHECKBOX, CBS_CHECKEDNORMAL, &right, nullptr), E_INVALIDARG);
}

}  // namespace

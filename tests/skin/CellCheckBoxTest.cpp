#include <gtest/gtest.h>

#include "platform/gdi/Bitmap.h"
#include "tests/skin/RecordingListSupport.h"

using namespace rlisttest;

namespace {

constexpr COLORREF kAmber = RGB(239, 183, 26);
constexpr COLORREF kCellBack = RGB(33, 33, 33);

// A cell drawn into a memory image, with a list window to belong to.
class CellCheckBoxTest : public RecordingListTest {
protected:
  void SetUp() override {
    RecordingListTest::SetUp();
    image.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&image, 120, 60);
    old = image.SelectObject(&bitmap);
    image.FillSolidRect(0, 0, 120, 60, RGB(1, 2, 3));
  }
  void TearDown() override {
    image.SelectObject(old);
    RecordingListTest::TearDown();
  }
  void Draw(CCellCheckBox& cell, CRect rc, UINT state = 0) { cell.Draw(&image, &rc, state); }
  COLORREF At(int x, int y) const { return image.GetPixel(x, y); }

  CDC image;
  CBitmap bitmap;
  CBitmap* old = nullptr;
  BOOL enabled = TRUE;
};

TEST_F(CellCheckBoxTest, InitPutsAStateInFrontOfAnyText) {
  for (auto [given, expected] : {std::pair{L"", L"0"}, {L"1", L"1"}, {L"0", L"0"}, {L"x", L"0x"}}) {
    CCellCheckBox cell;
    EXPECT_EQ(cell.GetStyle() & CELL_CENTER, CELL_CENTER);
    cell.Init(list.m_hWnd, &enabled, given);
    EXPECT_STREQ(cell.GetText().GetString(), expected);
  }
}

TEST_F(CellCheckBoxTest, EveryCellSharesOneFontPairAndOneImageList) {
  CCountingCheckBox first, second;
  first.Init(list.m_hWnd, &enabled, L"");
  HIMAGELIST images = CCellCheckBox::CellCheckImageList().GetSafeHandle();
  second.Init(list.m_hWnd, &enabled, L"");
  ASSERT_NE(first.Font(), nullptr);
  EXPECT_EQ(first.Font(), second.Font());
  EXPECT_EQ(first.BoldFont(), second.BoldFont());
  EXPECT_NE(first.Font(), first.BoldFont());
  EXPECT_EQ(CCellCheckBox::CellCheckImageList().GetSafeHandle(), images);
  EXPECT_EQ(CCellCheckBox::CellCheckImageList().GetImageCount(), 4);
}

TEST_F(CellCheckBoxTest, CentredGlyphOfAFortyPixelCellAndItsImages) {
  CCellCheckBox cell;
  cell.Init(list.m_hWnd, &enabled, L"");
  Draw(cell, CRect(30, 5, 70, 26), ODS_SELECTED);
  EXPECT_EQ(CRect(*cell.GetRect()), CRect(40, 8, 60, 28));
  EXPECT_EQ(CRect(*cell.GetHitRect()), CRect(30, 5, 70, 26));
  // The selected row's check cell keeps the dark background.
  EXPECT_EQ(At(31, 6), kCellBack);
  EXPECT_NE(At(48, 16), kAmber);
  cell.m_strText = L"1";
  Draw(cell, CRect(30, 5, 70, 26));
  EXPECT_EQ(At(48, 16), kAmber);
}

TEST_F(CellCheckBoxTest, DisabledLookUsesTheButtonFaceAndTheGlowingImages) {
  CCellCheckBox cell;
  cell.Init(list.m_hWnd, &enabled, L"1");
  enabled = FALSE;
  Draw(cell, CRect(30, 5, 70, 26));
  EXPECT_EQ(At(31, 6), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(At(48, 16), kAmber);
  EXPECT_EQ(At(40 + 2, 8 + 1), RGB(0x5a, 0x46, 0x10));  // the glow of image 3
  enabled = TRUE;
  cell.AddStyle(CELL_DISABLED);
  CCellCheckBox other;
  other.Init(list.m_hWnd, &enabled, L"0");
  EXPECT_TRUE(other.GetStyle() & CELL_DISABLED);  // the style word is shared
  cell.RemoveStyle(CELL_DISABLED);
  EXPECT_FALSE(other.GetStyle() & CELL_DISABLED);
}

TEST_F(CellCheckBoxTest, ClicksToggleOnlyOnAWhollyVisibleGlyph) {
  CCellCheckBox cell;
  cell.Init(list.m_hWnd, &enabled, L"");
  cell.OnLButtonDown(0, 50, 18);  // never drawn: no glyph yet
  EXPECT_STREQ(cell.GetText().GetString(), L"0");
  EXPECT_TRUE(cell.IsActive());
  Draw(cell, CRect(30, 5, 70, 26));
  cell.OnLButtonDown(0, 50, 18);
  EXPECT_STREQ(cell.GetText().GetString(), L"1");
  cell.OnLButtonDown(0, 50, 18);
  EXPECT_STREQ(cell.GetText().GetString(), L"0");
  cell.OnLButtonDown(0, 33, 18);  // beside the glyph
  EXPECT_STREQ(cell.GetText().GetString(), L"0");
  // A glyph reaching past the bottom of the list's client area takes no click.
  CRect client;
  list.GetClientRect(&client);
  CRect low(30, client.bottom - 21, 70, client.bottom);
  cell.Draw(&image, &low, 0);
  cell.OnLButtonDown(0, 50, client.bottom - 21 + 13);
  EXPECT_STREQ(cell.GetText().GetString(), L"0");
}

TEST_F(CellCheckBoxTest, NarrowCellDrawsNoGlyphAndAnEmptyTextTogglesToChecked) {
  CCellCheckBox cell;
  cell.Init(list.m_hWnd, &enabled, L"");
  Draw(cell, CRect(30, 5, 45, 26));
  EXPECT_TRUE(CRect(*cell.GetRect()).IsRectEmpty());
  EXPECT_GT(cell.GetMinWidth(), 20);  // the label "0" is empty, the "i" is not
  cell.m_strText.Empty();
  cell.OnClick(0, 0, 0);
  EXPECT_STREQ(cell.GetText().GetString(), L"1");
  EXPECT_FALSE(CCellCheckBox().IsChecked());
}

}  // namespace

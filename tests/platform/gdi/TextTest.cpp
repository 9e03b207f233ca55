#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gdi/detail/PathEllipsis.h"
#include "tests/platform/gdi/GdiTestCanvas.h"

namespace {

constexpr COLORREF kBack = RGB(0, 0, 40);
constexpr COLORREF kInk = RGB(255, 255, 255);
const wchar_t kMalgun[] = L"\uB9D1\uC740 \uACE0\uB515";

// Pixels clearly touched by white text on the dark blue background.
bool Inked(COLORREF c) { return GetRValue(c) > 100; }

int InkedIn(const GdiTestCanvas& c, const CRect& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += Inked(c.At(x, y));
  return n;
}

class TextTest : public ::testing::Test {
protected:
  void SetUp() override {
    font.CreateFontW(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, kMalgun);
    canvas.dc.SelectObject(&font);
    canvas.dc.SetTextColor(kInk);
    canvas.dc.SetBkMode(TRANSPARENT);
  }
  GdiTestCanvas canvas{200, 60, kBack};
  CFont font;
};

TEST_F(TextTest, PositiveHeightIsTheCellHeight) {
  CSize size = canvas.dc.GetTextExtent(CString(L"00:00:00"));
  EXPECT_GE(size.cy, 15);
  EXPECT_LE(size.cy, 17);
  EXPECT_GT(size.cx, 30);
  EXPECT_LT(size.cx, 80);  // time labels are 50 pixels wide
}

TEST_F(TextTest, DrawTextInksOnlyInsideItsRectangle) {
  CRect r(20, 10, 120, 40);
  canvas.dc.DrawText(CString(L"Hello \uD55C\uAE00 \u3042 \u0416"), &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  EXPECT_GT(InkedIn(canvas, r), 20);
  EXPECT_EQ(InkedIn(canvas, CRect(0, 0, 200, 60)), InkedIn(canvas, r));
}

// A file name's byte that is not text reaches the screen as a replacement character.
TEST_F(TextTest, AByteOfANameThatIsNotTextDrawsAsAReplacementCharacter) {
  const CString name = FileSystemToWide("caf\xE9.AVI");
  EXPECT_EQ(canvas.dc.GetTextExtent(name), canvas.dc.GetTextExtent(CString(L"caf\xFFFD.AVI")));
  EXPECT_GT(canvas.dc.GetTextExtent(name).cx, canvas.dc.GetTextExtent(CString(L"caf.AVI")).cx);
  CRect r(20, 10, 120, 40);
  canvas.dc.DrawText(name, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  EXPECT_GT(InkedIn(canvas, r), 20);
}

TEST_F(TextTest, SurfacePixelsKeepTheirUnusedByteZero) {
  CRect r(0, 0, 200, 60);
  canvas.dc.DrawText(CString(L"Unused byte"), &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  const platform::Surface* s = canvas.dc.GetSurface();
  int high = 0;
  for (int i = 0; i < s->width() * s->height(); ++i) high += (s->pixels()[i] >> 24) != 0;
  EXPECT_EQ(high, 0);
}

TEST_F(TextTest, LongTextIsClippedToTheRectangleUnlessNoClip) {
  CRect r(10, 10, 40, 30);
  canvas.dc.DrawText(CString(L"A rather long file name.avi"), &r, DT_SINGLELINE);
  EXPECT_EQ(InkedIn(canvas, CRect(40, 0, 200, 60)), 0);
  canvas.dc.DrawText(CString(L"A rather long file name.avi"), &r, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(InkedIn(canvas, CRect(40, 0, 200, 60)), 0);
}

TEST_F(TextTest, AlignmentPlacesTheTextInTheRectangle) {
  CRect r(0, 0, 200, 60);
  canvas.dc.DrawText(CString(L"II"), &r, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
  EXPECT_EQ(InkedIn(canvas, CRect(0, 0, 150, 60)), 0);
  EXPECT_EQ(InkedIn(canvas, CRect(0, 0, 200, 40)), 0);
  EXPECT_GT(InkedIn(canvas, CRect(150, 40, 200, 60)), 0);
  canvas.dc.FillSolidRect(&r, kBack);
  canvas.dc.DrawText(CString(L"II"), &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  EXPECT_GT(InkedIn(canvas, CRect(90, 20, 110, 40)), 0);
  EXPECT_EQ(InkedIn(canvas, CRect(0, 0, 80, 60)), 0);
}

TEST_F(TextTest, CalcRectMeasuresWithoutDrawing) {
  CRect r(5, 5, 6, 6);
  int h = canvas.dc.DrawText(CString(L"Capture"), &r, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(r.Height(), h);
  EXPECT_EQ(r.Width(), canvas.dc.GetTextExtent(CString(L"Capture")).cx);
  EXPECT_EQ(InkedIn(canvas, CRect(0, 0, 200, 60)), 0);
}

TEST_F(TextTest, EndEllipsisFitsTheWidth) {
  CRect r(0, 0, 60, 20);
  canvas.dc.DrawText(CString(L"20260101_120000_front_and_rear.avi"), &r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
  EXPECT_EQ(InkedIn(canvas, CRect(61, 0, 200, 60)), 0);
  EXPECT_GT(InkedIn(canvas, r), 0);
}

// The rectangle's width decides what is cut: the drawing is that of the cut text.
TEST_F(TextTest, PathEllipsisDrawsTheStartAndTheLastPartThatFit) {
  const CString path(L"/media/alice/a-rather-long-mount-point/[DASHCAM]");
  CRect r(0, 0, 150, 20);
  canvas.dc.DrawText(path, &r, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_NOCLIP);
  EXPECT_EQ(InkedIn(canvas, CRect(151, 0, 200, 60)), 0);
  const std::wstring shown = platform::detail::ElidePath(
      path.GetString(), [&](const std::wstring& s) { return canvas.dc.GetTextExtent(CString(s.c_str())).cx <= 150; });
  EXPECT_NE(shown, path.GetString());
  GdiTestCanvas plain{200, 60, kBack};
  plain.dc.SelectObject(&font);
  plain.dc.SetTextColor(kInk);
  plain.dc.SetBkMode(TRANSPARENT);
  plain.dc.DrawText(CString(shown.c_str()), &r, DT_SINGLELINE | DT_NOCLIP);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(canvas.At(x, y), plain.At(x, y)) << x << "," << y;
}

TEST_F(TextTest, PrefixAmpersandIsNotDrawnUnlessNoPrefix) {
  CSize plain = canvas.dc.GetTextExtent(CString(L"AB"));
  CRect r(0, 0, 200, 30);
  canvas.dc.DrawText(CString(L"A&&B"), &r, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_GT(r.Width(), plain.cx);  // "&&" shows one "&"
  CRect r2(0, 0, 200, 30);
  canvas.dc.DrawText(CString(L"A&B"), &r2, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(r2.Width(), plain.cx);
  CRect r3(0, 0, 200, 30);
  canvas.dc.DrawText(CString(L"A&B"), &r3, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  EXPECT_GT(r3.Width(), plain.cx);
}

TEST_F(TextTest, OpaqueModeFillsTheTextCellsWithTheBackgroundColour) {
  canvas.dc.SetBkMode(OPAQUE);
  canvas.dc.SetBkColor(RGB(200, 0, 0));
  canvas.dc.TextOut(10, 10, CString(L"W"));
  EXPECT_EQ(canvas.At(10, 10), RGB(200, 0, 0));
  EXPECT_EQ(canvas.At(9, 10), kBack);
}

TEST_F(TextTest, BoldAndNegativeHeightsChangeTheExtent) {
  CSize normal = canvas.dc.GetTextExtent(CString(L"Weight"));
  CFont bold;
  bold.CreateFontW(16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, kMalgun);
  canvas.dc.SelectObject(&bold);
  EXPECT_GT(canvas.dc.GetTextExtent(CString(L"Weight")).cx, normal.cx);
  CFont em;
  em.CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, kMalgun);
  canvas.dc.SelectObject(&em);
  EXPECT_GT(canvas.dc.GetTextExtent(CString(L"Weight")).cy, normal.cy);
}

}  // namespace

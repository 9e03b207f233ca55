#include "platform/gdi/detail/PathEllipsis.h"

#include <gtest/gtest.h>

namespace {

using platform::detail::ElidePath;

// A width counted in characters.
auto UpTo(size_t n) {
  return [n](const std::wstring& text) { return text.size() <= n; };
}

TEST(PathEllipsisTest, TheMiddleGoesAndTheLastPartStays) {
  const std::wstring entry = L"/media/alice/DASHCAM/[DASHCAM]";
  EXPECT_EQ(ElidePath(entry, UpTo(entry.size())), entry);
  EXPECT_EQ(ElidePath(entry, UpTo(20)), L"/media/al\u2026/[DASHCAM]");
  EXPECT_EQ(ElidePath(entry, UpTo(11)), L"\u2026/[DASHCAM]");
  EXPECT_EQ(ElidePath(L"E:\\Folder\\[CARD]", UpTo(12)), L"E:\\F\u2026\\[CARD]");
}

TEST(PathEllipsisTest, WhatCannotFitKeepsTheLastPartAndTextWithoutOneKeepsItsStart) {
  // Even "…" and the last part are too wide: they are shown alone, for the clip to cut.
  EXPECT_EQ(ElidePath(L"/media/alice/DASHCAM/[DASHCAM]", UpTo(5)), L"\u2026/[DASHCAM]");
  EXPECT_EQ(ElidePath(L"PORTABLE_DISK", UpTo(6)), L"PORTA\u2026");
  EXPECT_EQ(ElidePath(L"/media/CARD/", UpTo(8)), L"/media\u2026/");
}

}  // namespace

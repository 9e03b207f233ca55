#include "player/VideoPaneLayout.h"

#include <gtest/gtest.h>

namespace {

struct Box {
  int x, y, w, h;
};

void ExpectBox(const CRect& r, Box b) {
  EXPECT_EQ(r.left, b.x);
  EXPECT_EQ(r.top, b.y);
  EXPECT_EQ(r.Width(), b.w);
  EXPECT_EQ(r.Height(), b.h);
}

TEST(VideoPaneLayoutTest, NormalWindowUsesFixedPlacesPerView) {
  PanePlacement front = PlaceVideoPanes(1, VIEW_FRONT, CSize(1024, 768));
  EXPECT_TRUE(front.bShowFront);
  EXPECT_FALSE(front.bShowRear);
  ExpectBox(front.rcFront, {3, 78, 688, 387});

  PanePlacement rear = PlaceVideoPanes(1, VIEW_REAR, CSize(1024, 768));
  EXPECT_FALSE(rear.bShowFront);
  EXPECT_TRUE(rear.bShowRear);
  ExpectBox(rear.rcRear, {3, 78, 688, 387});

  PanePlacement both = PlaceVideoPanes(1, VIEW_BOTH, CSize(1024, 768));
  EXPECT_TRUE(both.bShowFront && both.bShowRear);
  ExpectBox(both.rcFront, {3, 175, 344, 194});
  ExpectBox(both.rcRear, {347, 175, 344, 194});

  // A view not chosen yet shows the front camera.
  EXPECT_TRUE(PlaceVideoPanes(1, VIEW_NONE, CSize()).bShowFront);
}

TEST(VideoPaneLayoutTest, FullWindowFitsSixteenByNinePictures) {
  ExpectBox(PlaceVideoPanes(2, VIEW_FRONT, CSize(1920, 1080)).rcFront, {0, 0, 1920, 1080});
  ExpectBox(PlaceVideoPanes(2, VIEW_REAR, CSize(1280, 1024)).rcRear, {0, 152, 1280, 720});
  // Too short for the width: full height, centred across.
  ExpectBox(PlaceVideoPanes(2, VIEW_FRONT, CSize(1920, 1000)).rcFront, {72, 0, 1776, 1000});
  // Truncating division: 1366 / 16 = 85, 85 x 9 = 765.
  ExpectBox(PlaceVideoPanes(2, VIEW_FRONT, CSize(1366, 768)).rcFront, {0, 1, 1366, 765});
}

TEST(VideoPaneLayoutTest, FullWindowBothViewSplitsTheWidth) {
  PanePlacement a = PlaceVideoPanes(2, VIEW_BOTH, CSize(1920, 1080));
  ExpectBox(a.rcFront, {0, 270, 960, 540});
  ExpectBox(a.rcRear, {960, 270, 960, 540});
  PanePlacement b = PlaceVideoPanes(2, VIEW_BOTH, CSize(1280, 1024));
  ExpectBox(b.rcFront, {0, 332, 640, 360});
  PanePlacement c = PlaceVideoPanes(2, VIEW_BOTH, CSize(1920, 1000));
  ExpectBox(c.rcFront, {0, 250, 960, 499});
  ExpectBox(c.rcRear, {960, 250, 960, 499});
  // A tiny client area gives empty panes, never negative ones.
  PanePlacement d = PlaceVideoPanes(2, VIEW_BOTH, CSize(10, 5));
  EXPECT_GE(d.rcFront.Height(), 0);
  EXPECT_GE(d.rcFront.Width(), 0);
}

}  // namespace

#include "platform/gdi/detail/CairoRef.h"

#include <gtest/gtest.h>

namespace platform::detail {
namespace {

cairo_user_data_key_t g_key;

// A surface that counts into `destroyed` when cairo frees it.
cairo_surface_t* CountedSurface(int* destroyed) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 4);
  cairo_surface_set_user_data(surface, &g_key, destroyed, [](void* count) { ++*static_cast<int*>(count); });
  return surface;
}

TEST(CairoRefTest, SurfaceOwnersReleaseEachReferenceOnce) {
  int destroyed = 0;
  {
    CairoSurfaceRef owner = CairoSurfaceRef::Adopt(CountedSurface(&destroyed));
    CairoSurfaceRef shared = CairoSurfaceRef::Share(owner.get());
    EXPECT_EQ(cairo_surface_get_reference_count(owner.get()), 2u);
    CairoSurfaceRef moved(std::move(shared));
    EXPECT_FALSE(shared);
    moved.Reset();
    EXPECT_EQ(cairo_surface_get_reference_count(owner.get()), 1u);
    EXPECT_EQ(destroyed, 0);
  }
  EXPECT_EQ(destroyed, 1);
}

TEST(CairoRefTest, AContextKeepsItsTargetUntilItGoes) {
  int destroyed = 0;
  CairoSurfaceRef target = CairoSurfaceRef::Adopt(CountedSurface(&destroyed));
  CairoRef cr = CairoRef::Adopt(cairo_create(target.get()));
  target.Reset();
  EXPECT_EQ(destroyed, 0);
  cr.Reset();
  EXPECT_EQ(destroyed, 1);
}

}  // namespace
}  // namespace platform::detail

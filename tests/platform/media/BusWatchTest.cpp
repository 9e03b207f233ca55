#include "platform/media/detail/GstRef.h"

#include <gtest/gtest.h>

namespace platform::detail {
namespace {

gboolean Keep(GstBus*, GstMessage*, gpointer) { return G_SOURCE_CONTINUE; }

// A bus holds one watch at most, so a second one is refused while any is there.
bool HasWatch(GstBus* bus) {
  guint id = gst_bus_add_watch(bus, Keep, nullptr);
  if (id == 0) return true;
  gst_bus_remove_watch(bus);
  return false;
}

class BusWatchTest : public ::testing::Test {
protected:
  void SetUp() override {
    gst_init(nullptr, nullptr);
    pipeline = ElementRef::SinkFloating(gst_pipeline_new(nullptr));
    bus = BusRef::Adopt(gst_element_get_bus(pipeline.get()));
  }
  ElementRef pipeline;
  BusRef bus;
};

TEST_F(BusWatchTest, TheHolderRemovesItsWatchOnce) {
  {
    BusWatch watch(bus.get(), Keep, nullptr);
    EXPECT_TRUE(watch);
    EXPECT_TRUE(HasWatch(bus.get()));
  }
  EXPECT_FALSE(HasWatch(bus.get()));

  BusWatch watch(bus.get(), Keep, nullptr);
  watch.Remove();
  EXPECT_FALSE(watch);
  // A watch someone else adds later is not the holder's to remove.
  ASSERT_NE(gst_bus_add_watch(bus.get(), Keep, nullptr), 0u);
  watch.Remove();
  watch = BusWatch();
  EXPECT_TRUE(HasWatch(bus.get()));
  gst_bus_remove_watch(bus.get());
}

TEST_F(BusWatchTest, ARefusedWatchIsNotHeld) {
  BusWatch first(bus.get(), Keep, nullptr);
  BusWatch second(bus.get(), Keep, nullptr);
  EXPECT_FALSE(second);
  second = BusWatch();
  EXPECT_TRUE(HasWatch(bus.get()));
}

TEST_F(BusWatchTest, MovesKeepTheOneWatch) {
  BusWatch source(bus.get(), Keep, nullptr);
  BusWatch moved(std::move(source));
  EXPECT_FALSE(source);
  source = BusWatch();
  EXPECT_TRUE(HasWatch(bus.get()));

  BusWatch& alias = moved;
  moved = std::move(alias);
  EXPECT_TRUE(moved);
  EXPECT_TRUE(HasWatch(bus.get()));

  ElementRef other = ElementRef::SinkFloating(gst_pipeline_new(nullptr));
  BusRef otherBus = BusRef::Adopt(gst_element_get_bus(other.get()));
  BusWatch target(otherBus.get(), Keep, nullptr);
  target = std::move(moved);  // the other bus's watch goes
  EXPECT_FALSE(HasWatch(otherBus.get()));
  EXPECT_TRUE(HasWatch(bus.get()));
  target.Remove();
  EXPECT_FALSE(HasWatch(bus.get()));
}

TEST_F(BusWatchTest, ThePipelineMayGoFirst) {
  int finalised = 0;
  g_object_weak_ref(
      G_OBJECT(bus.get()), [](gpointer count, GObject*) { ++*static_cast<int*>(count); }, &finalised);
  BusWatch watch(bus.get(), Keep, nullptr);
  bus.Reset();
  pipeline.Reset();
  EXPECT_EQ(finalised, 0);
  watch.Remove();
  while (g_main_context_iteration(nullptr, FALSE)) {
  }
  EXPECT_EQ(finalised, 1);
}

}  // namespace
}  // namespace platform::detail

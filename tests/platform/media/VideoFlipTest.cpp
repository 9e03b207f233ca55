#include <gtest/gtest.h>

#include <vector>

#include "platform/media/detail/GstFilters.h"

namespace platform::detail {
namespace {

GstPadProbeReturn Record(GstPad*, GstPadProbeInfo* info, gpointer seen) {
  static_cast<std::vector<GstBuffer*>*>(seen)->push_back(GST_PAD_PROBE_INFO_BUFFER(info));
  return GST_PAD_PROBE_OK;
}

// One test picture through the decoder's flip stage at a time.
class VideoFlipTest : public ::testing::Test {
protected:
  void SetUp() override {
    gst_init(nullptr, nullptr);
    pipeline = ElementRef::SinkFloating(gst_pipeline_new(nullptr));
    GstElement* source = gst_element_factory_make("videotestsrc", nullptr);
    GstElement* caps = gst_element_factory_make("capsfilter", nullptr);
    GstElement* sink = gst_element_factory_make("fakesink", nullptr);
    flip = MakeVideoFlip();
    ASSERT_TRUE(source && caps && flip && sink);
    g_object_set(source, "num-buffers", 1, nullptr);
    CapsPtr i420(gst_caps_from_string("video/x-raw,format=I420,width=64,height=48"));
    g_object_set(caps, "caps", i420.get(), nullptr);
    gst_bin_add_many(GST_BIN(pipeline.get()), source, caps, flip, sink, nullptr);
    ASSERT_TRUE(gst_element_link_many(source, caps, flip, sink, nullptr));
    PadRef in = PadRef::Adopt(gst_element_get_static_pad(flip, "sink"));
    PadRef out = PadRef::Adopt(gst_element_get_static_pad(flip, "src"));
    gst_pad_add_probe(in.get(), GST_PAD_PROBE_TYPE_BUFFER, Record, &entered, nullptr);
    gst_pad_add_probe(out.get(), GST_PAD_PROBE_TYPE_BUFFER, Record, &left, nullptr);
  }
  void TearDown() override {
    if (pipeline) gst_element_set_state(pipeline.get(), GST_STATE_NULL);
  }

  // Whether the picture left the flip as the very buffer it came in.
  bool PassesThrough(int direction) {
    g_object_set(flip, "video-direction", direction, nullptr);
    entered.clear();
    left.clear();
    gst_element_set_state(pipeline.get(), GST_STATE_PLAYING);
    BusRef bus = BusRef::Adopt(gst_element_get_bus(pipeline.get()));
    MessagePtr end(
        gst_bus_timed_pop_filtered(bus.get(), 10 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR)));
    gst_element_set_state(pipeline.get(), GST_STATE_NULL);
    EXPECT_TRUE(end && GST_MESSAGE_TYPE(end.get()) == GST_MESSAGE_EOS);
    EXPECT_EQ(entered.size(), 1u);
    EXPECT_EQ(left.size(), 1u);
    return entered.size() == 1 && left.size() == 1 && entered[0] == left[0];
  }

  ElementRef pipeline;
  GstElement* flip = nullptr;  // owned by the pipeline
  // Buffers seen on the flip's input and output during one run; compared only within it,
  // while both are alive.
  std::vector<GstBuffer*> entered, left;
};

TEST_F(VideoFlipTest, IdentityPassesPicturesThroughAndFlipsStillTransform) {
  constexpr int kIdentity = 0, kVertical = 5, kHorizontal = 4;
  EXPECT_TRUE(PassesThrough(kIdentity));
  EXPECT_FALSE(PassesThrough(kVertical));
  EXPECT_TRUE(PassesThrough(kIdentity));
  EXPECT_FALSE(PassesThrough(kHorizontal));
}

}  // namespace
}  // namespace platform::detail

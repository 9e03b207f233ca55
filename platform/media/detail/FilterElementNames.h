#pragma once
// The GStreamer elements the built-in filters are made of.

namespace platform::detail::elements {

constexpr const char* kH264Parser = "h264parse";
constexpr const char* kH264Decoder = "avdec_h264";
constexpr const char* kBalance = "videobalance";
constexpr const char* kFlip = "videoflip";
constexpr const char* kAacDecoders[] = {"avdec_aac", "faad", "fdkaacdec"};

}  // namespace platform::detail::elements

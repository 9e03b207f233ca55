#include <algorithm>

#include "platform/media/detail/FilterElementNames.h"
#include "platform/media/detail/GstFilters.h"

namespace platform::detail {

namespace {

// videoflip's video-direction values.
constexpr int kIdentity = 0;
constexpr int kRotate180 = 2;
constexpr int kHorizontal = 4;
constexpr int kVertical = 5;

}  // namespace

// videoflip copies every picture at identity until its direction has changed once; after a
// change there and back it passes them through untouched.
GstElement* MakeVideoFlip() {
  GstElement* flip = gst_element_factory_make(elements::kFlip, nullptr);
  if (!flip) return nullptr;
  g_object_set(flip, "video-direction", kVertical, nullptr);
  g_object_set(flip, "video-direction", kIdentity, nullptr);
  return flip;
}

DecoderFilter* DecoderFilter::Create() {
  GstElement* balance = gst_element_factory_make(elements::kBalance, nullptr);
  GstElement* flip = MakeVideoFlip();
  GstElement* decoder = gst_element_factory_make(elements::kH264Decoder, nullptr);
  // Frame threads hold pictures back by one frame each: the first picture and every seek
  // would wait for the whole set. Slices decode in order, and two streams use two cores.
  if (decoder) gst_util_set_object_arg(G_OBJECT(decoder), "thread-type", "slice");
  ElementRef bin =
      MakeChainBin(nullptr, {gst_element_factory_make(elements::kH264Parser, nullptr), decoder, balance, flip});
  if (!bin) return nullptr;
  auto* filter = new DecoderFilter(std::move(bin), balance, flip);
  filter->AddStaticPin(PINDIR_INPUT, MEDIATYPE_Video, "sink");
  filter->AddStaticPin(PINDIR_OUTPUT, MEDIATYPE_Video, "src");
  return filter;
}

DecoderFilter::DecoderFilter(ElementRef bin, GstElement* balance, GstElement* flip)
    : GstFilterBase(std::move(bin)), m_balance(balance), m_flip(flip) {}

HRESULT DecoderFilter::QueryExtra(REFIID riid, void** ppv) {
  if (riid == IID_IDecoderParameters) return AnswerInterface<IDecoderParameters>(this, ppv);
  *ppv = nullptr;
  return E_NOINTERFACE;
}

// Properties of both elements may be set from the UI thread while streaming; the change
// shows from the next decoded picture on.
HRESULT DecoderFilter::put(int id, int value) {
  switch (id) {
    case DECODER_BRIGHTNESS_ON:
      m_brightnessOn = value != 0;
      ApplyBrightness();
      break;
    case DECODER_BRIGHTNESS:
      m_brightness = std::clamp(value, -150, 150);
      ApplyBrightness();
      break;
    case DECODER_FLIP_ON:
      m_flipOn = value != 0;
      ApplyFlip();
      break;
    case DECODER_FLIP_VERTICAL:
      m_vertical = value != 0;
      ApplyFlip();
      break;
    case DECODER_FLIP_HORIZONTAL:
      m_horizontal = value != 0;
      ApplyFlip();
      break;
    default: break;
  }
  return S_OK;
}

// The slider's step is one level of 8-bit luma.
void DecoderFilter::ApplyBrightness() {
  double b = m_brightnessOn ? m_brightness / 255.0 : 0.0;
  g_object_set(m_balance, "brightness", b, nullptr);
}

void DecoderFilter::ApplyFlip() {
  int direction = kIdentity;
  if (m_flipOn && m_vertical && m_horizontal) direction = kRotate180;
  else if (m_flipOn && m_vertical) direction = kVertical;
  else if (m_flipOn && m_horizontal) direction = kHorizontal;
  g_object_set(m_flip, "video-direction", direction, nullptr);
}

// Passes the decoder's pictures on unchanged when the renderer takes them as they are (it
// converts what it shows, at the size it shows it); converts otherwise.
ConverterFilter* ConverterFilter::Create() {
  ElementRef bin = MakeChainBin(nullptr, {gst_element_factory_make("videoconvert", nullptr)});
  if (!bin) return nullptr;
  auto* filter = new ConverterFilter(std::move(bin));
  filter->AddStaticPin(PINDIR_INPUT, MEDIATYPE_Video, "sink");
  filter->AddStaticPin(PINDIR_OUTPUT, MEDIATYPE_Video, "src");
  return filter;
}

CheckOnlyFilter* CheckOnlyFilter::CreateAacDecoder() {
  for (const char* name : elements::kAacDecoders) {
    ElementRef e = MakeElement(name);
    if (e) return new CheckOnlyFilter(std::move(e));
  }
  return nullptr;
}

CheckOnlyFilter* CheckOnlyFilter::CreateBrightness() {
  ElementRef e = MakeElement(elements::kBalance);
  return e ? new CheckOnlyFilter(std::move(e)) : nullptr;
}

}  // namespace platform::detail

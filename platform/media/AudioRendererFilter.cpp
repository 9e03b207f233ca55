#include <cmath>
#include <cstdlib>

#include "platform/base/Log.h"
#include "platform/media/MediaDiagnostics.h"
#include "platform/media/Volume.h"
#include "platform/media/detail/GstFilters.h"
#include "platform/media/detail/VolumeListeners.h"

namespace platform::detail {

namespace {

constexpr LONG kSilence = -10000;

// RODEMIR_AUDIO_SINK names another sink (tests play into "fakesink sync=true").
GstElement* MakeSink() {
  const char* desc = std::getenv("RODEMIR_AUDIO_SINK");
  if (!desc || !*desc) return gst_element_factory_make("autoaudiosink", nullptr);
  GError* raw = nullptr;
  GstElement* sink = gst_parse_launch(desc, &raw);
  GErrorPtr error(raw);
  if (error) PlatformLog("media", "audio sink \"%s\": %s", desc, error->message);
  return sink;
}

}  // namespace

AudioRendererFilter* AudioRendererFilter::Create() {
  GstElement* volume = gst_element_factory_make("volume", nullptr);
  ElementRef bin = MakeChainBin(nullptr, {gst_element_factory_make("audioconvert", nullptr),
                                          gst_element_factory_make("audioresample", nullptr), volume, MakeSink()});
  if (!bin) return nullptr;
  auto* filter = new AudioRendererFilter(std::move(bin), volume);
  filter->AddStaticPin(PINDIR_INPUT, MEDIATYPE_Audio, "sink");
  return filter;
}

AudioRendererFilter::AudioRendererFilter(ElementRef bin, GstElement* volume)
    : GstFilterBase(std::move(bin)), m_volume(volume) {
  m_listener = AddVolumeListener([this] { Apply(); });
  Apply();
}

AudioRendererFilter::~AudioRendererFilter() { RemoveVolumeListener(m_listener); }

void AudioRendererFilter::SetVolume(LONG hundredthsDb) {
  m_db = std::clamp<LONG>(hundredthsDb, kSilence, 0);
  Apply();
}

// Decibels to amplitude, times the program's level: -301 is half the power.
void AudioRendererFilter::Apply() {
  double factor = std::pow(10.0, m_db / 2000.0) * GetProgramVolume();
  bool mute = m_db <= kSilence || factor <= 0.0;
  g_object_set(m_volume, "volume", mute ? 0.0 : factor, "mute", mute ? TRUE : FALSE, nullptr);
}

double AudioRendererFilter::OutputLevel() const {
  gdouble level = 0.0;
  gboolean mute = FALSE;
  g_object_get(m_volume, "volume", &level, "mute", &mute, nullptr);
  return mute ? 0.0 : level;
}

}  // namespace platform::detail

namespace platform {

double SoundOutputLevel(IBaseFilter* renderer) {
  auto* audio = dynamic_cast<detail::AudioRendererFilter*>(renderer);
  return audio ? audio->OutputLevel() : -1.0;
}

}  // namespace platform

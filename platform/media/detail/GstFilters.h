#pragma once
// The built-in filters. Each is made by its class id (ClassTable.cpp) and returns null when
// the elements it needs are not installed.
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/media/detail/GstFilter.h"

namespace platform::detail {

class FileSourceFilter : public GstFilterBase, public IFileSourceFilter {
public:
  static FileSourceFilter* Create();
  RODEMIR_IUNKNOWN_IMPL
  HRESULT QueryInterface(REFIID riid, void** ppv) override { return GstFilterBase::QueryInterface(riid, ppv); }
  HRESULT Load(LPCOLESTR fileName, const AM_MEDIA_TYPE* type) override;
  bool KeepWhenUnused() const override { return true; }
  const std::string& location() const { return m_location; }

protected:
  HRESULT QueryExtra(REFIID riid, void** ppv) override;

private:
  explicit FileSourceFilter(ElementRef element);
  std::string m_location;
};

// Output pins appear when the input is connected: the file's streams are read once from a
// separate short-lived pipeline, and the pads of the same names link as the graph starts.
class AviSplitterFilter : public GstFilterBase {
public:
  static AviSplitterFilter* Create();
  ~AviSplitterFilter() override;
  bool KeepWhenUnused() const override { return true; }
  void OnInputConnected(GstPinBase* in) override;
  void OnRemovedFromGraph() override;

  // Used by the output pins: which queue each named pad feeds.
  void Route(const std::string& padName, GstElement* queue);
  void Unroute(const std::string& padName);

private:
  explicit AviSplitterFilter(ElementRef element);
  static void OnPadAdded(GstElement*, GstPad* pad, gpointer self);
  bool m_discovered = false;
  std::mutex m_routesMutex;
  std::map<std::string, ElementRef> m_routes;  // pad name -> queue (guarded: pad-added runs on a streaming thread)
  SignalConnection m_padAdded;
};

// A floating videoflip that passes pictures through while its direction is identity; null
// when the element is not installed.
GstElement* MakeVideoFlip();

class DecoderFilter : public GstFilterBase, public IDecoderParameters {
public:
  static DecoderFilter* Create();
  RODEMIR_IUNKNOWN_IMPL
  HRESULT QueryInterface(REFIID riid, void** ppv) override { return GstFilterBase::QueryInterface(riid, ppv); }
  HRESULT GetParamReserved(int, int*) override { return E_NOTIMPL; }
  HRESULT SetParamReserved(int, int) override { return E_NOTIMPL; }
  HRESULT put(int id, int value) override;

protected:
  HRESULT QueryExtra(REFIID riid, void** ppv) override;

private:
  DecoderFilter(ElementRef bin, GstElement* balance, GstElement* flip);
  void ApplyBrightness();
  void ApplyFlip();
  GstElement* m_balance;  // owned by the bin
  GstElement* m_flip;
  bool m_brightnessOn = false;
  int m_brightness = 0;
  bool m_flipOn = false;
  bool m_vertical = false;
  bool m_horizontal = false;
};

class ConverterFilter : public GstFilterBase {
public:
  static ConverterFilter* Create();

private:
  using GstFilterBase::GstFilterBase;
};

// A decoder put between two pins that do not fit (compressed sound into the sound renderer).
class InsertedDecoderFilter : public GstFilterBase {
public:
  static InsertedDecoderFilter* CreateFor(const GstCaps* from, const GstCaps* to);

private:
  using GstFilterBase::GstFilterBase;
};

class AudioRendererFilter : public GstFilterBase {
public:
  static AudioRendererFilter* Create();
  ~AudioRendererFilter() override;
  // Hundredths of a decibel; -10000 or less is silence. The program's volume multiplies it.
  void SetVolume(LONG hundredthsDb);
  double OutputLevel() const;  // the amplitude factor the sound leaves with

private:
  AudioRendererFilter(ElementRef bin, GstElement* volume);
  void Apply();
  GstElement* m_volume;  // owned by the bin
  LONG m_db = 0;
  int m_listener = 0;
};

// Filters made only so the decoder check can see that their elements exist.
class CheckOnlyFilter : public GstFilterBase {
public:
  static CheckOnlyFilter* CreateAacDecoder();
  static CheckOnlyFilter* CreateBrightness();

private:
  using GstFilterBase::GstFilterBase;
};

}  // namespace platform::detail

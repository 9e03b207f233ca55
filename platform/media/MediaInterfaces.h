#pragma once
// The filter-graph interfaces: graph, filters, pins, media types, transport, seeking,
// sound, the windowless video renderer, the file source and the video decoder's parameters.
// Only the methods this system calls exist. Times are in 100-ns units.
#include "platform/base/Geometry.h"
#include "platform/media/Com.h"

using REFERENCE_TIME = LONGLONG;
using LPCOLESTR = const wchar_t*;
using OAHWND = LONG_PTR;

constexpr HRESULT VFW_E_ALREADY_CONNECTED = static_cast<HRESULT>(0x80040204u);
constexpr HRESULT VFW_E_NOT_CONNECTED = static_cast<HRESULT>(0x80040209u);
constexpr HRESULT VFW_E_NOT_FOUND = static_cast<HRESULT>(0x80040216u);
constexpr HRESULT VFW_E_CANNOT_CONNECT = static_cast<HRESULT>(0x80040217u);
constexpr HRESULT VFW_E_WRONG_STATE = static_cast<HRESULT>(0x80040227u);
constexpr HRESULT VFW_E_TIMEOUT = static_cast<HRESULT>(0x8004022Eu);

enum PIN_DIRECTION { PINDIR_INPUT = 0, PINDIR_OUTPUT = 1 };

struct AM_MEDIA_TYPE {
  GUID majortype;
  GUID subtype;
  BOOL bFixedSizeSamples;
  BOOL bTemporalCompression;
  ULONG lSampleSize;
  GUID formattype;
  IUnknown* pUnk;
  ULONG cbFormat;
  BYTE* pbFormat;
};
// Frees a media type handed out by IEnumMediaTypes::Next: its format block and itself.
void DeleteMediaType(AM_MEDIA_TYPE* pmt);

extern const GUID MEDIATYPE_Video;
extern const GUID MEDIATYPE_Audio;
extern const GUID MEDIATYPE_Text;
extern const GUID GUID_NULL;

struct IEnumMediaTypes : IUnknown {
  virtual HRESULT Next(ULONG count, AM_MEDIA_TYPE** types, ULONG* fetched) = 0;
};

struct IPin : IUnknown {
  virtual HRESULT ConnectedTo(IPin** pin) = 0;
  virtual HRESULT Disconnect() = 0;
  virtual HRESULT QueryDirection(PIN_DIRECTION* dir) = 0;
  virtual HRESULT EnumMediaTypes(IEnumMediaTypes** types) = 0;
};

struct IEnumPins : IUnknown {
  virtual HRESULT Next(ULONG count, IPin** pins, ULONG* fetched) = 0;
};

struct IBaseFilter : IUnknown {
  virtual HRESULT Stop() = 0;
  virtual HRESULT EnumPins(IEnumPins** pins) = 0;
};

struct IEnumFilters : IUnknown {
  virtual HRESULT Next(ULONG count, IBaseFilter** filters, ULONG* fetched) = 0;
};

struct IFilterGraph : IUnknown {
  virtual HRESULT AddFilter(IBaseFilter* filter, LPCWSTR name) = 0;
  virtual HRESULT RemoveFilter(IBaseFilter* filter) = 0;
  virtual HRESULT EnumFilters(IEnumFilters** filters) = 0;
};

struct IGraphBuilder : IFilterGraph {
  // Connects two pins, directly or through filters it adds; S_OK only when connected.
  virtual HRESULT Connect(IPin* out, IPin* in) = 0;
};

struct IMediaControl : IUnknown {
  virtual HRESULT Run() = 0;
  virtual HRESULT Pause() = 0;
  virtual HRESULT Stop() = 0;
  virtual HRESULT StopWhenReady() = 0;
};

constexpr DWORD AM_SEEKING_NoPositioning = 0;
constexpr DWORD AM_SEEKING_AbsolutePositioning = 1;

struct IMediaSeeking : IUnknown {
  virtual HRESULT SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) = 0;
  virtual HRESULT GetCurrentPosition(LONGLONG* position) = 0;
  virtual HRESULT GetDuration(LONGLONG* duration) = 0;
  virtual HRESULT SetRate(double rate) = 0;
  virtual HRESULT GetRate(double* rate) = 0;
};

struct IMediaEventEx : IUnknown {
  virtual HRESULT SetNotifyWindow(OAHWND hwnd, LONG message, LONG_PTR param) = 0;
};

// Volume in hundredths of a decibel, -10000 (silence) to 0; balance -10000 to 10000.
struct IBasicAudio : IUnknown {
  virtual HRESULT put_Volume(LONG volume) = 0;
  virtual HRESULT get_Volume(LONG* volume) = 0;
  virtual HRESULT put_Balance(LONG balance) = 0;
};

struct IFileSourceFilter : IUnknown {
  virtual HRESULT Load(LPCOLESTR fileName, const AM_MEDIA_TYPE* type) = 0;
};

constexpr DWORD VMRMode_Windowed = 1;
constexpr DWORD VMRMode_Windowless = 2;
constexpr DWORD RenderPrefs_ForceOffscreen = 1;
constexpr DWORD VMR_ARMODE_NONE = 0;
constexpr DWORD VMR_ARMODE_LETTER_BOX = 1;

struct IVMRFilterConfig : IUnknown {
  virtual HRESULT SetRenderingMode(DWORD mode) = 0;
  virtual HRESULT SetRenderingPrefs(DWORD prefs) = 0;
};

struct IVMRWindowlessControl : IUnknown {
  virtual HRESULT SetVideoPosition(const RECT* source, const RECT* dest) = 0;
  virtual HRESULT SetVideoClippingWindow(HWND hwnd) = 0;
  virtual HRESULT SetAspectRatioMode(DWORD mode) = 0;
  // Draws the newest picture again into the clipping window; the device context is not used.
  virtual HRESULT RepaintVideo(HWND hwnd, HDC hdc) = 0;
  // A block from CoTaskMemAlloc: a BITMAPINFOHEADER, then the rows, bottom row first.
  virtual HRESULT GetCurrentImage(BYTE** dib) = 0;
};

// The video decoder's parameters: put(id, value) is the one method in use.
struct IDecoderParameters : IUnknown {
  virtual HRESULT GetParamReserved(int id, int* value) = 0;
  virtual HRESULT SetParamReserved(int id, int value) = 0;
  virtual HRESULT put(int id, int value) = 0;
};

// Decoder parameter ids.
constexpr int DECODER_BRIGHTNESS_ON = 205;  // brightness stage on (1)
constexpr int DECODER_BRIGHTNESS = 202;     // brightness, -150..150, 0 = unchanged
constexpr int DECODER_FLIP_ON = 1101;       // flip stage on (1)
constexpr int DECODER_FLIP_VERTICAL = 1112;
constexpr int DECODER_FLIP_HORIZONTAL = 1113;

#pragma pack(push, 2)
struct BITMAPINFOHEADER {
  DWORD biSize;
  LONG biWidth;
  LONG biHeight;
  WORD biPlanes;
  WORD biBitCount;
  DWORD biCompression;
  DWORD biSizeImage;
  LONG biXPelsPerMeter;
  LONG biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
};
#pragma pack(pop)
constexpr DWORD BI_RGB = 0;
constexpr DWORD BI_BITFIELDS = 3;

extern const IID IID_IPin;
extern const IID IID_IEnumPins;
extern const IID IID_IEnumMediaTypes;
extern const IID IID_IBaseFilter;
extern const IID IID_IEnumFilters;
extern const IID IID_IFilterGraph;
extern const IID IID_IGraphBuilder;
extern const IID IID_IMediaControl;
extern const IID IID_IMediaSeeking;
extern const IID IID_IMediaEventEx;
extern const IID IID_IBasicAudio;
extern const IID IID_IFileSourceFilter;
extern const IID IID_IVMRFilterConfig;
extern const IID IID_IVMRWindowlessControl;
extern const IID IID_IDecoderParameters;

extern const CLSID CLSID_FilterGraph;
extern const CLSID CLSID_AsyncReader;
extern const CLSID CLSID_AviSplitter;
extern const CLSID CLSID_Colour;
extern const CLSID CLSID_VideoMixingRenderer;
extern const CLSID CLSID_DSoundRender;
extern const CLSID CLSID_VideoDecoder;
extern const CLSID CLSID_AacDecoder;
extern const CLSID CLSID_BrightnessFilter;

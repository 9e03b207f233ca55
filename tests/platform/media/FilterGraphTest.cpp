// The filter graph over GStreamer: class table, pins of a real recording, connection with an
// inserted decoder, a graph with an unconnected renderer, the duration, and teardown without leftovers.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/base/String.h"
#include "platform/base/UiDispatch.h"
#include "platform/media/MediaDiagnostics.h"
#include "platform/media/MediaInterfaces.h"
#include "platform/media/Volume.h"
#include "tests/support/TempDir.h"
#include "tests/support/recording/PlayableAvi.h"

namespace {

using platform::ComPtr;

template <typename I>
ComPtr<I> QueryAs(IUnknown* u, REFIID iid) {
  ComPtr<I> out;
  if (u) u->QueryInterface(iid, out.ReceiveVoid());
  return out;
}

template <typename I>
ComPtr<I> Create(REFCLSID clsid, REFIID iid) {
  ComPtr<I> p;
  CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, p.ReceiveVoid());
  return p;
}

std::vector<ComPtr<IPin>> Pins(IBaseFilter* f) {
  std::vector<ComPtr<IPin>> pins;
  ComPtr<IEnumPins> e;
  f->EnumPins(e.Receive());
  IPin* p = nullptr;
  while (e->Next(1, &p, nullptr) == S_OK) pins.push_back(ComPtr<IPin>::Adopt(p));
  return pins;
}

GUID Major(IPin* pin) {
  ComPtr<IEnumMediaTypes> types;
  pin->EnumMediaTypes(types.Receive());
  AM_MEDIA_TYPE* mt = nullptr;
  if (types->Next(1, &mt, nullptr) != S_OK) return GUID_NULL;
  GUID g = mt->majortype;
  DeleteMediaType(mt);
  return g;
}

int FilterCount(IGraphBuilder* g) {
  ComPtr<IEnumFilters> e;
  g->EnumFilters(e.Receive());
  int n = 0;
  IBaseFilter* f = nullptr;
  while (e->Next(1, &f, nullptr) == S_OK) {
    f->Release();
    ++n;
  }
  return n;
}

class FilterGraphTest : public ::testing::Test {
protected:
  void SetUp() override {
    CoInitialize(nullptr);
    testrec::PlayableSpec spec;
    m_path = testrec::CachedPlayableAvi(spec);
    ASSERT_FALSE(m_path.empty());
    m_graph = Create<IGraphBuilder>(CLSID_FilterGraph, IID_IGraphBuilder);
    ASSERT_TRUE(m_graph);
    Load(m_path);
  }
  void TearDown() override { CoUninitialize(); }

  // A source over the file and the splitter after it.
  void Load(const std::string& path) {
    m_source = Add(CLSID_AsyncReader, L"File Source");
    m_splitter = Add(CLSID_AviSplitter, L"Splitter");
    auto load = QueryAs<IFileSourceFilter>(m_source.get(), IID_IFileSourceFilter);
    ASSERT_EQ(load->Load(FileSystemToWide(path).c_str(), nullptr), S_OK);
    ASSERT_EQ(m_graph->Connect(Pins(m_source.get())[0].get(), Pins(m_splitter.get())[0].get()), S_OK);
  }

  void RemoveAllFilters() {
    std::vector<ComPtr<IBaseFilter>> all;
    ComPtr<IEnumFilters> e;
    m_graph->EnumFilters(e.Receive());
    IBaseFilter* f = nullptr;
    while (e->Next(1, &f, nullptr) == S_OK) all.push_back(ComPtr<IBaseFilter>::Adopt(f));
    for (auto& filter : all) m_graph->RemoveFilter(filter.get());
  }

  // Cues a graph with the front camera's branch; the duration it reports, or -1.
  LONGLONG CuedDuration() {
    ComPtr<IBaseFilter> renderer;
    ConnectVideoBranch(0, &renderer);
    EXPECT_EQ(QueryAs<IMediaControl>(m_graph.get(), IID_IMediaControl)->StopWhenReady(), S_OK);
    LONGLONG duration = 0;
    return QueryAs<IMediaSeeking>(m_graph.get(), IID_IMediaSeeking)->GetDuration(&duration) == S_OK ? duration : -1;
  }

  ComPtr<IBaseFilter> Add(REFCLSID clsid, const wchar_t* name) {
    auto f = Create<IBaseFilter>(clsid, IID_IBaseFilter);
    EXPECT_TRUE(f);
    EXPECT_EQ(m_graph->AddFilter(f.get(), name), S_OK);
    return f;
  }

  void ConnectVideoBranch(int stream, ComPtr<IBaseFilter>* renderer) {
    auto decoder = Add(CLSID_VideoDecoder, nullptr);
    auto converter = Add(CLSID_Colour, nullptr);
    *renderer = Add(CLSID_VideoMixingRenderer, nullptr);
    ASSERT_EQ(m_graph->Connect(Pins(m_splitter.get())[1 + stream].get(), Pins(decoder.get())[0].get()), S_OK);
    ASSERT_EQ(m_graph->Connect(Pins(decoder.get())[1].get(), Pins(converter.get())[0].get()), S_OK);
    ASSERT_EQ(m_graph->Connect(Pins(converter.get())[1].get(), Pins(renderer->get())[0].get()), S_OK);
  }

  std::string m_path;
  ComPtr<IGraphBuilder> m_graph;
  ComPtr<IBaseFilter> m_source;
  ComPtr<IBaseFilter> m_splitter;
};

TEST(MediaClassTableTest, ReplacedAndUnknownClasses) {
  IUnknown* p = nullptr;
  const GUID unknown = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
  EXPECT_EQ(CoCreateInstance(unknown, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&p)),
            REGDB_E_CLASSNOTREG);
  platform::RegisterMediaClass(CLSID_Colour, nullptr);
  EXPECT_EQ(
      CoCreateInstance(CLSID_Colour, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter, reinterpret_cast<void**>(&p)),
      REGDB_E_CLASSNOTREG);
  platform::RestoreMediaClass(CLSID_Colour);
  auto converter = Create<IBaseFilter>(CLSID_Colour, IID_IBaseFilter);
  EXPECT_TRUE(converter);
  EXPECT_FALSE(QueryAs<IMediaSeeking>(converter.get(), IID_IMediaSeeking));
  for (const CLSID* c : {&CLSID_AacDecoder, &CLSID_BrightnessFilter, &CLSID_VideoDecoder, &CLSID_DSoundRender})
    EXPECT_TRUE(Create<IBaseFilter>(*c, IID_IBaseFilter));
}

TEST(ProgramVolumeTest, LevelIsClamped) {
  platform::SetProgramVolume(1.7);
  EXPECT_EQ(platform::GetProgramVolume(), 1.0);
  platform::SetProgramVolume(-1);
  EXPECT_EQ(platform::GetProgramVolume(), 0.0);
  platform::SetProgramVolume(1.0);
}

TEST_F(FilterGraphTest, SplitterOffersTheFileStreamsInOrder) {
  auto pins = Pins(m_splitter.get());
  ASSERT_EQ(pins.size(), 5u);  // input, two video, sound, sensor text
  EXPECT_EQ(Major(pins[1].get()), MEDIATYPE_Video);
  EXPECT_EQ(Major(pins[2].get()), MEDIATYPE_Video);
  EXPECT_EQ(Major(pins[3].get()), MEDIATYPE_Audio);
  EXPECT_EQ(Major(pins[4].get()), MEDIATYPE_Text);
  IPin* peer = nullptr;
  EXPECT_EQ(pins[1]->ConnectedTo(&peer), VFW_E_NOT_CONNECTED);
  EXPECT_EQ(m_graph->Connect(pins[0].get(), pins[1].get()), VFW_E_CANNOT_CONNECT);
}

TEST_F(FilterGraphTest, SoundConnectsThroughAnInsertedDecoder) {
  auto audio = Add(CLSID_DSoundRender, nullptr);
  auto pins = Pins(m_splitter.get());
  IPin* audioIn = Pins(audio.get())[0].get();
  int before = FilterCount(m_graph.get());
  EXPECT_EQ(m_graph->Connect(pins[1].get(), audioIn), VFW_E_CANNOT_CONNECT);
  EXPECT_EQ(FilterCount(m_graph.get()), before);
  EXPECT_EQ(m_graph->Connect(pins[3].get(), audioIn), S_OK);
  EXPECT_EQ(FilterCount(m_graph.get()), before + 1);
  EXPECT_EQ(m_graph->Connect(pins[3].get(), audioIn), VFW_E_ALREADY_CONNECTED);
}

TEST_F(FilterGraphTest, UnconnectedRendererDoesNotHoldThePictureBack) {
  ComPtr<IBaseFilter> renderer;
  ConnectVideoBranch(0, &renderer);
  auto idle = Add(CLSID_VideoMixingRenderer, nullptr);  // never connected
  auto idleAudio = Add(CLSID_DSoundRender, nullptr);
  auto control = QueryAs<IMediaControl>(m_graph.get(), IID_IMediaControl);
  EXPECT_EQ(control->StopWhenReady(), S_OK);
  EXPECT_GE(platform::RenderedFrameCount(renderer.get()), 1u);
  EXPECT_EQ(platform::RenderedFrameCount(idle.get()), 0u);
  auto seeking = QueryAs<IMediaSeeking>(m_graph.get(), IID_IMediaSeeking);
  LONGLONG target = 20000000, position = 0, duration = 0;
  seeking->SetPositions(&target, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
  seeking->GetCurrentPosition(&position);
  EXPECT_EQ(position, target);
  EXPECT_EQ(seeking->GetDuration(&duration), S_OK);
  EXPECT_NEAR(static_cast<double>(duration), 30000000.0, 500000.0);
  EXPECT_EQ(m_graph->Connect(Pins(m_splitter.get())[2].get(), Pins(idle.get())[0].get()), VFW_E_WRONG_STATE);
}

// Unknown before the graph is cued, the duration is asked for again until it is known; a graph
// rebuilt over another recording reports that one's.
TEST_F(FilterGraphTest, DurationIsReadOnceKnownAndFollowsARebuild) {
  LONGLONG duration = 0;
  EXPECT_TRUE(FAILED(QueryAs<IMediaSeeking>(m_graph.get(), IID_IMediaSeeking)->GetDuration(&duration)));
  EXPECT_NEAR(static_cast<double>(CuedDuration()), 30000000.0, 500000.0);

  testrec::PlayableSpec longer;
  longer.seconds = 5;
  std::string path = testrec::CachedPlayableAvi(longer);
  ASSERT_FALSE(path.empty());
  RemoveAllFilters();
  Load(path);
  EXPECT_NEAR(static_cast<double>(CuedDuration()), 50000000.0, 500000.0);
}

TEST_F(FilterGraphTest, ARecordingNamedInBytesThatAreNotUtf8Plays) {
  testsupport::TempDir dir;
  const std::string copy = dir.File("20240131_1015\xE9"
                                    "0_EVT_C2.AVI");
  std::filesystem::copy_file(m_path, copy);
  RemoveAllFilters();
  Load(copy);
  EXPECT_EQ(Pins(m_splitter.get()).size(), 5u);
  EXPECT_NEAR(static_cast<double>(CuedDuration()), 30000000.0, 500000.0);
}

TEST_F(FilterGraphTest, ReleasedGraphLeavesNoPipeline) {
  ComPtr<IBaseFilter> renderer;
  ConnectVideoBranch(0, &renderer);
  auto control = QueryAs<IMediaControl>(m_graph.get(), IID_IMediaControl);
  control->StopWhenReady();
  control->Run();
  platform::PumpUiThread(100);
  int live = platform::LiveMediaPipelines();
  ASSERT_GE(live, 1);
  control.Reset();
  for (auto* f : {&renderer, &m_splitter, &m_source}) {
    m_graph->RemoveFilter(f->get());
    f->Reset();
  }
  m_graph.Reset();
  platform::PumpUiThread(0);
  EXPECT_EQ(platform::LiveMediaPipelines(), live - 1);
}

}  // namespace

// The graph object's logic over scripted filters: builds, routing, transport and teardown.
#include <gtest/gtest.h>

#include "media/DShowGraph.h"
#include "tests/support/FakeMediaGraph.h"

namespace {

using fakegraph::TheWorld;

HWND Pane(int n) { return reinterpret_cast<HWND>(static_cast<intptr_t>(0x3000 + n)); }

class DShowGraphTest : public ::testing::Test {
protected:
  void SetUp() override { fakegraph::Install(); }
  void TearDown() override {
    m_graph.reset();
    fakegraph::Uninstall();
  }

  HRESULT Open(const wchar_t* path = L"/card/rec.avi") {
    m_graph = std::make_unique<CDShowGraph>(2, Pane(1), Pane(2));
    m_graph->ResetState(0);
    return m_graph->OpenFile(path);
  }

  std::unique_ptr<CDShowGraph> m_graph;
};

TEST_F(DShowGraphTest, TwoStreamsRouteInPinOrder) {
  ASSERT_EQ(Open(), S_OK);
  EXPECT_EQ(m_graph->m_nVideoStreams, 2);
  EXPECT_EQ(m_graph->PlayState, 2);
  EXPECT_EQ(m_graph->m_bPrepared, 1);
  EXPECT_EQ(m_graph->m_llDuration, 50000000);
  auto& w = TheWorld();
  // The sound renderer uses up two attempts on the video pins before it gets the sound.
  EXPECT_TRUE(w.Logged("Connect Splitter#1 DirectSound Audio Renderer#0"));
  EXPECT_TRUE(w.Logged("Connect Splitter#2 DirectSound Audio Renderer#0"));
  EXPECT_TRUE(w.Logged("Connect Splitter#3 DirectSound Audio Renderer#0"));
  EXPECT_TRUE(w.Logged("Connect Splitter#1 FFDShow Decoder1#0"));
  EXPECT_TRUE(w.Logged("Connect Splitter#2 FFDShow Decoder2#0"));
  EXPECT_TRUE(w.Logged("Connect Color Space Convertor 2#1 Mixing Renderer9-2#0"));
  EXPECT_TRUE(w.Logged("StopWhenReady"));
}

TEST_F(DShowGraphTest, SoundAfterThreeOtherPinsIsNeverConnected) {
  TheWorld().splitterPins = {MEDIATYPE_Video, MEDIATYPE_Video, MEDIATYPE_Text, MEDIATYPE_Text, MEDIATYPE_Audio};
  ASSERT_EQ(Open(), S_OK);
  EXPECT_EQ(TheWorld().Count("Connect Splitter#") - TheWorld().Count("Connect Splitter#1 FFDShow") -
                TheWorld().Count("Connect Splitter#2 FFDShow"),
            3);
  EXPECT_FALSE(TheWorld().Logged("Connect Splitter#5 DirectSound Audio Renderer#0"));
}

TEST_F(DShowGraphTest, StreamCountsOtherThanOneOrTwoFailTheOpen) {
  TheWorld().splitterPins = {MEDIATYPE_Video, MEDIATYPE_Video, MEDIATYPE_Video};
  EXPECT_LT(Open(), 0);
  EXPECT_EQ(m_graph->m_nVideoStreams, 3);
  EXPECT_EQ(TheWorld().Count("AddFilter FFDShow"), 0);
  EXPECT_EQ(m_graph->PlayState, 3);

  TheWorld().splitterPins = {MEDIATYPE_Audio};
  EXPECT_LT(Open(), 0);
}

TEST_F(DShowGraphTest, OneStreamBuildsOnePane) {
  TheWorld().splitterPins = {MEDIATYPE_Video, MEDIATYPE_Audio};
  ASSERT_EQ(Open(), S_OK);
  EXPECT_EQ(m_graph->m_nVideoStreams, 1);
  EXPECT_TRUE(TheWorld().Logged("AddFilter Mixing Renderer9"));
  EXPECT_EQ(m_graph->m_pDecoder2.get(), nullptr);
  BYTE* dib = nullptr;
  EXPECT_LT(m_graph->GetCurrentImage(1, &dib), 0);
  EXPECT_LT(m_graph->GetCurrentImage(2, &dib), 0);
  EXPECT_EQ(dib, nullptr);
}

TEST_F(DShowGraphTest, MissingFiltersAndEarlyStops) {
  TheWorld().missingClasses = {"audio"};
  EXPECT_EQ(Open(), S_OK);
  EXPECT_EQ(m_graph->m_pAudioRenderer.get(), nullptr);

  fakegraph::Install();
  TheWorld().missingClasses = {"converter"};
  EXPECT_EQ(Open(), REGDB_E_CLASSNOTREG);

  // A file that cannot be loaded, or a first video stream that cannot be decoded, is a
  // failed open rather than a half-built graph.
  fakegraph::Install();
  TheWorld().loadResult = E_FAIL;
  EXPECT_LT(Open(), 0);
  EXPECT_FALSE(TheWorld().Logged("AddFilter Splitter"));

  fakegraph::Install();
  TheWorld().connect = [](const std::string&, const std::string& to) {
    return to.rfind("FFDShow Decoder1", 0) == 0 ? VFW_E_CANNOT_CONNECT : S_OK;
  };
  EXPECT_LT(Open(), 0);
  EXPECT_FALSE(TheWorld().Logged("StopWhenReady"));

  EXPECT_EQ(Open(nullptr), S_FALSE);
}

TEST_F(DShowGraphTest, ConnectFiltersStopsAfterThreeAttempts) {
  ASSERT_EQ(CDShowGraph::ConnectFilters(nullptr, nullptr, nullptr), -1);
  TheWorld().splitterPins = {MEDIATYPE_Video, MEDIATYPE_Video, MEDIATYPE_Video, MEDIATYPE_Video};
  ASSERT_EQ(Open(), E_FAIL);  // four video streams: no build, then test the helper on the graph
  TheWorld().log.clear();
  IBaseFilter* audio = nullptr;
  ASSERT_EQ(CDShowGraph::AddFilterByCLSID(m_graph->m_pGraphBuilder.get(), CLSID_DSoundRender, L"A", &audio), S_OK);
  TheWorld().connect = [](const std::string&, const std::string&) { return S_FALSE; };
  EXPECT_EQ(CDShowGraph::ConnectFilters(m_graph->m_pGraphBuilder.get(), m_graph->m_pSplitter.get(), audio), E_FAIL);
  EXPECT_EQ(TheWorld().Count("Connect "), 3);
  EXPECT_EQ(CDShowGraph::AddFilterByCLSID(nullptr, CLSID_DSoundRender, L"A", &audio), E_POINTER);
  audio->Release();
}

// What a pin's count stands at, read through a reference of our own.
ULONG References(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

TEST_F(DShowGraphTest, ConnectFiltersPassesOnAFailedDirectionQueryAndHoldsNoPin) {
  TheWorld().splitterPins = {MEDIATYPE_Video, MEDIATYPE_Video, MEDIATYPE_Video, MEDIATYPE_Video};
  ASSERT_EQ(Open(), E_FAIL);  // no build: every splitter pin stays free
  IBaseFilter* audio = nullptr;
  ASSERT_EQ(CDShowGraph::AddFilterByCLSID(m_graph->m_pGraphBuilder.get(), CLSID_DSoundRender, L"A", &audio), S_OK);
  auto* renderer = static_cast<fakegraph::FakeFilter*>(audio);
  ASSERT_FALSE(renderer->m_pins.empty());
  renderer->m_pins[0]->m_directionResult = E_UNEXPECTED;
  TheWorld().log.clear();
  EXPECT_EQ(CDShowGraph::ConnectFilters(m_graph->m_pGraphBuilder.get(), m_graph->m_pSplitter.get(), audio),
            E_UNEXPECTED);
  EXPECT_EQ(TheWorld().Count("Connect "), 0);
  auto* splitter = static_cast<fakegraph::FakeFilter*>(m_graph->m_pSplitter.get());
  for (fakegraph::FakePin* pin : splitter->m_pins) EXPECT_EQ(References(pin), 1u);
  for (fakegraph::FakePin* pin : renderer->m_pins) EXPECT_EQ(References(pin), 1u);
  audio->Release();
}

TEST_F(DShowGraphTest, TransportStates) {
  CDShowGraph idle(2, Pane(1), Pane(2));
  EXPECT_EQ(idle.Run(), -1);
  EXPECT_EQ(idle.Pause(), -1);
  EXPECT_EQ(idle.Stop(), -1);
  idle.ResetState(0);
  EXPECT_EQ(idle.Run(), VFW_E_WRONG_STATE);
  EXPECT_EQ(idle.Pause(), E_FAIL);

  ASSERT_EQ(Open(), S_OK);
  TheWorld().log.clear();
  EXPECT_EQ(m_graph->Stop(), VFW_E_WRONG_STATE);
  EXPECT_FALSE(TheWorld().Logged("Stop"));
  EXPECT_EQ(m_graph->Pause(), S_OK);
  EXPECT_EQ(m_graph->PlayState, 1);
  EXPECT_EQ(m_graph->Run(), S_OK);
  EXPECT_EQ(m_graph->PlayState, 0);
  EXPECT_TRUE(TheWorld().Logged("put_Balance 0"));
  EXPECT_EQ(m_graph->Stop(), S_OK);
  EXPECT_EQ(m_graph->PlayState, 2);
}

TEST_F(DShowGraphTest, RunClampsTheRateAndRewindsAtTheEnd) {
  ASSERT_EQ(Open(), S_OK);
  const std::pair<float, const char*> cases[] = {
      {0.2f, "SetRate 0.50"}, {2.5f, "SetRate 2.00"}, {1.0f, "SetRate 1.00"}, {1.25f, "SetRate 1.25"}};
  for (auto [rate, logged] : cases) {
    TheWorld().log.clear();
    m_graph->Pause();
    m_graph->m_fRate = rate;
    m_graph->Run();
    EXPECT_TRUE(TheWorld().Logged(logged)) << rate;
  }
  EXPECT_EQ(m_graph->m_fRate, 1.25f);
  EXPECT_FALSE(TheWorld().Logged("SetPositions 0 1 0"));

  TheWorld().position = TheWorld().duration;
  m_graph->Pause();
  m_graph->Run();
  EXPECT_TRUE(TheWorld().Logged("SetPositions 0 1 0"));
}

TEST_F(DShowGraphTest, DurationIsCachedAndTearDownForgetsIt) {
  ASSERT_EQ(Open(), S_OK);
  int calls = TheWorld().durationCalls;
  LONGLONG d = 0;
  EXPECT_EQ(m_graph->GetDuration(&d), 0);
  EXPECT_EQ(d, 50000000);
  EXPECT_EQ(TheWorld().durationCalls, calls);

  TheWorld().log.clear();
  EXPECT_EQ(m_graph->TearDown(), 0);
  const char* order[] = {"RemoveFilter DirectSound Audio Renderer",
                         "RemoveFilter Mixing Renderer9-1",
                         "RemoveFilter Mixing Renderer9-2",
                         "RemoveFilter FFDShow Decoder1",
                         "RemoveFilter FFDShow Decoder2",
                         "RemoveFilter Color Space Convertor 1",
                         "RemoveFilter Color Space Convertor 2",
                         "RemoveFilter Splitter",
                         "RemoveFilter File Source"};
  std::vector<std::string> removed;
  for (auto& s : TheWorld().log)
    if (s.rfind("RemoveFilter", 0) == 0) removed.push_back(s);
  EXPECT_EQ(removed, std::vector<std::string>(std::begin(order), std::end(order)));
  EXPECT_EQ(m_graph->PlayState, 2);
  EXPECT_EQ(m_graph->m_llDuration, 0);
  EXPECT_EQ(m_graph->m_bPrepared, 0);
  EXPECT_EQ(m_graph->m_pGraphBuilder.get(), nullptr);

  // Calls on the torn-down object fail instead of reaching for the missing graph.
  EXPECT_LT(m_graph->Run(), 0);
  EXPECT_EQ(m_graph->GetDuration(&d), 0);
  EXPECT_EQ(d, 0);
  EXPECT_EQ(m_graph->SetVolume(-301), 0);
  EXPECT_EQ(m_graph->TearDown(), 0);
  EXPECT_EQ(m_graph->PlayState, 3);
}

TEST_F(DShowGraphTest, ReusedObjectReadsTheNewRecording) {
  TheWorld().loadResult = E_FAIL;
  EXPECT_LT(Open(), 0);
  TheWorld().loadResult = S_OK;
  TheWorld().log.clear();
  ASSERT_EQ(m_graph->OpenFile(L"/card/second.avi"), S_OK);
  EXPECT_TRUE(TheWorld().Logged("RemoveFilter File Source"));  // the failed build's leftovers
  TheWorld().duration = 70000000;
  ASSERT_EQ(m_graph->OpenFile(L"/card/third.avi"), S_OK);
  EXPECT_EQ(m_graph->m_llDuration, 70000000);
  EXPECT_EQ(m_graph->m_szFileName, CString(L"/card/third.avi"));
}

TEST_F(DShowGraphTest, DurationFailureIsPassedOnAndNotCached) {
  TheWorld().durationResult = E_FAIL;
  ASSERT_EQ(Open(), S_OK);
  LONGLONG d = 0;
  EXPECT_EQ(m_graph->GetDuration(&d), E_FAIL);
  TheWorld().durationResult = S_OK;
  EXPECT_EQ(m_graph->GetDuration(&d), 0);
  EXPECT_EQ(d, 50000000);
}

TEST_F(DShowGraphTest, VolumeAndVideoWindows) {
  ASSERT_EQ(Open(), S_OK);
  m_graph->SetVolume(0);
  m_graph->SetVolume(-301);
  EXPECT_TRUE(TheWorld().Logged("put_Volume -10000"));
  EXPECT_TRUE(TheWorld().Logged("put_Volume -301"));
  TheWorld().log.clear();
  EXPECT_EQ(m_graph->UpdateVideoWindows(), S_OK);
  EXPECT_TRUE(TheWorld().Logged("RepaintVideo Mixing Renderer9-1"));
  EXPECT_TRUE(TheWorld().Logged("RepaintVideo Mixing Renderer9-2"));
  EXPECT_EQ(m_graph->SetBrightness(40), 1);
}

TEST_F(DShowGraphTest, FindPinByConnection) {
  ASSERT_EQ(Open(), S_OK);
  IPin* pin = nullptr;
  EXPECT_EQ(CDShowGraph::FindPinByConnection(m_graph->m_pSplitter.get(), false, &pin), S_OK);  // the text pin
  ASSERT_NE(pin, nullptr);
  pin->Release();
  EXPECT_EQ(CDShowGraph::FindPinByConnection(m_graph->m_pRenderer1.get(), false, &pin), VFW_E_NOT_FOUND);
}

}  // namespace

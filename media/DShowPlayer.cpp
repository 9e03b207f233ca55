#include "media/DShowPlayer.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "media/UsageMarker.h"
#include "platform/media/FilterElements.h"

namespace {

constexpr LONGLONG kUnitsPerMs = 10000;
constexpr LONG kMaxCaptureSide = 16384;

struct TaskMemFree {
  void operator()(BYTE* p) const { CoTaskMemFree(p); }
};
using TaskMemOwner = std::unique_ptr<BYTE, TaskMemFree>;

// Asks the installed classes; making a decoder only to release it would load it.
bool CanCreate(REFCLSID clsid) { return platform::IsMediaClassAvailable(clsid); }

}  // namespace

CDShowPlayer::CDShowPlayer() { WriteUsageMarker(L"usingDShow"); }

CDShowPlayer::~CDShowPlayer() { Close(); }

void CDShowPlayer::Init(HWND hWndVideo1, HWND hWndVideo2) {
  m_nMode = 2;
  m_hWndVideo1 = hWndVideo1;
  m_hWndVideo2 = hWndVideo2;
  if (!m_pGraph) {
    m_pGraph = std::make_unique<CDShowGraph>(m_nMode, m_hWndVideo1, m_hWndVideo2);
    m_pGraph->ResetState(m_bBrightnessFilters);
  }
}

int CDShowPlayer::Open(LPCWSTR pszPath) {
  if (!m_hWndVideo1 || !pszPath) return 0;
  if (m_pGraph) m_pGraph->Stop();
  Seek(0);
  Close();
  m_pGraph = std::make_unique<CDShowGraph>(m_nMode, m_hWndVideo1, m_hWndVideo2);
  m_pGraph->ResetState(m_bBrightnessFilters);
  if (m_pGraph->OpenFile(pszPath) >= 0) return 1;
  Close();
  return 0;
}

int CDShowPlayer::Close() {
  if (m_pGraph) {
    m_pGraph->TearDown();
    m_pGraph.reset();
  }
  return 1;
}

int CDShowPlayer::Play() {
  if (!m_pGraph) return 1;
  return m_pGraph->Run() < 0 ? 0 : 1;
}

int CDShowPlayer::Seek(int nMilliseconds) {
  if (!m_pGraph || !m_pGraph->m_pGraphBuilder) return 1;
  return m_pGraph->SetPosition(static_cast<LONGLONG>(nMilliseconds) * kUnitsPerMs) < 0 ? 0 : 1;
}

int CDShowPlayer::SetRate(float fRate) {
  if (!m_pGraph) return 0;
  int state = m_pGraph->PlayState;
  m_pGraph->Pause();
  m_pGraph->m_fRate = fRate;
  if (state == PLAY_STATE_RUNNING) m_pGraph->Run();
  return 1;
}

int CDShowPlayer::StepBackward(double dSeconds) {
  if (!m_pGraph || !IsRunningOrPaused(m_pGraph->PlayState)) return 0;
  LONGLONG position = 0;
  if (m_pGraph->GetCurrentPosition(&position) < 0) return 0;
  LONGLONG target = position + static_cast<LONGLONG>(dSeconds * -10000.0 * 1000.0);
  if (target < 0) target = 0;
  if (m_pGraph->m_pGraphBuilder && m_pGraph->SetPosition(target) < 0) return 0;
  return 1;
}

// A step needs the duration to clamp to; without it the step is refused rather than sent
// to the start.
int CDShowPlayer::StepForward(double dSeconds) {
  if (!m_pGraph || !IsRunningOrPaused(m_pGraph->PlayState)) return 0;
  LONGLONG position = 0;
  if (m_pGraph->GetCurrentPosition(&position) < 0) return 0;
  LONGLONG duration = 0;
  if (m_pGraph->GetDuration(&duration) < 0 || duration <= 0) return 0;
  LONGLONG target = position + static_cast<LONGLONG>(dSeconds * 10000.0 * 1000.0);
  if (target > duration) target = duration;
  if (m_pGraph->m_pGraphBuilder && m_pGraph->SetPosition(target) < 0) return 0;
  return 1;
}

ULONGLONG CDShowPlayer::GetPosition() {
  LONGLONG position = 0;
  if (!m_pGraph || m_pGraph->GetCurrentPosition(&position) < 0) return 0;
  return static_cast<ULONGLONG>(position) / static_cast<ULONGLONG>(kUnitsPerMs);
}

ULONGLONG CDShowPlayer::GetDuration() {
  LONGLONG duration = 0;
  if (!m_pGraph || m_pGraph->GetDuration(&duration) < 0) return 0;
  return static_cast<ULONGLONG>(duration) / static_cast<ULONGLONG>(kUnitsPerMs);
}

int CDShowPlayer::SetDefaultVolume() {
  if (!m_pGraph) return 1;
  int volume = static_cast<int>(1000.0 * std::log10(1e-10 + (1.0 - 1e-10) * 0.5));
  return m_pGraph->SetVolume(volume) < 0 ? 0 : 1;
}

// Only a plain 32-bit picture of a sane size that fits its block is taken; anything else
// is refused. Without a graph object there is nothing to capture, which is a failure.
int CDShowPlayer::CaptureImage(int nIndex, CBitmap& bitmap) {
  if (!m_pGraph || bitmap.GetSafeHandle()) return 0;
  BYTE* pBlock = nullptr;
  const HRESULT hr = m_pGraph->GetCurrentImage(nIndex, &pBlock);
  const TaskMemOwner dib(pBlock);
  if (FAILED(hr) || !dib) return 0;
  BITMAPINFOHEADER header;
  std::memcpy(&header, dib.get(), sizeof header);
  bool valid = header.biSize >= sizeof header && header.biBitCount == 32 && header.biCompression == BI_RGB &&
               header.biWidth > 0 && header.biHeight > 0 && header.biWidth <= kMaxCaptureSide &&
               header.biHeight <= kMaxCaptureSide;
  size_t rowBytes = valid ? static_cast<size_t>(header.biWidth) * 4 : 0;
  if (valid && header.biSizeImage != 0 && header.biSizeImage < rowBytes * static_cast<size_t>(header.biHeight))
    valid = false;
  if (!valid) return 0;
  std::vector<BYTE> buffer(rowBytes * static_cast<size_t>(header.biHeight));
  const BYTE* rows = dib.get() + header.biSize;
  for (int i = 0; i < header.biHeight; ++i)
    std::memcpy(buffer.data() + static_cast<size_t>(i) * rowBytes,
                rows + static_cast<size_t>(header.biHeight - 1 - i) * rowBytes, rowBytes);
  HBITMAP hBitmap = ::CreateBitmap(header.biWidth, header.biHeight, 1, 32, buffer.data());
  if (!hBitmap) return 0;
  bitmap.Attach(reinterpret_cast<HGDIOBJ>(hBitmap));
  return 1;
}

int CDShowPlayer::CheckFilters() {
  if (!m_pGraph || !CanCreate(CLSID_VideoDecoder)) return -2;
  if (!m_pGraph || !CanCreate(CLSID_AacDecoder)) return -3;
  return IsBrightnessFilterRegistered() ? 1 : -4;
}

bool CDShowPlayer::IsBrightnessFilterRegistered() { return m_pGraph && CanCreate(CLSID_BrightnessFilter); }

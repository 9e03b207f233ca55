#include "tests/support/WindowTestSupport.h"

namespace wintest {

std::vector<Logged>& Log() {
  static std::vector<Logged> log;
  return log;
}

std::vector<Logged> Only(UINT message) {
  std::vector<Logged> out;
  for (const Logged& l : Log())
    if (l.message == message) out.push_back(l);
  return out;
}

namespace {

LRESULT RecorderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Log().push_back({hwnd, message, wParam, lParam});
  if (message == WM_NCHITTEST) {
    LONG_PTR answer = GetWindowLongPtr(hwnd, GWLP_USERDATA);
    if (answer) return answer;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterRecorderClasses() {
  WNDCLASS wc;
  wc.lpszClassName = L"Recorder";
  wc.lpfnWndProc = RecorderProc;
  RegisterClass(&wc);
  wc.lpszClassName = L"RecorderDbl";
  wc.style = CS_DBLCLKS;
  RegisterClass(&wc);
  Log().clear();
}

HWND MakeTop(CRect rect, DWORD style, LPCWSTR cls) {
  return CreateWindowEx(0, cls, L"top", style, rect.left, rect.top, rect.Width(), rect.Height(), nullptr, nullptr,
                        nullptr);
}

HWND MakeChild(HWND parent, CRect rect, int id, DWORD style, LPCWSTR cls) {
  return CreateWindowEx(0, cls, L"child", style, rect.left, rect.top, rect.Width(), rect.Height(), parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr);
}

BEGIN_MESSAGE_MAP(CSolidWnd, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void CSolidWnd::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(&client, m_color);
  ++m_paints;
}

BOOL CSolidWnd::OnEraseBkgnd(CDC* pDC) {
  ++m_erases;
  if (m_eraseFills) {
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, m_color);
  }
  return TRUE;
}

}  // namespace wintest

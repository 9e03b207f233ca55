#pragma once
// Shared pieces of the window-layer tests: a class whose procedure records messages,
// and a painter class that fills its client area with one colour.
#include <vector>

#include "platform/win/Wnd.h"
#include "platform/win/WindowClass.h"
#include "tests/support/WindowHarness.h"

namespace wintest {

struct Logged {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

std::vector<Logged>& Log();
// Messages of one kind in the log, in order.
std::vector<Logged> Only(UINT message);
// "Recorder": logs every message, answers WM_NCHITTEST with the window's user data when
// that is set (HTTRANSPARENT etc.), else the default. "RecorderDbl" adds CS_DBLCLKS.
void RegisterRecorderClasses();
HWND MakeTop(CRect rect, DWORD style = WS_POPUP | WS_VISIBLE, LPCWSTR cls = L"Recorder");
HWND MakeChild(HWND parent, CRect rect, int id, DWORD style = WS_CHILD | WS_VISIBLE, LPCWSTR cls = L"Recorder");

// A window that paints its client area in one colour and counts its paints.
class CSolidWnd : public CWnd {
public:
  explicit CSolidWnd(COLORREF color) : m_color(color) {}
  COLORREF m_color;
  int m_paints = 0;
  int m_erases = 0;
  bool m_eraseFills = false;  // the erase fills the client area with the colour too

protected:
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  DECLARE_MESSAGE_MAP()
};

}  // namespace wintest

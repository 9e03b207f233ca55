// Paint benchmark: a 1022 x 682 dialog with 40 child windows on the headless presenter.
// Prints the time of one full repaint after a whole-window invalidation, and of one
// 200 ms timer tick's worth of small invalidations (a position slider, two time labels,
// a few buttons).
//   bench_paint [--smoke]
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/support/Measures.h"
#include "bench/support/Smoke.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/win/Wnd.h"

namespace {

class CPane : public CWnd {
public:
  explicit CPane(COLORREF color) : m_color(color) {}

protected:
  void OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_color);
  }
  BOOL OnEraseBkgnd(CDC*) { return TRUE; }
  COLORREF m_color;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPane, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

using bench::Clock;
using bench::Median;
using bench::Ms;
using bench::PumpAll;

}  // namespace

int main(int argc, char** argv) {
  const int runs = bench::TakeSmoke(argc, argv) ? 5 : 50;
  platform::SetPresenter(std::make_unique<platform::HeadlessPresenter>());
  CPane dialog(RGB(30, 30, 30));
  dialog.CreateEx(0, nullptr, L"bench", WS_POPUP | WS_VISIBLE, 0, 0, 1022, 682, nullptr, nullptr);
  std::vector<std::unique_ptr<CPane>> children;
  for (int i = 0; i < 40; ++i) {
    auto child = std::make_unique<CPane>(RGB(10 * i, 255 - 5 * i, 100));
    int x = 10 + (i % 8) * 125, y = 10 + (i / 8) * 130;
    child->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(x, y, x + 110, y + 40 + (i % 3) * 30), &dialog,
                  static_cast<UINT>(1000 + i));
    children.push_back(std::move(child));
  }
  PumpAll();

  std::vector<double> full, tick;
  for (int run = 0; run < runs; ++run) {
    auto start = Clock::now();
    dialog.Invalidate(TRUE);
    PumpAll();
    full.push_back(Ms(start));

    start = Clock::now();
    for (int i : {3, 4, 17, 18, 25, 33}) children[static_cast<size_t>(i)]->Invalidate(FALSE);
    dialog.InvalidateRect(CRect(41, 531, 41 + 308, 531 + 20), FALSE);
    PumpAll();
    tick.push_back(Ms(start));
  }
  std::printf("full repaint (1022 x 682, 40 children): %.3f ms (median of %zu; target < 4 ms)\n", Median(full),
              full.size());
  std::printf("200 ms tick of small invalidations:     %.3f ms (median of %zu; target < 1 ms)\n", Median(tick),
              tick.size());
  dialog.DestroyWindow();
  return 0;
}

#pragma once
// Page-by-page scrolling of a report list for the list benchmarks.
#include <vector>

#include "bench/support/Measures.h"
#include "platform/base/Geometry.h"
#include "platform/win/ScrollInfo.h"

namespace bench {

// Scrolls `list` a page of `perPage` rows of 21 pixels at a time to its end, painting each
// page at once; returns the time of each page in ms.
template <typename List>
std::vector<double> PagePaintTimes(List& list, int perPage) {
  std::vector<double> pages;
  do {
    const auto page = Clock::now();
    list.Scroll(CSize(0, perPage * 21));
    list.UpdateWindow();
    pages.push_back(Ms(page));
  } while (list.GetTopIndex() < list.GetScrollLimit(SB_VERT));
  return pages;
}

}  // namespace bench

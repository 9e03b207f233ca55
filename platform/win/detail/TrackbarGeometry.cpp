#include "platform/win/detail/TrackbarGeometry.h"

#include <algorithm>

#include "platform/gdi/DC.h"
#include "platform/win/Input.h"
#include "platform/win/Paint.h"
#include "platform/win/detail/ControlSupport.h"
#include "platform/win/SystemMetrics.h"

namespace platform::detail {

TrackbarGeometry::TrackbarGeometry(const CRect& client, bool vertical, const TrackbarRange& range)
    : m_client(client), m_vertical(vertical), m_range(range) {
  m_length = vertical ? client.Height() : client.Width();
  m_across = vertical ? client.Width() : client.Height();
}

int TrackbarGeometry::TrackLength() const { return std::max(m_length - 2 * kMargin - 1, 1); }

int TrackbarGeometry::ThumbCentre() const {
  long long span = static_cast<long long>(m_range.max) - m_range.min;
  if (span <= 0) return kMargin;
  long long offset = static_cast<long long>(m_range.pos) - m_range.min;
  return kMargin + static_cast<int>(offset * TrackLength() / span);
}

int TrackbarGeometry::PosAt(int along) const {
  long long span = static_cast<long long>(m_range.max) - m_range.min;
  if (span <= 0) return m_range.min;
  long long offset = static_cast<long long>(along - kMargin) * span;
  long long length = TrackLength();
  // Rounds to the nearest position, also left of the track.
  long long steps = offset >= 0 ? (offset + length / 2) / length : -((-offset + length / 2) / length);
  return m_range.Clamp(static_cast<int>(std::clamp<long long>(m_range.min + steps, m_range.min, m_range.max)));
}

CRect TrackbarGeometry::Make(int along0, int across0, int along1, int across1) const {
  return m_vertical ? CRect(across0, along0, across1, along1) : CRect(along0, across0, along1, across1);
}

CRect TrackbarGeometry::ThumbRect() const {
  int centre = ThumbCentre();
  int middle = m_across / 2;
  return Make(centre - kThumbLength / 2, std::max(middle - 10, 0), centre + kThumbLength / 2 + 1,
              std::min(middle + 10, m_across));
}

CRect TrackbarGeometry::ChannelRect() const {
  int middle = m_across / 2;
  return Make(kMargin - 2, middle - 2, m_length - kMargin + 2, middle + 2);
}

void PaintTrackbar(HWND hwnd, const TrackbarGeometry& geometry, bool dragging) {
  PaintControl(hwnd, [&](CDC& dc, const CRect& client) {
    FillWithParentColour(hwnd, WM_CTLCOLORSTATIC, dc, client);
    CRect channel = geometry.ChannelRect();
    dc.FillSolidRect(&channel, GetSysColor(COLOR_WINDOW));
    dc.DrawEdge(&channel, EDGE_SUNKEN, BF_RECT);
    CRect thumb = geometry.ThumbRect();
    dc.FillSolidRect(&thumb, GetSysColor(COLOR_BTNFACE));
    dc.DrawEdge(&thumb, dragging ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (GetFocus() == hwnd) dc.DrawFocusRect(&client);
  });
}

}  // namespace platform::detail

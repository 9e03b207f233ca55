#pragma once
// Where the trackbar's channel and thumb lie for a position, and the position under a
// point. Worked along the track ("along") and across it, so both orientations share it.
#include "platform/base/Geometry.h"
#include "platform/win/Window.h"

namespace platform::detail {

struct TrackbarRange {
  int min = 0;
  int max = 100;
  int pos = 0;
  int Clamp(int value) const { return value > max ? max : (value < min ? min : value); }
};

class TrackbarGeometry {
public:
  static constexpr int kThumbLength = 11;
  static constexpr int kMargin = kThumbLength / 2 + 2;

  TrackbarGeometry(const CRect& client, bool vertical, const TrackbarRange& range);

  int Along(POINT client) const { return m_vertical ? client.y : client.x; }
  int ThumbCentre() const;
  // The position whose thumb centre lies nearest to `along`, within the range.
  int PosAt(int along) const;
  CRect ThumbRect() const;
  CRect ChannelRect() const;

private:
  CRect Make(int along0, int across0, int along1, int across1) const;
  int TrackLength() const;

  CRect m_client;
  bool m_vertical;
  TrackbarRange m_range;
  int m_length;  // of the client along the track
  int m_across;  // of the client across it
};

// The plain look: the parent's static colours, a sunken channel, a raised thumb (sunken
// while dragged) and a focus frame.
void PaintTrackbar(HWND hwnd, const TrackbarGeometry& geometry, bool dragging);

}  // namespace platform::detail

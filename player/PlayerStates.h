#pragma once
// The main window's integer states under their names. The members that hold them stay
// ints with these values; the graph's play state is named beside it in media/DShowGraph.h.

// m_nWindowMode, and the first two layouts of SetLayoutMode.
constexpr int WINDOW_MODE_NORMAL = 1;
constexpr int WINDOW_MODE_FULL = 2;
// SetLayoutMode's third layout: the large map over the normal window.
constexpr int LAYOUT_LARGE_MAP = 16;

// m_nViewChannel, the camera view; none until a recording is opened.
constexpr int VIEW_NONE = 0;
constexpr int VIEW_FRONT = 1;
constexpr int VIEW_REAR = 2;
constexpr int VIEW_BOTH = 4;

// m_nMapMode; the map grows from none to small to large.
constexpr int MAP_MODE_NONE = 0;
constexpr int MAP_MODE_SMALL = 8;
constexpr int MAP_MODE_LARGE = 16;

// The states of EnableControls.
constexpr int CONTROLS_NOTHING_LOADED = 0;
constexpr int CONTROLS_LIST_LOADED = 1;     // or playback stopped
constexpr int CONTROLS_RECORDING_OPEN = 2;  // playing or paused

// m_nStripAction: what the pointer over a strip of the full window last did to the bars.
constexpr int STRIP_NONE = 0;
constexpr int STRIP_SHOW_PANELS = 21;
constexpr int STRIP_HIDE_PANELS = 22;

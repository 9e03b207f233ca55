#pragma once
// What the recording list asks of the application's main window: the row of the
// recording being played (-1 none), which the list draws in amber. The main window
// implements it; a list without such a main window marks no row.
class IPlayingRowSource {
public:
  virtual ~IPlayingRowSource() = default;
  virtual int GetPlayingRow() const = 0;
};

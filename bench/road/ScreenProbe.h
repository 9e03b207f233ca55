#pragma once
// Reads what the X display shows: the pixels of a screen region and the names of the
// windows on screen.
#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <vector>

struct ScreenRect {
  int x = 0, y = 0, width = 1, height = 1;
};

class ScreenProbe {
public:
  ScreenProbe();
  ~ScreenProbe();
  ScreenProbe(const ScreenProbe&) = delete;
  ScreenProbe& operator=(const ScreenProbe&) = delete;

  bool ok() const { return display_ != nullptr; }
  // The region's pixels as 0xRRGGBB, row by row; empty when it cannot be read.
  std::vector<uint32_t> Pixels(const ScreenRect& rect);
  // A window with this exact name is mapped and viewable.
  bool WindowShown(const std::string& name);

private:
  bool Search(Window window, const std::string& name, int depth);
  std::string Name(Window window);

  Display* display_ = nullptr;
};

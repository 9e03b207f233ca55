#pragma once
// What marks the end of a step of the road: a screen region that changed, a window that
// came or went, a file that is complete.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/road/ScreenProbe.h"

class StepCondition {
public:
  explicit StepCondition(ScreenProbe& probe) : probe_(probe) {}
  // The words of one condition (see road_watch's usage); false when they are not one.
  bool Parse(const std::vector<std::string>& words);
  // Takes what the condition compares with, before the step's command.
  void Begin();
  bool Met();

private:
  bool StillFor();
  enum class Kind { Change, Still, Window, Gone, File, Jpegs };

  ScreenProbe& probe_;
  Kind kind_ = Kind::Change;
  ScreenRect rect_;
  std::string text_;    // a window's name or a file's path
  long long size_ = 1;  // bytes of a file, or a number of stills
  std::vector<uint32_t> before_;
  std::chrono::steady_clock::time_point since_;  // when the region last changed
  int stillMs_ = 0;
};

#pragma once
// The program's own sound volume: a linear level from 0 (silent) to 1 (full) that every
// playing graph's sound renderer applies on top of the graph's own volume.
namespace platform {

void SetProgramVolume(double level);
double GetProgramVolume();

}  // namespace platform

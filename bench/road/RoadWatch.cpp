// Times one step of the road as a user sees it: runs the step's command (a pointer or key
// event), then polls until the screen or the file system shows the step's end, and prints
// the milliseconds from the command's start to that moment.
//   road_watch [--timeout SECONDS] [--after-command] CONDITION -- COMMAND [ARG...]
// --after-command starts the clock when the command ends (the second click of a
// double-click) rather than when it starts.
// Conditions:
//   change X Y W H    the screen region differs from how it looked before the command
//   still X Y W H MS  the screen region has not changed for MS milliseconds
//   window NAME       a window of that name is on screen
//   gone NAME         no window of that name is on screen
//   file PATH SIZE    the file holds at least SIZE bytes
//   jpegs FOLDER N    the folder holds N whole JPEG files (each ends with the end-of-image
//                     marker)
// Exit status: 0 met, 1 not met in time, 2 wrong arguments or no display.
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "bench/road/StepCondition.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

bool RunCommand(std::vector<char*> argv) {
  if (argv.empty()) return true;
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int Usage() {
  std::fprintf(stderr, "usage: road_watch [--timeout SECONDS] [--after-command] CONDITION -- COMMAND [ARG...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  double timeout = 60;
  size_t at = 0;
  if (words.size() > 1 && words[0] == "--timeout") {
    timeout = std::atof(words[1].c_str());
    at = 2;
  }
  const bool afterCommand = at < words.size() && words[at] == "--after-command";
  if (afterCommand) ++at;
  size_t dashes = at;
  while (dashes < words.size() && words[dashes] != "--") ++dashes;
  ScreenProbe probe;
  if (!probe.ok()) return Usage();
  StepCondition condition(probe);
  if (!condition.Parse(
          std::vector<std::string>(words.begin() + static_cast<long>(at), words.begin() + static_cast<long>(dashes))))
    return Usage();
  condition.Begin();
  std::vector<char*> command;
  for (int i = static_cast<int>(dashes) + 2; i < argc; ++i) command.push_back(argv[i]);
  auto start = Clock::now();
  if (!RunCommand(command)) {
    std::fprintf(stderr, "road_watch: the command failed\n");
    return 1;
  }
  if (afterCommand) start = Clock::now();
  auto end = start + std::chrono::duration<double>(timeout);
  while (!condition.Met()) {
    if (Clock::now() > end) return 1;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  std::printf("%.0f\n", std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  return 0;
}

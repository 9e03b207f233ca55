// The program's start and idle cost, measured from outside on a display (run it under
// Xvfb): time from the process's start to its first window on screen, CPU used while idle
// with nothing open, and resident memory after idling (the browser's helper processes
// apart).
//   startup_bench [--smoke] [RUNS]
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "bench/support/Processes.h"
#include "bench/support/Smoke.h"

extern char** environ;

namespace {

using bench::Children;
using bench::CpuTicks;
using bench::Name;
using bench::RssKb;

using Clock = std::chrono::steady_clock;

struct Child {
  pid_t pid = -1;
  int err = -1;  // read end of the child's stderr
};

Child Start(const std::string& folder) {
  setenv("RODEMIR_REPORT_FIRST_PAINT", "1", 1);
  setenv("RODEMIR_PRESENTER", "gtk", 1);
  setenv("RODEMIR_ONLINE", "0", 1);
  setenv("RODEMIR_REGISTRY_DIR", folder.c_str(), 1);
  setenv("RODEMIR_DRIVES", (folder + "/drives").c_str(), 1);
  setenv("RODEMIR_DOCUMENTS", folder.c_str(), 1);
  int fds[2];
  if (pipe(fds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  char program[] = RODEMIR_PROGRAM;
  char* argv[] = {program, nullptr};
  Child child;
  if (posix_spawn(&child.pid, program, &actions, nullptr, argv, environ) != 0) child.pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  child.err = fds[0];
  return child;
}

// Waits for the "first paint" line; false after 20 s or when the program ends first.
bool WaitFirstPaint(const Child& child) {
  std::string seen;
  auto end = Clock::now() + std::chrono::seconds(20);
  while (Clock::now() < end) {
    pollfd p{child.err, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char buffer[512];
    ssize_t n = read(child.err, buffer, sizeof buffer);
    if (n <= 0) return false;
    seen.append(buffer, n);
    if (seen.find("first paint\n") != std::string::npos) return true;
  }
  return false;
}

void Stop(Child& child) {
  kill(child.pid, SIGTERM);
  waitpid(child.pid, nullptr, 0);
  close(child.err);
}

}  // namespace

int main(int argc, char** argv) {
  const bool smoke = bench::TakeSmoke(argc, argv);
  if (!std::getenv("DISPLAY")) {
    std::fprintf(stderr, "startup_bench: run it on a display (xvfb-run -a %s)\n", argv[0]);
    return 1;
  }
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : smoke ? 1 : 5;
  const int settleSeconds = smoke ? 1 : 5;
  const int idleSeconds = smoke ? 2 : 10;
  char folderTemplate[] = "/tmp/rodemir-startup-XXXXXX";
  const std::string folder = mkdtemp(folderTemplate);
  std::system(("mkdir -p " + folder + "/drives").c_str());

  std::vector<double> starts;
  std::vector<double> cpus;  // less swayed by other load on the machine than the time taken
  for (int i = 0; i < runs; ++i) {
    auto t0 = Clock::now();
    Child child = Start(folder);
    if (child.pid < 0 || !WaitFirstPaint(child)) {
      std::fprintf(stderr, "startup_bench: the program showed no window\n");
      return 1;
    }
    starts.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    cpus.push_back(1000.0 * CpuTicks(child.pid) / sysconf(_SC_CLK_TCK));
    Stop(child);
  }
  std::sort(starts.begin(), starts.end());
  std::printf("start to first window on screen: median %.0f ms, best %.0f ms, worst %.0f ms (%d runs; target 400 ms)\n",
              starts[starts.size() / 2], starts.front(), starts.back(), runs);
  std::sort(cpus.begin(), cpus.end());
  std::printf("CPU used by then: median %.0f ms\n", cpus[cpus.size() / 2]);

  Child child = Start(folder);
  if (child.pid < 0 || !WaitFirstPaint(child)) return 1;
  std::this_thread::sleep_for(std::chrono::seconds(settleSeconds));
  std::printf("resident memory after %d s idle: %ld KB\n", settleSeconds, RssKb(child.pid));
  for (pid_t helper : Children(child.pid))
    std::printf("  helper %s (%d): %ld KB\n", Name(helper).c_str(), helper, RssKb(helper));
  const long ticks = CpuTicks(child.pid);
  auto t0 = Clock::now();
  std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
  const double seconds = std::chrono::duration<double>(Clock::now() - t0).count();
  const double cpu = 100.0 * (CpuTicks(child.pid) - ticks) / sysconf(_SC_CLK_TCK) / seconds;
  std::printf("CPU while idle over %.0f s: %.2f %% (target under 1 %%)\n", seconds, cpu);
  Stop(child);
  std::system(("rm -rf " + folder).c_str());
  return 0;
}

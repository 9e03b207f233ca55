#pragma once
// Processes as /proc shows them: CPU time, resident memory, name and children; and the CPU
// time of this process with everything it started, for the benchmarks that compare the
// program with other processes.
#include <dirent.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace bench {

inline double CpuSeconds(const rusage& r) {
  return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
         static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

// Fields of /proc/<pid>/stat; times in clock ticks.
struct ProcessStat {
  pid_t parent = 0;
  long utime = 0, stime = 0;    // the process's own threads
  long cutime = 0, cstime = 0;  // its children that it has reaped
};

inline bool ReadProcessStat(pid_t pid, ProcessStat* out) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  size_t close = text.rfind(')');
  if (close == std::string::npos) return false;
  // The fields after the name, from the third on: state, parent, ...
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  for (int i = 3; i <= 17 && fields >> field; ++i) {
    if (i == 4) out->parent = std::atoi(field.c_str());
    if (i == 14) out->utime = std::stol(field);
    if (i == 15) out->stime = std::stol(field);
    if (i == 16) out->cutime = std::stol(field);
    if (i == 17) out->cstime = std::stol(field);
  }
  return true;
}

// User plus system CPU time of a process's own threads, in clock ticks.
inline long CpuTicks(pid_t pid) {
  ProcessStat s;
  return ReadProcessStat(pid, &s) ? s.utime + s.stime : 0;
}

inline long RssKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

inline std::string Name(pid_t pid) {
  std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
  std::string name;
  std::getline(comm, name);
  return name;
}

inline std::vector<pid_t> Children(pid_t pid) {
  std::vector<pid_t> found;
  DIR* proc = opendir("/proc");
  while (dirent* entry = proc ? readdir(proc) : nullptr) {
    pid_t p = std::atoi(entry->d_name);
    ProcessStat s;
    if (p > 0 && ReadProcessStat(p, &s) && s.parent == pid) found.push_back(p);
  }
  if (proc) closedir(proc);
  return found;
}

// The machine's load: the one-minute load average over the processors there are.
inline std::string MachineLoad() {
  std::ifstream loadavg("/proc/loadavg");
  std::string oneMinute = "?";
  loadavg >> oneMinute;
  return oneMinute + " on " + std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " processors";
}

// CPU seconds of this process's threads and of every process it started: those reaped
// (with what they reaped) and those still running (with theirs). A difference of two
// readings is what the whole tree spent between them.
inline double TreeCpuSeconds() {
  rusage self{}, reaped{};
  getrusage(RUSAGE_SELF, &self);
  getrusage(RUSAGE_CHILDREN, &reaped);
  long ticks = 0;
  std::vector<pid_t> pending = Children(getpid());
  while (!pending.empty()) {
    pid_t p = pending.back();
    pending.pop_back();
    ProcessStat s;
    if (ReadProcessStat(p, &s)) ticks += s.utime + s.stime + s.cutime + s.cstime;
    std::vector<pid_t> more = Children(p);
    pending.insert(pending.end(), more.begin(), more.end());
  }
  return CpuSeconds(self) + CpuSeconds(reaped) + static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace bench

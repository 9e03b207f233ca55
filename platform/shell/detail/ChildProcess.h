#pragma once
// A started child process as a kernel object: signalled with its exit code once a reaper
// thread has collected it, so no zombie outlives it whether or not a handle is kept.
#include <sys/types.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/base/Handle.h"

namespace platform::detail {

class ChildProcess : public KernelObject {
public:
  // Starts `program` with `args` (argv[0] excluded) in `folder` (empty: ours). Null with
  // the errno value in *error when the program cannot be started.
  static std::shared_ptr<ChildProcess> Spawn(const std::string& program, const std::vector<std::string>& args,
                                             const std::string& folder, int* error);

  pid_t Pid() const { return m_pid; }
  // Kills the child unless it has already ended, and waits until it is reaped. False
  // when it had already ended.
  bool Terminate(DWORD exitCode);

private:
  explicit ChildProcess(pid_t pid) : m_pid(pid) {}
  void ReapWhenEnded();

  const pid_t m_pid;
  std::mutex m_mutex;  // held while reaping, so a kill never reaches a reused pid
  bool m_reaped = false;
  bool m_terminated = false;
  DWORD m_terminateCode = 0;
};

// Finds the program file for a name as ShellExecute is given it. Empty, with the errno
// value in *error, when there is none that may be run.
std::string ResolveProgram(const std::string& file, int* error);
// The same, found only at the absolute path given: never beside this executable or on PATH.
std::string ResolveProgramAt(const std::string& file, int* error);
// The name ResolveProgram looks for: the file's name, without ".exe".
std::wstring LookedUpName(const std::wstring& file);
// The Debian package that installs a helper program of that name; empty when unknown.
std::wstring PackageOfProgram(const std::wstring& name);

}  // namespace platform::detail

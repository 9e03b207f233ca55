#include "platform/shell/detail/ChildProcess.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fcntl.h>
#include <thread>

#include "platform/base/Log.h"

extern char** environ;

namespace platform::detail {

namespace {

// Owners of the spawn attribute objects.
struct SpawnActions {
  posix_spawn_file_actions_t actions;
  SpawnActions() { posix_spawn_file_actions_init(&actions); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
};

struct SpawnAttributes {
  posix_spawnattr_t attr;
  SpawnAttributes() { posix_spawnattr_init(&attr); }
  ~SpawnAttributes() { posix_spawnattr_destroy(&attr); }
};

void PrepareActions(posix_spawn_file_actions_t* a, const std::string& folder) {
  posix_spawn_file_actions_addopen(a, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(a, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(a, 2, "/dev/null", O_WRONLY, 0);
  // Nothing of ours (the display connection, pipes, open recordings) reaches the child.
  posix_spawn_file_actions_addclosefrom_np(a, 3);
  if (!folder.empty()) posix_spawn_file_actions_addchdir_np(a, folder.c_str());
}

void PrepareAttributes(posix_spawnattr_t* attr) {
  sigset_t none, all;
  sigemptyset(&none);
  sigfillset(&all);
  posix_spawnattr_setsigmask(attr, &none);
  posix_spawnattr_setsigdefault(attr, &all);
  posix_spawnattr_setflags(attr, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
}

DWORD ExitCodeOf(int status) {
  if (WIFEXITED(status)) return static_cast<DWORD>(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) return 128u + static_cast<DWORD>(WTERMSIG(status));
  return 1;
}

}  // namespace

std::shared_ptr<ChildProcess> ChildProcess::Spawn(const std::string& program, const std::vector<std::string>& args,
                                                  const std::string& folder, int* error) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  SpawnActions actions;
  SpawnAttributes attributes;
  PrepareActions(&actions.actions, folder);
  PrepareAttributes(&attributes.attr);
  pid_t pid = 0;
  int result = posix_spawn(&pid, program.c_str(), &actions.actions, &attributes.attr, argv.data(), environ);
  if (result != 0) {
    PlatformLog("process", "cannot start %s: errno %d", program.c_str(), result);
    *error = result;
    return nullptr;
  }
  std::shared_ptr<ChildProcess> child(new ChildProcess(pid));
  std::thread([child] { child->ReapWhenEnded(); }).detach();
  return child;
}

void ChildProcess::ReapWhenEnded() {
  siginfo_t info{};
  int waited;
  do {
    waited = waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOWAIT);
  } while (waited != 0 && errno == EINTR);
  DWORD code = 1;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    int status = 0;
    pid_t reaped;
    do {
      reaped = waitpid(m_pid, &status, 0);
    } while (reaped < 0 && errno == EINTR);
    if (reaped == m_pid) code = ExitCodeOf(status);
    if (m_terminated) code = m_terminateCode;
    m_reaped = true;
  }
  Signal(code);
}

bool ChildProcess::Terminate(DWORD exitCode) {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_reaped || m_terminated) return !m_reaped;
    // Already ended and waiting to be reaped: it keeps its own exit code.
    siginfo_t info{};
    if (waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == m_pid)
      return false;
    m_terminated = true;
    m_terminateCode = exitCode;
    kill(m_pid, SIGKILL);
  }
  WaitFor(INFINITE);
  return true;
}

}  // namespace platform::detail

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <strings.h>
#include <cwchar>

#include "platform/base/System.h"
#include "platform/shell/detail/ChildProcess.h"

namespace platform::detail {

namespace {

bool EndsWithExe(const std::string& name) {
  return name.size() > 4 && strcasecmp(name.c_str() + name.size() - 4, ".exe") == 0;
}

// 0 when the file may be run, else why not.
int Runnable(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return ENOENT;
  if (!S_ISREG(st.st_mode) || access(path.c_str(), X_OK) != 0) return EACCES;
  return 0;
}

std::vector<std::string> OnPath(const std::string& name) {
  std::vector<std::string> found;
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "/usr/local/bin:/usr/bin:/bin");
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    if (!folder.empty()) found.push_back(folder + "/" + name);
  }
  return found;
}

// The file itself, and for "X.exe" also "X" in the same folder.
std::vector<std::string> AtItsPath(const std::string& file) {
  std::vector<std::string> list{file};
  if (EndsWithExe(file)) list.push_back(file.substr(0, file.size() - 4));
  return list;
}

std::vector<std::string> Candidates(const std::string& file) {
  std::vector<std::string> list;
  size_t slash = file.rfind('/');
  std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
  bool exe = EndsWithExe(name);
  std::string stem = exe ? name.substr(0, name.size() - 4) : name;
  std::string beside = WideToFileSystem(GetModuleFolder().str());
  if (slash != std::string::npos) {
    list = AtItsPath(file);
    if (!exe) return list;
  } else {
    list.push_back(beside + name);
  }
  if (exe) list.push_back(beside + stem);
  for (const std::string& p : OnPath(slash == std::string::npos ? name : stem)) list.push_back(p);
  if (exe && slash == std::string::npos) {
    for (const std::string& p : OnPath(stem)) list.push_back(p);
  }
  return list;
}

}  // namespace

std::wstring LookedUpName(const std::wstring& file) {
  std::wstring name = file.substr(file.find_last_of(L'/') + 1);
  bool exe = name.size() > 4 && wcscasecmp(name.c_str() + name.size() - 4, L".exe") == 0;
  return exe ? name.substr(0, name.size() - 4) : name;
}

std::wstring PackageOfProgram(const std::wstring& name) {
  static const std::pair<const wchar_t*, const wchar_t*> kPackages[] = {{L"ffmpeg", L"ffmpeg"}};
  for (const auto& [program, package] : kPackages) {
    if (name == program) return package;
  }
  return {};
}

namespace {

std::string FirstRunnable(const std::vector<std::string>& candidates, int* error) {
  *error = ENOENT;
  for (const std::string& candidate : candidates) {
    int why = Runnable(candidate);
    if (why == 0) return candidate;
    if (why == EACCES) *error = EACCES;
  }
  return {};
}

}  // namespace

std::string ResolveProgram(const std::string& file, int* error) {
  if (file.empty()) {
    *error = ENOENT;
    return {};
  }
  return FirstRunnable(Candidates(file), error);
}

std::string ResolveProgramAt(const std::string& file, int* error) {
  if (file.empty() || file[0] != '/') {
    *error = ENOENT;
    return {};
  }
  return FirstRunnable(AtItsPath(file), error);
}

}  // namespace platform::detail

#pragma once
// Makes a folder the process's working folder for one scope, then goes back.
#include <filesystem>
#include <string>

namespace testsupport {

class ScopedWorkingFolder {
public:
  explicit ScopedWorkingFolder(const std::string& folder) : m_old(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~ScopedWorkingFolder() {
    std::error_code ignored;
    std::filesystem::current_path(m_old, ignored);
  }
  ScopedWorkingFolder(const ScopedWorkingFolder&) = delete;
  ScopedWorkingFolder& operator=(const ScopedWorkingFolder&) = delete;

private:
  std::filesystem::path m_old;
};

}  // namespace testsupport

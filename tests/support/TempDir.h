#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it.
#include <string>

namespace testsupport {

class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return m_path; }
  std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
  std::string m_path;
};

}  // namespace testsupport

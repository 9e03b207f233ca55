#pragma once
// Sets an environment variable for one scope (null unsets it) and restores it afterwards.
#include <cstdlib>
#include <string>

namespace testsupport {

class ScopedEnv {
public:
  ScopedEnv(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old, m_had = true;
    if (value) setenv(name, value, 1); else unsetenv(name);
  }
  ~ScopedEnv() {
    if (m_had) setenv(m_name, m_old.c_str(), 1); else unsetenv(m_name);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
  const char* m_name;
  std::string m_old;
  bool m_had = false;
};

}  // namespace testsupport

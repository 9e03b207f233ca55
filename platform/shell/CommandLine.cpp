#include <string>
#include <vector>

#include "platform/shell/Process.h"

namespace platform {

std::vector<std::wstring> SplitCommandLine(const wchar_t* line) {
  std::vector<std::wstring> args;
  if (!line) return args;
  const wchar_t* p = line;
  for (;;) {
    while (*p == L' ' || *p == L'\t') ++p;
    if (!*p) break;
    std::wstring arg;
    bool quoted = false;
    while (*p && (quoted || (*p != L' ' && *p != L'\t'))) {
      if (*p == L'\\') {
        size_t slashes = 0;
        while (*p == L'\\') ++slashes, ++p;
        if (*p == L'"') {
          arg.append(slashes / 2, L'\\');
          if (slashes % 2) {
            arg += L'"';
            ++p;
          }
        } else {
          arg.append(slashes, L'\\');
        }
      } else if (*p == L'"') {
        if (quoted && p[1] == L'"') {
          arg += L'"';
          p += 2;
        } else {
          quoted = !quoted;
          ++p;
        }
      } else {
        arg += *p++;
      }
    }
    args.push_back(std::move(arg));
  }
  return args;
}

}  // namespace platform

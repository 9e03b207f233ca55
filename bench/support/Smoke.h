#pragma once
// Every benchmark takes --smoke as its first argument: a run of seconds on small inputs,
// which CI makes so that a benchmark that no longer runs is seen. Its figures mean nothing.
#include <cstring>

namespace bench {

// True when the first argument is --smoke, which is then taken out of the arguments.
inline bool TakeSmoke(int& argc, char**& argv) {
  if (argc < 2 || std::strcmp(argv[1], "--smoke") != 0) return false;
  argv[1] = argv[0];
  ++argv;
  --argc;
  return true;
}

}  // namespace bench

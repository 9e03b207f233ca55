#pragma once
// Recording file names as a memory card holds them, shuffled with a fixed seed.
#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace bench {

inline std::vector<std::wstring> RecordingNames(int n) {
  std::vector<std::wstring> names;
  for (int i = 0; i < n; ++i) {
    wchar_t name[64];
    std::swprintf(name, 64, L"2026%02d%02d_%02d%02d%02d_NOR_%05d2.AVI", 1 + i % 12, 1 + i % 28, i % 24, i % 60,
                  (i * 7) % 60, i);
    names.emplace_back(name);
  }
  std::shuffle(names.begin(), names.end(), std::mt19937(42));
  return names;
}

}  // namespace bench

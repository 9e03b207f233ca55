#pragma once
// CPU seconds of runs made in turn, one of each per round (program, floor, floor, ...), so
// that a drift of the machine's load touches them all alike; each is summed up by its median.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/support/Measures.h"

namespace bench {

class Rounds {
public:
  // A negative value is a run that could not be made.
  void Add(const std::string& name, double cpuSeconds) {
    if (cpuSeconds >= 0) m_runs[name].push_back(cpuSeconds);
  }
  bool Has(const std::string& name) const { return m_runs.count(name) != 0; }
  double MedianOf(const std::string& name) const { return Has(name) ? Median(m_runs.at(name)) : -1; }

  // "median s (runs a, b, c)"
  std::string Figure(const std::string& name) const {
    if (!Has(name)) return "not run";
    std::string runs;
    for (double v : m_runs.at(name)) runs += (runs.empty() ? "" : ", ") + Format(v);
    return Format(MedianOf(name)) + " s (runs " + runs + ")";
  }

  // "a / b 1.07", or nothing when either is missing.
  void PrintRatio(const std::string& a, const std::string& b, const char* target = "") const {
    if (!Has(a) || !Has(b) || MedianOf(b) <= 0) return;
    std::printf("  %s / %s: %.2f%s\n", a.c_str(), b.c_str(), MedianOf(a) / MedianOf(b), target);
  }

private:
  static std::string Format(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
  }
  std::map<std::string, std::vector<double>> m_runs;
};

}  // namespace bench

#pragma once
// The skin description: one entry per line of res/skin/skin.txt.
#include <string>
#include <vector>

namespace skingen {

struct Size {
  int width = 0;
  int height = 0;
};

struct Colour {
  double r = 0, g = 0, b = 0;
};

struct SkinEntry {
  int line = 0;
  std::string kind;
  std::vector<std::string> args;  // the words after the kind
};

// Throws std::runtime_error naming the file and line of a malformed entry.
std::vector<SkinEntry> ReadSkinDescription(const std::string& path);
Size ParseSize(const std::string& word);
Colour ParseColour(const std::string& word);
int ParseId(const std::string& word);  // 0 for "-"

}  // namespace skingen

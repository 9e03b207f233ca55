#include "SkinDescription.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace skingen {

std::vector<SkinEntry> ReadSkinDescription(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<SkinEntry> entries;
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    // Whole-line comments only: colours are written #rrggbb.
    auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos || text[first] == '#') continue;
    std::istringstream words(text);
    SkinEntry e;
    e.line = line;
    if (!(words >> e.kind)) continue;
    for (std::string w; words >> w;) e.args.push_back(w);
    entries.push_back(std::move(e));
  }
  return entries;
}

Size ParseSize(const std::string& word) {
  Size s;
  char x = 0;
  std::istringstream in(word);
  if (!(in >> s.width >> x >> s.height) || x != 'x' || s.width <= 0 || s.height <= 0)
    throw std::runtime_error("bad size " + word);
  return s;
}

Colour ParseColour(const std::string& word) {
  if (word.size() != 7 || word[0] != '#') throw std::runtime_error("bad colour " + word);
  unsigned v = static_cast<unsigned>(std::stoul(word.substr(1), nullptr, 16));
  return Colour{((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0};
}

int ParseId(const std::string& word) {
  if (word == "-") return 0;
  size_t used = 0;
  int id = std::stoi(word, &used);
  if (used != word.size() || id <= 0 || id > 65535) throw std::runtime_error("bad id " + word);
  return id;
}

}  // namespace skingen

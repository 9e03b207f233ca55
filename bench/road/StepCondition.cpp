#include "bench/road/StepCondition.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

long long FileSize(const std::string& path) {
  struct stat s;
  return stat(path.c_str(), &s) == 0 ? static_cast<long long>(s.st_size) : -1;
}

bool EndsWithEndOfImage(const std::filesystem::path& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  unsigned char tail[2] = {};
  bool whole = std::fseek(f, -2, SEEK_END) == 0 && std::fread(tail, 1, 2, f) == 2 && tail[0] == 0xFF && tail[1] == 0xD9;
  std::fclose(f);
  return whole;
}

int WholeJpegs(const std::string& folder) {
  std::error_code ec;
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (entry.path().extension() == ".jpg" && EndsWithEndOfImage(entry.path())) ++count;
  return count;
}

ScreenRect RectOf(const std::vector<std::string>& words) {
  return {std::atoi(words[1].c_str()), std::atoi(words[2].c_str()), std::atoi(words[3].c_str()),
          std::atoi(words[4].c_str())};
}

}  // namespace

bool StepCondition::Parse(const std::vector<std::string>& words) {
  if ((words.size() == 5 && words[0] == "change") || (words.size() == 6 && words[0] == "still")) {
    kind_ = words[0] == "change" ? Kind::Change : Kind::Still;
    rect_ = RectOf(words);
    stillMs_ = kind_ == Kind::Still ? std::atoi(words[5].c_str()) : 0;
    return rect_.width > 0 && rect_.height > 0;
  }
  if (words.size() == 2 && (words[0] == "window" || words[0] == "gone")) {
    kind_ = words[0] == "window" ? Kind::Window : Kind::Gone;
    text_ = words[1];
    return true;
  }
  if (words.size() == 3 && words[0] == "file") {
    kind_ = Kind::File;
    text_ = words[1];
    size_ = std::atoll(words[2].c_str());
    return true;
  }
  if (words.size() == 3 && words[0] == "jpegs") {
    kind_ = Kind::Jpegs;
    text_ = words[1];
    size_ = std::atoll(words[2].c_str());
    return true;
  }
  return false;
}

void StepCondition::Begin() {
  if (kind_ == Kind::Change || kind_ == Kind::Still) before_ = probe_.Pixels(rect_);
  since_ = std::chrono::steady_clock::now();
}

bool StepCondition::StillFor() {
  std::vector<uint32_t> now = probe_.Pixels(rect_);
  auto at = std::chrono::steady_clock::now();
  if (now != before_) {
    before_ = std::move(now);
    since_ = at;
    return false;
  }
  return at - since_ >= std::chrono::milliseconds(stillMs_);
}

bool StepCondition::Met() {
  switch (kind_) {
    case Kind::Change: return probe_.Pixels(rect_) != before_;
    case Kind::Window: return probe_.WindowShown(text_);
    case Kind::Gone: return !probe_.WindowShown(text_);
    case Kind::File: return FileSize(text_) >= size_;
    case Kind::Still: return StillFor();
    case Kind::Jpegs: return WholeJpegs(text_) >= size_;
  }
  return false;
}

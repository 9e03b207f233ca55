// skingen <description file> <output folder>: draws every skin bitmap the description
// lists into the output folder as <id>.png.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "SkinDescription.h"
#include "SkinPainter.h"

// Fontconfig's caches live until exit behind pointers the leak checker cannot follow.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skingen <skin description> <output folder>\n");
    return 2;
  }
  std::string folder = argv[2];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    std::fprintf(stderr, "skingen: cannot create %s: %s\n", folder.c_str(), ec.message().c_str());
    return 1;
  }
  int written = 0;
  try {
    for (const skingen::SkinEntry& e : skingen::ReadSkinDescription(argv[1])) {
      try {
        written += skingen::PaintEntry(e, folder);
      } catch (const std::exception& error) {
        std::fprintf(stderr, "%s:%d: %s\n", argv[1], e.line, error.what());
        return 1;
      }
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "skingen: %s\n", error.what());
    return 1;
  }
  std::printf("skingen: %d bitmaps in %s\n", written, folder.c_str());
  return 0;
}

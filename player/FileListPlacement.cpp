#include "player/FileListPlacement.h"

namespace {
constexpr int kSmallMapMode = 8;
}

int FileListHeight(int nMapMode) { return nMapMode == kSmallMapMode ? 310 : 508; }

#include "platform/shell/detail/DriveTable.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/base/Log.h"

namespace platform::detail {

namespace {

std::string WithSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

std::vector<std::string> SubFolders(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (!dir) return names;
  while (dirent* e = readdir(dir)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (stat((folder + "/" + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode)) names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadSmallFile(const std::string& path) {
  std::ifstream in(path);
  std::string text;
  std::getline(in, text);
  return text;
}

// A stand-in drive is labelled by its folder's name, or by its ".label" file when it has one
// (an empty file stands for a medium with no label).
std::string SeamLabel(const std::string& root, const std::string& name) {
  struct stat st {};
  if (stat((root + ".label").c_str(), &st) != 0) return name;
  return ReadSmallFile(root + ".label");
}

std::vector<DriveEntry> ReadSeamDrives(const std::string& folder) {
  std::vector<DriveEntry> drives;
  for (const std::string& name : SubFolders(folder)) {
    std::string root = WithSlash(folder) + name + "/";
    drives.push_back({root, SeamLabel(root, name), "vfat", true});
  }
  return drives;
}

// The kernel's flag, looked up on the partition and then on the disk that holds it.
bool BlockDeviceIsRemovable(const std::string& majorMinor) {
  std::string base = "/sys/dev/block/" + majorMinor;
  if (ReadSmallFile(base + "/removable") == "1") return true;
  return ReadSmallFile(base + "/../removable") == "1";
}

bool UnderMediaFolder(const std::string& mountPoint) {
  return mountPoint.rfind("/media/", 0) == 0 || mountPoint.rfind("/run/media/", 0) == 0;
}

std::string RealPath(const std::string& path) {
  char* real = realpath(path.c_str(), nullptr);
  if (!real) return path;
  std::string result = real;
  std::free(real);
  return result;
}

// Device node -> label, from the udev symlinks.
std::map<std::string, std::string> LabelsByDevice() {
  std::map<std::string, std::string> labels;
  const std::string folder = "/dev/disk/by-label";
  DIR* dir = opendir(folder.c_str());
  if (!dir) return labels;
  while (dirent* e = readdir(dir)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    labels[RealPath(folder + "/" + name)] = DecodeLabelEscapes(name);
  }
  closedir(dir);
  return labels;
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// The mount table writes space, tab, newline and backslash as "\ooo".
std::string DecodeOctalEscapes(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && IsOctal(text[i + 1]) && IsOctal(text[i + 2]) &&
        IsOctal(text[i + 3])) {
      out += static_cast<char>(std::stoi(text.substr(i + 1, 3), nullptr, 8));
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::vector<DriveEntry> ReadMountedDrives() {
  std::vector<DriveEntry> drives;
  std::ifstream in("/proc/self/mountinfo");
  std::map<std::string, std::string> labels;
  bool labelsRead = false;
  std::string line;
  while (std::getline(in, line)) {
    std::string mountPoint, device, fsType, source;
    if (!ParseMountInfoLine(line, &mountPoint, &device, &fsType, &source)) continue;
    if (source.rfind("/dev/", 0) != 0) continue;
    if (!BlockDeviceIsRemovable(device) && !UnderMediaFolder(mountPoint)) continue;
    if (!labelsRead) {
      labels = LabelsByDevice();
      labelsRead = true;
    }
    std::string root = WithSlash(mountPoint);
    drives.erase(std::remove_if(drives.begin(), drives.end(), [&](const DriveEntry& d) { return d.root == root; }),
                 drives.end());
    auto label = labels.find(RealPath(source));
    drives.push_back({root, label == labels.end() ? std::string() : label->second, fsType, true});
  }
  std::sort(drives.begin(), drives.end(), [](const DriveEntry& a, const DriveEntry& b) { return a.root < b.root; });
  return drives;
}

}  // namespace

bool ParseMountInfoLine(const std::string& line, std::string* mountPoint, std::string* device, std::string* fsType,
                        std::string* source) {
  // id parent major:minor root mount-point options [optional fields...] - fstype source super-options
  std::istringstream fields(line);
  std::string id, parent, majorMinor, root, point, options, field;
  if (!(fields >> id >> parent >> majorMinor >> root >> point >> options)) return false;
  while (fields >> field && field != "-") {
  }
  if (field != "-") return false;
  std::string type, src;
  if (!(fields >> type >> src)) return false;
  *mountPoint = DecodeOctalEscapes(point);
  *device = majorMinor;
  *fsType = type;
  *source = DecodeOctalEscapes(src);
  return true;
}

std::string DecodeLabelEscapes(const std::string& name) {
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' &&
        std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
        std::isxdigit(static_cast<unsigned char>(name[i + 3]))) {
      out += static_cast<char>(std::stoi(name.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else {
      out += name[i];
    }
  }
  return out;
}

std::vector<DriveEntry> ReadDriveTable() {
  std::vector<DriveEntry> drives{{"/", "", "", false}};
  const char* seam = std::getenv("RODEMIR_DRIVES");
  std::vector<DriveEntry> removable = seam && *seam ? ReadSeamDrives(seam) : ReadMountedDrives();
  // A removable medium mounted on "/" itself stays the fixed system drive.
  for (DriveEntry& d : removable) {
    if (d.root != "/") drives.push_back(std::move(d));
  }
  return drives;
}

bool FindDrive(const std::string& root, DriveEntry* entry) {
  std::string wanted = WithSlash(root);
  for (DriveEntry& d : ReadDriveTable()) {
    if (d.root == wanted) {
      *entry = std::move(d);
      return true;
    }
  }
  PlatformLog("drives", "no drive at %s", wanted.c_str());
  return false;
}

}  // namespace platform::detail

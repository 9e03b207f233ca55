#pragma once
// The current drive table, read afresh at every call: from the RODEMIR_DRIVES folder when
// it is set, else from the mount table.
#include <string>
#include <vector>

namespace platform::detail {

struct DriveEntry {
  std::string root;    // mount point with a trailing "/", the file system's bytes
  std::string label;   // raw bytes as the medium names itself
  std::string fsType;  // "vfat", "exfat", ...
  bool removable = false;
};

std::vector<DriveEntry> ReadDriveTable();
// The entry whose root equals `root` (a missing trailing "/" is tolerated).
bool FindDrive(const std::string& root, DriveEntry* entry);

// Parsing helpers, exposed for tests.
// One /proc/self/mountinfo line: the mount point and the device's major:minor and fs type,
// with the "\040"-style escapes decoded. False for a line that does not parse.
bool ParseMountInfoLine(const std::string& line, std::string* mountPoint, std::string* device, std::string* fsType,
                        std::string* source);
// A /dev/disk/by-label entry name with its "\x20"-style escapes decoded.
std::string DecodeLabelEscapes(const std::string& name);

}  // namespace platform::detail

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace morvane::platform {

// One line of the mount table (/proc/self/mounts, in fstab syntax).
struct MountEntry {
  std::string device;  // "/dev/sdb1", "server:/export", "tmpfs", ...
  std::string mountPoint;
  std::string fsType;

  bool operator==(const MountEntry&) const = default;
};

// A field with the kernel's escapes undone: a backslash followed by three octal digits
// stands for that byte ("\040" is a space, "\134" a backslash). Any other backslash is
// kept as it is.
std::string DecodeMountField(std::string_view field);

// The entries of a mount table text, in its order. Fields are separated by spaces or
// tabs; a line with fewer than three fields is skipped.
std::vector<MountEntry> ParseMountTable(std::string_view text);

}  // namespace morvane::platform
